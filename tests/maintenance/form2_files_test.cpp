// New and deleted data files: the new-file panel, the codes it takes, the
// file it writes and shows, and the whole-file delete with its question.
#include <QLabel>
#include <QRadioButton>

#include "core/main_window.h"
#include "core/program_state.h"
#include "maintenance/record_entries.h"
#include "tests/maintenance/form2_fixture.h"

namespace ranvik {
namespace {

using test::FileOf;
using test::ThreeBars;

class Form2FilesTest : public test::Form2Test {
protected:
    void TypeCode(const char* code, bool weekly = false) {
        window->新ファイルCMD_Click();
        (weekly ? window->Option2 : window->Option1)->setChecked(true);
        window->Text2->clear();
        QTest::keyClicks(window->Text2, code);
        QTest::keyClick(window->Text2, Qt::Key_Return);
    }
    // A header-only file as created today.
    static std::string HeaderOnlyBytes() {
        QuoteRecord h;
        h.RecordNo = 1;
        h.Low = 200000000.0f;
        h.QuoteDate = "05/10/24";
        return h.Encode();
    }
    int Row(const std::string& name) {
        for (int row = 1; row < form->MSFGrid1->Rows(); ++row)
            if (form->MSFGrid1->TextMatrix(row, 4) == name) return row;
        return -1;
    }
};

TEST(NewFileCode, FourAsciiDigitsNotAllZero) {
    const struct {
        const char* entry;
        bool accepted;
    } cases[] = {
        {"1234", true}, {"0001", true}, {"9999", true},  {"0000", false}, {"123", false},
        {"12a4", false}, {"12345", false}, {"1.50", false}, {"1e03", false}, {"+123", false},
        {" 123", false}, {"", false},     {"１２３４", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsNewFileCode(c.entry), c.accepted) << c.entry;
}

TEST_F(Form2FilesTest, TheNewFileButtonOpensThePanelOverAnEmptiedGrid) {
    Load(FileOf(ThreeBars()));
    window->新ファイルCMD_Click();
    EXPECT_EQ(window->OperationState, 4);
    EXPECT_FALSE(window->Frame4->isHidden());
    EXPECT_TRUE(window->DataFilePath.empty());
    EXPECT_EQ(window->OriginalFilePath, Path());
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_TRUE(window->新ファイルCMD->isEnabled());
    for (QPushButton* b : {window->表示CMD, window->追加CMD, window->修正CMD, window->削除CMD, window->銘柄削除CMD}) {
        EXPECT_FALSE(b->isEnabled());
    }
    // A second press only gives the box the focus.
    window->Text2->setText("12");
    window->新ファイルCMD_Click();
    EXPECT_EQ(window->Text2->text(), "12");
    // Reset: the earlier file again.
    window->リセットCMD_Click();
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_TRUE(window->Frame4->isHidden());
    EXPECT_EQ(Cell(3, 1), "05/07/24");
}

TEST_F(Form2FilesTest, ACodeCreatesAHeaderOnlyFileShowsItListsItAndStartsItsFirstRow) {
    Load(FileOf(ThreeBars()));
    const struct {
        const char* code;
        bool weekly;
        const char* name;
    } cases[] = {{"1234", false, "1234d.KDT"}, {"5678", true, "5678w.KDT"}};
    for (const auto& c : cases) {
        TypeCode(c.code, c.weekly);
        EXPECT_EQ(Bytes(c.name), HeaderOnlyBytes()) << c.name;
        EXPECT_TRUE(window->Frame4->isHidden());
        EXPECT_EQ(window->DataFilePath, Path(c.name));
        EXPECT_EQ(window->OperationState, 91);
        EXPECT_FALSE(Editor().isHidden());
        EXPECT_EQ(Editor().text().toStdString(), "05/10/24");
        EXPECT_EQ(Grid().Row(), 1);
        const int row = Row(c.name);
        ASSERT_GT(row, 0) << c.name;
        EXPECT_EQ(form->MSFGrid1->Row(), row);
        EXPECT_EQ(window->Label1->text().toStdString(), window->DisplayName);
        EXPECT_EQ(Program().selection.CurrentUnitText, "");
        EXPECT_EQ(BackColorOf(window->新ファイルCMD), RGB(220, 220, 220));
        window->リセットCMD_Click();  // the abandoned first row takes the file away again
        EXPECT_FALSE(FileExists(Path(c.name)));
    }
    EXPECT_EQ(Beeps(), 0);
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Form2FilesTest, RefusedCodesBeepAndLeaveThePanelOpenWithTheText) {
    Load(FileOf(ThreeBars()));
    for (const char* code : {"0000", "123", "12a4", "12345", "1.50", "1e03", "+123"}) {
        const int before = Beeps();
        TypeCode(code);
        EXPECT_EQ(Beeps(), before + 1) << code;
        EXPECT_EQ(window->OperationState, 4) << code;
        EXPECT_FALSE(window->Frame4->isHidden());
        EXPECT_EQ(window->Text2->text().toStdString(), code);
    }
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Form2FilesTest, AnExistingNameGives205AndLeavesTheFileUntouched) {
    Load(FileOf(ThreeBars()));
    TypeCode("1301");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "205, 既に同じファイル名があります。");
    EXPECT_EQ(messages->shown[0].title, "株価データ保守");
    EXPECT_EQ(Bytes(), test::BytesOf(FileOf(ThreeBars())));
    EXPECT_EQ(window->OperationState, 4);
    EXPECT_FALSE(window->Frame4->isHidden());
    EXPECT_TRUE(window->DataFilePath.empty());
}

TEST_F(Form2FilesTest, TheFileDeleteAsksAndOnYesDeletesTheFileAndReportsIt) {
    Load(FileOf(ThreeBars()));
    Write(FileOf(ThreeBars()), "6501d.KDT");
    const std::string listed = form->MSFGrid1->TextMatrix(form->MSFGrid1->Row(), 1);
    const std::size_t blank = listed.find(' ', 4);
    const std::string name = blank == std::string::npos ? listed : listed.substr(0, blank + 1);

    messages->QueueAnswer(MessageAnswer::No);
    window->銘柄削除CMD_Click();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "201, <" + name + ">を削除してよろしいですか　　");
    EXPECT_EQ(messages->shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Bytes(), test::BytesOf(FileOf(ThreeBars())));
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_EQ(BackColorOf(window->銘柄削除CMD), RGB(220, 220, 220));
    EXPECT_EQ(Program().commands.ChartCommand, 0);

