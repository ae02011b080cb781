// The URL list and the topics list in the text box: opening through the end
// marker, saving byte for byte, and the save question when another list is
// chosen or the window closes.
#include <QPlainTextEdit>
#include <QTextCursor>

#include "listedit/text_list.h"
#include "tests/listedit/form1_fixture.h"

namespace ranvik::listedit::test {
namespace {

constexpr const char* kUrlBytes =
    "Version=4.4.24\r\n\x8A\xC7\x97\x9D\x8E\xD2=KVO\r\n<END>\r\nnote after the end\r\n\r\nlast";

class TextListTest : public Form1Test {
protected:
    // The URL list open in the text box, in administrator mode.
    Form1& StartWithUrlList(const std::string& bytes = kUrlBytes) {
        ranvik::test::WriteBytes(dir.File("MyURL.txt"), bytes);
        Form1& f = Start();
        f.mnuMeigaraList_Click(5);
        return f;
    }
    std::string BoxText() { return form->URLNEWStxt->toPlainText().toStdString(); }
    void Type(const std::string& text) {
        QTextCursor cursor = form->URLNEWStxt->textCursor();
        cursor.movePosition(QTextCursor::Start);
        form->URLNEWStxt->setTextCursor(cursor);
        form->URLNEWStxt->insertPlainText(QString::fromStdString(text));
    }
};

TEST_F(TextListTest, TheListIsShownUpToItsEndMarkerLine) {
    Form1& f = StartWithUrlList();
    EXPECT_FALSE(f.URLNEWStxt->isHidden());
    EXPECT_TRUE(f.MSFGrid1->isHidden());
    EXPECT_EQ(BoxText(), "Version=4.4.24\n管理者=KVO\n<END>\n");
    EXPECT_EQ(Caption(), "TameloSUP(4.4.24) - ＵＲＬリスト");
    EXPECT_EQ(f.ListPath, dir.Path() + "MyURL.txt");
    EXPECT_EQ(f.TextListModified, 0);
    EXPECT_FALSE(f.mnuFileItem->Enabled(1));
    EXPECT_TRUE(f.mnuHenItem->Enabled(0));
    EXPECT_TRUE(f.Frame3->isHidden());
    EXPECT_FALSE(f.mnuHenItem->Checked(9));
    for (int i = 2; i <= 6; ++i) EXPECT_FALSE(f.mnuHenItem->Enabled(i)) << i;
}

TEST_F(TextListTest, ReadingTakesEveryLineThroughTheMarkerAndKeepsTheRestAsItWas) {
    const struct {
        const char* bytes;
        const char* shown;
        const char* rest;
    } cases[] = {
        {"a\r\nb <END> c\r\nd\r\n", "a\r\nb <END> c\r\n", "d\r\n"},  // the marker anywhere in a line
        {"a\r\n//END\r\n", "a\r\n//END\r\n", ""},
        {"a\r\nb", "a\r\nb\r\n", ""},                                // no marker: all of it
        {"a\nb\r<END>\nrest", "a\r\nb\r\n<END>\r\n", "rest"},        // lone line ends
        {"<END>", "<END>\r\n", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        ranvik::test::WriteBytes(dir.File("t.txt"), c.bytes);
        const auto contents = ReadTextList(dir.File("t.txt"));
        ASSERT_TRUE(contents) << c.bytes;
        EXPECT_EQ(contents->shown, c.shown) << c.bytes;
        EXPECT_EQ(contents->rest, c.rest) << c.bytes;
    }
    EXPECT_FALSE(ReadTextList(dir.File("none.txt")));
}

TEST_F(TextListTest, OpeningAndSavingWithoutAChangeGivesTheSameBytes) {
    const char* files[] = {
        kUrlBytes,
        "Version=4.4.24\r\n\x8A\xC7\x97\x9D\x8E\xD2=KVO\r\n<END>\r\n",
        "2008\r\n-9/15 \x83\x8A\x81\x5B\x83\x7D\x83\x93\r\n2009\r\n",  // no marker
    };
    for (const char* bytes : files) {
        Form1& f = StartWithUrlList(bytes);
        f.TextListModified = -1;
        ASSERT_TRUE(f.WriteCurrentList());
        EXPECT_EQ(ranvik::test::Hex(ranvik::test::ReadBytes(dir.File("MyURL.txt"))), ranvik::test::Hex(bytes));
    }
}

TEST_F(TextListTest, LinesLeftAloneGoBackWithTheBytesAndLineEndsTheyWereReadWith) {
    const struct {
        const char* bytes;
        const char* typed;  // at the start of the box; empty: saved unedited
        const char* saved;
    } cases[] = {
        {"a\nb\n<END>\nrest", "", "a\nb\n<END>\nrest"},                  // LF-only lines
        {"a\rb\r\n", "", "a\rb\r\n"},                                      // a lone CR
        {"a\r\nlast", "", "a\r\nlast"},                                      // no final line end
        {"\x80\xFF=\x81\r\n<END>\r\n", "", "\x80\xFF=\x81\r\n<END>\r\n"},  // not CP932
        {"\r\n\n\r", "", "\r\n\n\r"},                                    // empty lines only
        {"", "", ""},
        // An edit re-encodes only what it touched; the other lines keep their bytes.
        {"a\nb\x80\nc", "x\n", "x\r\na\nb\x80\nc"},
        {"a\nb", "x", "xa\r\nb"},
    };
    for (const auto& c : cases) {
        Form1& f = StartWithUrlList(c.bytes);
        if (*c.typed != 0) Type(c.typed);
        f.TextListModified = -1;
        ASSERT_TRUE(f.WriteCurrentList()) << c.bytes;
        EXPECT_EQ(ranvik::test::Hex(ranvik::test::ReadBytes(dir.File("MyURL.txt"))), ranvik::test::Hex(c.saved))
            << ranvik::test::Hex(c.bytes);
    }
}

TEST_F(TextListTest, TheSavedBytesOfAnEditedTextKeepEveryUntouchedLine) {
    ranvik::test::WriteBytes(dir.File("t.txt"), "a\nb\x80\r\nc\rlast");
    const auto read = ReadTextList(dir.File("t.txt"));
    ASSERT_TRUE(read);
    const struct {
        const char* shown;
        const char* saved;
    } cases[] = {
        {"a\r\nb\xEF\xBF\xBD\r\nc\r\nlast\r\n", "a\nb\x80\r\nc\rlast"},           // as read
        {"a\r\nc\r\nlast\r\n", "a\nc\rlast"},                                  // a line deleted
        {"a\r\nb\xEF\xBF\xBD\r\nc\r\nlast\r\nnew\r\n", "a\nb\x80\r\nc\rlast\r\nnew\r\n"},  // added after the unended line
        {"a\r\nlast\r\n", "a\nlast"},                                              // two deleted
        {"A\r\nb\xEF\xBF\xBD\r\nC\r\nlast", "A\r\nb\x80\r\nC\r\nlast"},          // two lines changed
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ranvik::test::Hex(TextListBytes(c.shown, *read)), ranvik::test::Hex(c.saved)) << c.shown;
    }
}

TEST_F(TextListTest, AnEditIsSavedBeforeTheLinesThatFollowedTheMarker) {
    Form1& f = StartWithUrlList();
    Type("株価データ=http://a/\n");
    EXPECT_EQ(f.TextListModified, -1);
    EXPECT_TRUE(f.mnuFileItem->Enabled(1));
    f.mnuFileItem_Click(1);
    EXPECT_EQ(ranvik::test::ReadBytes(dir.File("MyURL.txt")),
              "\x8A\x94\x89\xBF\x83\x66\x81\x5B\x83\x5E=http://a/\r\n"
              "Version=4.4.24\r\n\x8A\xC7\x97\x9D\x8E\xD2=KVO\r\n<END>\r\nnote after the end\r\n\r\nlast");
    EXPECT_EQ(f.TextListModified, 0);
    EXPECT_FALSE(f.mnuFileItem->Enabled(1));
    EXPECT_EQ(Caption(), "TameloSUP(4.4.24) - ＵＲＬリスト - 保存完了");
    // A second save adds the suffix again, and no line end to the file.
    Type("x");
    f.mnuFileItem_Click(1);
    EXPECT_EQ(Caption(), "TameloSUP(4.4.24) - ＵＲＬリスト - 保存完了 - 保存完了");
    EXPECT_EQ(ranvik::test::ReadBytes(dir.File("MyURL.txt")).substr(0, 3), "x\x8A\x94");
    EXPECT_EQ(ranvik::test::ReadBytes(dir.File("MyURL.txt")).size(), std::string(kUrlBytes).size() + 23);
}

TEST_F(TextListTest, TextTypedAfterTheMarkerIsSavedButNotShownAgain) {
    Form1& f = StartWithUrlList("a\r\n<END>\r\n");
    QTextCursor cursor = f.URLNEWStxt->textCursor();
    cursor.movePosition(QTextCursor::End);
    f.URLNEWStxt->setTextCursor(cursor);
    f.URLNEWStxt->insertPlainText("after");  // the last line has no line end
    ASSERT_TRUE(f.WriteCurrentList());
    EXPECT_EQ(ranvik::test::ReadBytes(dir.File("MyURL.txt")), "a\r\n<END>\r\nafter\r\n");
    f.mnuMeigaraList_Click(5);
    EXPECT_EQ(BoxText(), "a\n<END>\n");
}

TEST_F(TextListTest, AMissingTextListIsReportedAndNothingIsCreated) {
    WriteAdminUrlList();
    Form1& f = Start();
    f.mnuMeigaraList_Click(6);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "910. チャートNEWS.etxtが見つかりません");
    EXPECT_EQ(messages->shown[0].title, "Tamelo");
    EXPECT_TRUE(f.URLNEWStxt->isHidden());
    EXPECT_EQ(Caption(), "TameloSUP(4.4.24) - トピックスリスト");
    EXPECT_FALSE(FileExists(dir.File("チャートNEWS.etxt")));
}

TEST_F(TextListTest, TheDeliveredTopicsListOpensAndSavesUnchanged) {
    const std::string delivered = ranvik::test::ReadBytes(std::string(RANVIK_PROGRAM_DIR) + "/チャートNEWS.etxt");
    ASSERT_FALSE(delivered.empty());
    ranvik::test::WriteBytes(dir.File("チャートNEWS.etxt"), delivered);
    WriteAdminUrlList();
    Form1& f = Start();
    f.mnuMeigaraList_Click(6);
    EXPECT_EQ(f.ListTitle, "トピックスリスト");
    f.TextListModified = -1;
    ASSERT_TRUE(f.WriteCurrentList());
    EXPECT_TRUE(ranvik::test::ReadBytes(dir.File("チャートNEWS.etxt")) == delivered);
}

TEST_F(TextListTest, TheSaveQuestionWhenAnotherListIsChosen) {
    const struct {
        MessageAnswer answer;
        bool saved;
        bool opened;
    } cases[] = {
        {MessageAnswer::Yes, true, true},
        {MessageAnswer::No, false, true},
        {MessageAnswer::Cancel, false, false},
    };
    for (const auto& c : cases) {
        WritePrimeTable();
        Form1& f = StartWithUrlList("a\r\n<END>\r\n");
        Type("b\n");
        messages->shown.clear();
        messages->answers.clear();
        messages->QueueAnswer(c.answer);
        f.mnuMeigaraList_Click(1);
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].text, "906, 内容が変更されています。保存しますか？");
        EXPECT_EQ(messages->shown[0].title, "Tamelo - ＵＲＬリスト");
        EXPECT_EQ(messages->shown[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(ranvik::test::ReadBytes(dir.File("MyURL.txt")), c.saved ? "b\r\na\r\n<END>\r\n" : "a\r\n<END>\r\n");
        EXPECT_EQ(f.MSFGrid1->isHidden(), !c.opened);
        EXPECT_EQ(f.URLNEWStxt->isHidden(), c.opened);
        // The open list keeps the check mark.
        EXPECT_EQ(f.mnuMeigaraList->Checked(1), c.opened);
        EXPECT_EQ(f.mnuMeigaraList->Checked(5), !c.opened);
        EXPECT_EQ(f.TextListModified, c.opened ? 0 : -1);
        // After No the discarded text is never written: closing asks nothing.
        int cancel = 0;
        messages->shown.clear();
        messages->QueueAnswer(MessageAnswer::No);
        f.Form_Unload(cancel);
        EXPECT_EQ(messages->shown.size(), c.opened ? 0u : 1u);
    }
}

TEST_F(TextListTest, TheSaveQuestionWhenTheWindowCloses) {
    const struct {
        MessageAnswer answer;
        int cancel;
        const char* file;
    } cases[] = {
        {MessageAnswer::Yes, 0, "b\r\na\r\n<END>\r\n"},
        {MessageAnswer::No, 0, "a\r\n<END>\r\n"},
        {MessageAnswer::Cancel, 1, "a\r\n<END>\r\n"},
    };
    for (const auto& c : cases) {
        Form1& f = StartWithUrlList("a\r\n<END>\r\n");
        Type("b\n");
        help->calls.clear();
        messages->QueueAnswer(c.answer);
        int cancel = 0;
        f.Form_Unload(cancel);
        EXPECT_EQ(cancel, c.cancel);
        EXPECT_EQ(ranvik::test::ReadBytes(dir.File("MyURL.txt")), c.file);
        // Ending closes every help window.
        EXPECT_EQ(help->calls.size(), c.cancel == 0 ? 1u : 0u);
        if (c.cancel == 0) {
            EXPECT_EQ(help->calls[0].what, "close");
        }
    }
}

TEST_F(TextListTest, ClosingWithoutChangesAsksNothing) {
    Form1& f = StartWithUrlList();
    int cancel = 0;
    f.Form_Unload(cancel);
    EXPECT_EQ(cancel, 0);
    EXPECT_TRUE(messages->shown.empty());
}

}  // namespace
}  // namespace ranvik::listedit::test
