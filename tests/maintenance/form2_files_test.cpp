// New and deleted data files: the new-file panel, the codes it takes, the
// file it writes and shows, and the whole-file delete with its question.
#include <QLabel>
#include <QRadioButton>
#include <filesystem>

#include "chart/window/form3.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "core/window_management.h"
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

TEST_F(Form2FilesTest, ANewFileAmongManyIsListedWithItsNameAndUnitAndMadeCurrent) {
    // More files than the twelve rows the grid is given at least.
    for (int k = 0; k < 15; ++k) Write(FileOf(ThreeBars()), std::to_string(2000 + k) + "d.KDT");
    Load(FileOf(ThreeBars()));
    TypeCode("6501");
    const int row = Row("6501d.KDT");
    ASSERT_GT(row, 0);
    EXPECT_EQ(form->MSFGrid1->Row(), row);
    EXPECT_EQ(window->DisplayName, "(日) 日立製作所");
    EXPECT_EQ(Program().selection.CurrentUnitText, "(100株)");
    EXPECT_EQ(window->Label1->text().toStdString(), "(日) 日立製作所(100株)");
    EXPECT_EQ(window->OperationState, 91);
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

TEST_F(Form2FilesTest, AFileThatCannotBeCreatedIsReportedAndTheEarlierFileShownAgain) {
    Load(FileOf(ThreeBars()));
    // A folder under the new name: no file is listed there, none can be made.
    std::filesystem::create_directory(Path("1234d.KDT"));
    TypeCode("1234");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "株価データファイル 1234d.KDT を作成できませんでした");
    EXPECT_EQ(messages->shown[0].title, "株価データ保守");
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_TRUE(window->Frame4->isHidden());
    EXPECT_EQ(window->DataFilePath, Path());
    EXPECT_EQ(Cell(3, 1), "05/07/24");
    EXPECT_TRUE(std::filesystem::is_directory(Path("1234d.KDT")));
    EXPECT_EQ(Bytes(), test::BytesOf(FileOf(ThreeBars())));
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

class Form2DeleteWithChartsTest : public Form2FilesTest {
protected:
    void SetUp() override {
        test::MainWindowTest::SetUp();
        InstallChartWindowMaker();
        InstallMaintenanceWindowMaker();
        WriteUrlList();
        Start();
        RunWindowMenu(8);
        RunWindowMenu(8);
        ASSERT_NE(Program().windows.ChartWindow3, nullptr);
        Open();
    }
    Form3& Chart(int no) { return *dynamic_cast<Form3*>(Program().windows.ChartWindow(no)); }
    // A window that has drawn `name`, or its split-corrected copy.
    void Shows(int no, const std::string& name, bool throughCopy = false) {
        ChartWindowState& f = Chart(no).Fields();
        f.ChartShown = 1;
        f.CorrectedFileName.clear();
        f.CorrectedSourceName.clear();
        f.DataFileName = Path(name);
        if (throughCopy) {
            f.CorrectedFileName = std::string("Hosei").append(std::to_string(no)).append("d.KDT");
            f.CorrectedSourceName = name;
            f.DataFileName = Path(f.CorrectedFileName);
        }
        Chart(no).StopBlink();
    }
};

TEST_F(Form2DeleteWithChartsTest, EveryChartWindowIsToldAndOnlyThoseShowingTheFileDropIt) {
    const struct {
        const char* name;
        const char* shows;  // the file window 2 shows
        bool throughCopy;
        std::int16_t printing;
        bool drops;
    } cases[] = {
        {"the file itself", "1301d.KDT", false, 0, true},
        {"its corrected copy", "1301d.KDT", true, 0, true},
        {"another file", "6501d.KDT", false, 0, false},
        {"another file's copy", "6501d.KDT", true, 0, false},
        {"the file while printing", "1301d.KDT", false, kTrue, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Load(FileOf(ThreeBars()));
        Write(FileOf(ThreeBars()), "6501d.KDT");
        Shows(1, "1301d.KDT");
        Shows(2, c.shows, c.throughCopy);
        Shows(3, "6501d.KDT");
        Chart(2).Fields().PrintingNow = c.printing;
        messages->QueueAnswer(MessageAnswer::Yes);
        window->銘柄削除CMD_Click();
        EXPECT_FALSE(FileExists(Path()));
        // Window 1 showed the file, window 3 another one.
        EXPECT_TRUE(Chart(1).Fields().DataFileName.empty());
        EXPECT_EQ(Chart(1).Fields().ChartShown, 0);
        EXPECT_TRUE(Chart(1).BlinkRunning());
        EXPECT_EQ(Chart(3).Fields().DataFileName, Path("6501d.KDT"));
        EXPECT_EQ(Chart(3).Fields().ChartShown, 1);
        EXPECT_FALSE(Chart(3).BlinkRunning());
        EXPECT_EQ(Chart(2).Fields().DataFileName.empty(), c.drops);
        EXPECT_EQ(Chart(2).Fields().ChartShown, c.drops ? 0 : 1);
        EXPECT_EQ(Chart(2).BlinkRunning(), c.drops);
        for (int no = 1; no <= 3; ++no) EXPECT_EQ(Chart(no).CommCheck.Value(), 0) << no;
        Chart(2).Fields().PrintingNow = 0;
    }
}

TEST_F(Form2DeleteWithChartsTest, AFileThatCannotBeDeletedIsReportedAndStaysShown) {
    Load(FileOf(ThreeBars()));
    Shows(1, "1301d.KDT");
    // The file has given way to a folder that is not empty: nothing removes it.
    DeleteFile(Path());
    std::filesystem::create_directory(Path());
    test::WriteBytes(Path() + "/inside", "x");
    messages->QueueAnswer(MessageAnswer::Yes);
    window->銘柄削除CMD_Click();
    ASSERT_EQ(messages->shown.size(), 2u);
    EXPECT_EQ(messages->shown[1].text, "株価データファイル 1301d.KDT を削除できませんでした");
    EXPECT_EQ(messages->shown[1].title, "株価データ保守");
    EXPECT_EQ(window->OperationState, 0);
    EXPECT_EQ(window->DataFilePath, Path());
    EXPECT_EQ(Program().commands.ChartCommand, 0);
    EXPECT_EQ(Chart(1).Fields().DataFileName, Path());
    EXPECT_FALSE(Chart(1).BlinkRunning());
    EXPECT_EQ(window->Label1->text().toStdString().find(" deleted"), std::string::npos);
}

TEST_F(Form2DeleteWithChartsTest, AnsweringNoLeavesEveryChartWindowAsItWas) {
    Load(FileOf(ThreeBars()));
    Shows(1, "1301d.KDT");
    messages->QueueAnswer(MessageAnswer::No);
    window->銘柄削除CMD_Click();
    EXPECT_TRUE(FileExists(Path()));
    EXPECT_EQ(Chart(1).Fields().DataFileName, Path());
    EXPECT_FALSE(Chart(1).BlinkRunning());
}

// Answers every question and notes the window's state while it is open.
class StateNotingMessages : public MessageService {
public:
    StateNotingMessages(const Form2& window, MessageAnswer answer) : window_(window), answer_(answer) {}
    MessageAnswer Show(const ShownMessage&) override {
        states.push_back(window_.OperationState);
        return answer_;
    }
    void Beep() override {}
    std::vector<int> states;

private:
    const Form2& window_;
    MessageAnswer answer_;
};

TEST_F(Form2FilesTest, TheWindowIsInTheDeleteStateWhileTheQuestionIsOpen) {
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        Load(FileOf(ThreeBars()));
        auto noting = std::make_unique<StateNotingMessages>(*window, answer);
        StateNotingMessages* seen = noting.get();
        std::unique_ptr<MessageService> previous = InstallMessageService(std::move(noting));
        window->銘柄削除CMD_Click();
        EXPECT_EQ(seen->states, std::vector<int>{3});
        InstallMessageService(std::move(previous));
        EXPECT_EQ(window->OperationState, 0);
        EXPECT_EQ(FileExists(Path()), answer == MessageAnswer::No);
    }
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