    messages->QueueAnswer(MessageAnswer::Yes);
    window->銘柄削除CMD_Click();
    EXPECT_FALSE(FileExists(Path()));
    EXPECT_TRUE(FileExists(Path("6501d.KDT")));
    EXPECT_EQ(Program().commands.ChartCommand, 98);
    EXPECT_EQ(Program().commands.RemovedDataFile, Path());
    EXPECT_TRUE(window->DataFilePath.empty());
    EXPECT_EQ(Row("1301d.KDT"), -1);
    EXPECT_EQ(window->Label1->text().toStdString(), name + " deleted");
    EXPECT_EQ(ForeColorOf(window->Label1), QBColor(12));
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_TRUE(window->新ファイルCMD->isEnabled());
    for (QPushButton* b : {window->銘柄削除CMD, window->追加CMD, window->修正CMD, window->削除CMD})
        EXPECT_FALSE(b->isEnabled());
    // Nothing is left to delete.
    window->銘柄削除CMD_Click();
    EXPECT_EQ(messages->shown.size(), 2u);
}

TEST_F(Form2FilesTest, TheFileDeleteWorksOnlyWhenIdle) {
    Load(FileOf(ThreeBars()));
    window->修正CMD_Click();
    window->銘柄削除CMD_Click();
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_TRUE(FileExists(Path()));
}

}  // namespace
}  // namespace ranvik
