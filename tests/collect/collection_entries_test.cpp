#include <QLineEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <sys/resource.h>

#include "platform/ui/pointers.h"
#include "tests/collect/collection_fixture.h"
#include "tests/support/when_requested.h"
#include "tests/support/window_system.h"

namespace ranvik {
namespace {

using namespace std::chrono_literals;

class CollectionEntriesTest : public test::CollectionTest {
protected:
    test::FixedClock clock{Date{2024, 5, 20}, 17, 0, 0};
};

TEST_F(CollectionEntriesTest, SecondRunsOnlyPastEachEntrysThreshold) {
    server.Fallback(test::HistoryPage({}));
    const std::string site = "/yahoo/quote/9999.T/history?";
    StartAt(site);
    const auto weekly = [&](const std::string& code) {
        return Targets("/yahoo/quote/" + code + ".t/history?from=20200720&to=20240520&timeFrame=w&page=", 1, 4);
    };
    const struct {
        bool button;
        std::string code;
        bool secondRun;
        std::string secondBase;
    } cases[] = {
        {true, "0500", false, ""},
        {true, "0501", true, "/yahoo/quote/0501.t/margin?page="},
        {false, "0100", false, ""},
        {false, "0101", true, "/yahoo/quote/0101.t/history?styl=margin&page="},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        CreateDataFile(dir.File(c.code + "w.KDT"));
        server.ClearRequests();
        messages->shown.clear();
        form->Combo2->setEditText(QString::fromStdString(server.Base() + site));
        Target(c.code, ".t", true, false);
        if (c.button) {
            panel->更新作成_MouseUp(1, 1);
        } else {
            form->CollectUrl = server.Base() + site;  // as the double click sets it
            panel->CollectFromGrid();
        }
        std::vector<std::string> expected = weekly(c.code);
        if (c.secondRun) {
            for (const std::string& t : Targets(c.secondBase, 1, 4)) expected.push_back(t);
        }
        EXPECT_EQ(server.Requests(), expected);
        EXPECT_TRUE(messages->shown.empty());
        ExpectIdle(c.code);
    }
    // Daily collections never get a second run.
    CreateDataFile(dir.File("6501d.KDT"));
    server.ClearRequests();
    form->Combo2->setEditText(QString::fromStdString(server.Base() + site));
    Target("6501", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(server.Requests().size(), 8u);
}

TEST_F(CollectionEntriesTest, TheTrustRunOfSiteKind2KeepsOneCharacterAndRunsOnlyInUpdateModeFromTheButton) {
    server.Fallback("<html>\r\n</html>\r\n");
    const std::string address = "/minka/stock/history/yprice";
    StartAt(address);
    CreateDataFile(dir.File("6501w.KDT"));
    Target("6501", ".n", true, false);
    Program().selection.CurrentSection = "2";
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/minka/stock/history/yprice?scode=6501&ba=3",
                                                           "/minka/stock/history/trust?scode=6501&ba=3"}));
    EXPECT_EQ(form->CollectUrl, server.Base() + "/minka/stock/history/trust");

    // New-stock mode: no trust run from the button.  The address is picked
    // again: the button starts from the address the last run left.
    server.ClearRequests();
    panel->Option4->click();
    form->Option2->click();
    form->Combo2->setEditText("");
    form->Combo2->setEditText(QString::fromStdString(server.Base() + address));
    Target("7203", ".t", false, false);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/minka/stock/history/yprice?scode=7203&ba=1"}));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"106, データ無し。   "});
    EXPECT_FALSE(FileExists(dir.File("7203w.KDT")));
}

TEST_F(CollectionEntriesTest, ATypedRangeIsCheckedBeforeAnyRequestAndThenSentAsItsDates) {
    server.Fallback(test::HistoryPage({}));
    StartAt("/yahoo/quote/9999.T/history?");
    CreateDataFile(dir.File("1301d.KDT"));
    panel->Option6->click();
    EXPECT_TRUE(panel->Text15->isEnabled());
    const struct {
        const char* from;
        const char* to;
        QLineEdit* red;
    } refused[] = {
        {"2024/05/01", "2024/05/21", panel->Text16},
        {"2024/05/11", "2024/05/10", panel->Text15},
        {"2024/5/1", "2024/05/10", panel->Text15},
        {"2024/05/01", "2024.05.10", panel->Text16},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.to);
        panel->Text15->setText(c.from);
        panel->Text16->setText(c.to);
        const int beeps = messages->beeps;
        Target("1301", ".t", true, true);
        panel->Text9->setPlainText("before");
        panel->更新作成_MouseUp(1, 1);
        EXPECT_TRUE(server.Requests().empty());
        EXPECT_EQ(messages->beeps, beeps + 1);
        EXPECT_TRUE(messages->shown.empty());
        EXPECT_EQ(ForeColorOf(c.red), QBColor(12));
        EXPECT_EQ(Program().collection.WebUpdateBusy, kFalse);
        EXPECT_EQ(panel->Text9->toPlainText(), "before");
    }
    panel->Text15->setText("2024/01/02");
    panel->Text16->setText("2024/03/15");
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(server.Requests(),
              Targets("/yahoo/quote/1301.t/history?from=20240102&to=20240315&timeFrame=d&page=", 1, 8));
    EXPECT_EQ(panel->CollectEndTime, "2024/03/15 19:30:00");
    EXPECT_EQ(ForeColorOf(panel->Text15), QBColor(0));
    EXPECT_EQ(ForeColorOf(panel->Text16), QBColor(0));

    // Enter in a date box: the narrow form, red and a beep unless it is a date.
    panel->Text15->setText("２０２４/05/02 ");
    QTest::keyClick(panel->Text15, Qt::Key_Return);
    EXPECT_EQ(panel->Text15->text(), "2024/05/02");
    EXPECT_EQ(ForeColorOf(panel->Text15), QBColor(0));
    panel->Text15->setText("2024/5/2");
    const int beeps = messages->beeps;
    QTest::keyClick(panel->Text15, Qt::Key_Return);
    EXPECT_EQ(ForeColorOf(panel->Text15), QBColor(12));
    EXPECT_EQ(messages->beeps, beeps + 1);
}

TEST_F(CollectionEntriesTest, DebugModeRequestsNothingAndReadsThePagesWhereTheNamesPoint) {
    server.Fallback(test::HistoryPage({}));
    test::TempFolder saved;
    StartAt("/yahoo/quote/9999.T/history?");
    Program().app.SavedPageDir = saved.Path();
    Program().app.AdminMode = kTrue;
    form->Item("mnuFuncExItem", 7).SetChecked(true);
    Program().app.DebugPages = kTrue;
    CreateDataFile(dir.File("1301d.KDT"));
    test::WriteBytes(dir.File("株HTML.htm"), test::HistoryPage({"2024/5/17"}));
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(Program().collection.NetFailed, 0);
    EXPECT_EQ(test::ReadRecord(dir.File("1301d.KDT"), 1).RecordNo, 2);
    // The request is shown in the address bar without being classified.
    EXPECT_EQ(form->Combo2->currentText().toStdString(),
              server.Base() + "/yahoo/quote/1301.t/history?from=20230725&to=20240520&timeFrame=d&page=1");
    EXPECT_EQ(form->CollectUrl, server.Base() + "/yahoo/quote/9999.T/history?");
    EXPECT_EQ(Program().collection.QuoteSiteKind1, kTrue);

    // Margin pages come from the saved folder; the next real download does
    // not delete the user's saved pages the names still point at.
    form->Combo2->setEditText(QString::fromStdString(server.Base() + "/yahoo/quote/9999.T/margin?"));
    CreateDataFile(dir.File("1301w.KDT"));
    test::WriteBytes(saved.File("株HTML2.htm"), "saved");
    Target("1301", ".t", true, false);
    form->CollectUrl = server.Base() + "/yahoo/quote/9999.T/margin?";
    panel->CollectFromGrid();
    EXPECT_EQ(Program().download.PageFile2, saved.File("株HTML2.htm"));
    form->Item("mnuFuncExItem", 7).SetChecked(false);
    Program().app.DebugPages = kFalse;
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(server.Requests().size(), 8u);
    EXPECT_EQ(test::ReadBytes(saved.File("株HTML2.htm")), "saved");
}

TEST_F(CollectionEntriesTest, APageFileThatCannotBeWrittenIsReportedAndTheNewFileGoes) {
    server.Fallback(test::HistoryPage({}));
    StartAt("/yahoo/quote/9999.T/history?");
    // A folder holding a file where the second page should go.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir.File("株HTML2.htm"))));
    test::WriteBytes(dir.File("株HTML2.htm/keep"), "x");
    form->Option1->click();
    panel->Option4->click();
    Target("1301", ".t", false, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{dir.File("株HTML2.htm") + " --- ページファイルに書き込めません"});
    EXPECT_EQ(server.Requests().size(), 2u);
    EXPECT_FALSE(FileExists(dir.File("1301d.KDT")));
    EXPECT_EQ(Program().collection.NetFailed, 1);
    ExpectIdle("unwritable");
}

TEST_F(CollectionEntriesTest, ANewDataFileThatCannotBeCreatedIsReportedBeforeAnyRequest) {
    server.Fallback(test::HistoryPage({}));
    StartAt("/yahoo/quote/9999.T/history?");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir.File("1301d.KDT"))));
    form->Option1->click();
    panel->Option4->click();
    Target("1301", ".t", false, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{dir.File("1301d.KDT") + " --- データファイルに書き込めません"});
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(form->CollectFilePath, "");
    EXPECT_EQ(Program().collection.NetFailed, 1);
    ExpectIdle("no data file");
}

// The page would come a minute later; the run ends without it.
TEST_F(CollectionEntriesTest, ClosingDuringARequestCancelsItWithoutAFalseError) {
    server.Slow("/yahoo/quote/1301.t/history", 60s, "late");
    StartAt("/yahoo/quote/9999.T/history?");
    form->Option1->click();
    panel->Option4->click();
    bool ended = false;
    QObject::connect(form.get(), &MDIForm1::Ended, [&] { ended = true; });
    QObject::connect(panel->Inet1, &InternetTransfer::StateChanged, [&](int state) {
        if (state == 5) form->close();
    });
    Target("1301", ".t", false, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(Program().collection.NetFailed, 1);
    EXPECT_FALSE(FileExists(dir.File("1301d.KDT")));
    EXPECT_FALSE(ended);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 10000));
}

const std::string kDaily1301 = "/yahoo/quote/1301.t/history?from=20230725&to=20240520&timeFrame=d&page=";

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The close box of the main window's title bar, pressed while page 2 of 8
// is on its way (each page after the first would take 20 s): the request is
// cancelled, nothing is read or reported, the program ends, and every file
// is whole.
TEST_F(CollectionEntriesTest, TheWindowManagersCloseDuringASlowPageEndsTheProgramAtOnce) {
    InternetTransfer::SetDefaultTimeouts({2000ms, 60000ms});
    CreateDataFile(dir.File("1301d.KDT"));
    const std::string stored = test::ReadBytes(dir.File("1301d.KDT"));
    server.Slow("/yahoo/quote/1301.t/history", 20000ms, test::HistoryPage({}));
    server.Page(kDaily1301 + "1", test::HistoryPage({"2024/5/17"}));
    test::WriteBytes(dir.File("株HTML2.htm"), "page 2 of the run before");
    StartAt("/yahoo/quote/9999.T/history?");
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    bool ended = false;
    QObject::connect(form.get(), &MDIForm1::Ended, [&] { ended = true; });
    int requests = 0;
    bool closeQueued = false;
    std::string shownWhileWaiting;
    QObject::connect(panel->Inet1, &InternetTransfer::StateChanged, [&](int state) {
        if (state != 5 || ++requests != 2) return;
        test::WhenServerHolds(server, 2, form.get(), [&] {
            shownWhileWaiting = Report();
            closeQueued = test::QueueWindowSystemClose(*form);
        });
    });
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    // Ended without the page in hand, let alone the six after it: the
    // requests stop at page 2.
    // The box showed the request's state while its page was awaited.
    EXPECT_TRUE(closeQueued);
    EXPECT_EQ(shownWhileWaiting, "データ読込み要求中");
    EXPECT_EQ(server.Requests(), Targets(kDaily1301, 1, 2));
    EXPECT_TRUE(messages->shown.empty()) << (messages->shown.empty() ? "" : messages->shown[0].text);
    EXPECT_EQ(Program().collection.NetFailed, 1);
    EXPECT_EQ(test::ReadBytes(dir.File("1301d.KDT")), stored);
    EXPECT_EQ(test::ReadBytes(dir.File("株HTML.htm")), test::HistoryPage({"2024/5/17"}) + "\r\n");
    EXPECT_EQ(test::ReadBytes(dir.File("株HTML2.htm")), "page 2 of the run before");
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 10000));
    EXPECT_FALSE(form->isVisible());
}

// A site that sends one page without end: the transfer stops at its limit
// with the failed download's message, the program's memory stays bounded,
// and the new stock gets no file, not even for the time of the download.
TEST_F(CollectionEntriesTest, AnEndlessPageEndsInTheFailedDownloadMessageWithNoNewFile) {
    InternetTransfer::SetDefaultTimeouts({2000ms, 60000ms});
    server.Endless("/yahoo/quote/1301.t/history", std::string(64 * 1024, 'x'));
    test::WriteBytes(dir.File("株HTML.htm"), "page 1 of the run before");
    StartAt("/yahoo/quote/9999.T/history?");
    form->Option1->click();
    panel->Option4->click();
    bool fileDuringDownload = false;
    QObject::connect(panel->Inet1, &InternetTransfer::StateChanged,
                     [&](int) { fileDuringDownload |= FileExists(dir.File("1301d.KDT")); });
    Target("1301", ".t", false, true);
    const long before = PeakKilobytes();
    panel->更新作成_MouseUp(1, 1);
    EXPECT_LT(PeakKilobytes() - before, 512L * 1024);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"104, インターネット異常。再試行して下さい"});
    EXPECT_TRUE(panel->Inet1->LastOutcome().tooLarge);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_FALSE(fileDuringDownload);
    EXPECT_FALSE(FileExists(dir.File("1301d.KDT")));
    EXPECT_EQ(form->CollectFilePath, "");
    EXPECT_EQ(test::ReadBytes(dir.File("株HTML.htm")), "page 1 of the run before");
    EXPECT_EQ(Report(), "データ読込み失敗");
    ExpectIdle("endless page");
}

TEST_F(CollectionEntriesTest, TheStateTextsShowOnlyWhileTheBlinkRuns) {
    StartAt("/yahoo/quote/9999.T/history?");
    const struct {
        int state;
        const char* text;
    } cases[] = {
        {1, "ネット接続要求中"}, {3, "ネット接続中"}, {5, "データ読込み要求中"}, {7, "データ読込み中"},
        {8, "データ読込み完了"}, {9, "before"},       {10, "before"},            {11, "データ読込み失敗"},
        {4, "4"},
    };
    for (const auto& c : cases) {
        for (bool blinking : {false, true}) {
            panel->Text9->setPlainText("before");
            if (blinking) panel->Timer1->start(); else panel->Timer1->stop();
            panel->Inet1_StateChanged(c.state);
            EXPECT_EQ(Program().collection.InetState, c.state);
            EXPECT_EQ(panel->Text9->toPlainText().toStdString(), blinking ? c.text : "before") << c.state;
            EXPECT_EQ(ForeColorOf(panel->Text9), QBColor(0));
        }
    }
    // A state text replaces a report of many lines whole.
    panel->Text9->setPlainText("日付\n2024/04/01\n以上を更新しました");
    panel->Timer1->start();
    panel->Inet1_StateChanged(5);
    EXPECT_EQ(panel->Text9->toPlainText().toStdString(), "データ読込み要求中");
    EXPECT_EQ(panel->Text9->document()->blockCount(), 1);
    panel->Timer1->stop();
    panel->BlinkPhase = 0;
    panel->Timer1_Timer();
    EXPECT_EQ(ForeColorOf(panel->Text9), QBColor(15));
    panel->Timer1_Timer();
    EXPECT_EQ(ForeColorOf(panel->Text9), QBColor(12));
}

TEST_F(CollectionEntriesTest, OptionsHoverAndClosingThroughThePanel) {
    StartAt("/yahoo/quote/9999.T/history?");
    panel->Option6->click();
    EXPECT_TRUE(panel->Text16->isEnabled());
    panel->Option4->click();
    for (QWidget* w : std::vector<QWidget*>{panel->Frame5, panel->Option5, panel->Option6, panel->Text15,
                                                      panel->Text16, panel->Label13, panel->Label2}) {
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    }
    panel->Option3->click();
    EXPECT_TRUE(panel->Option6->isEnabled());
    EXPECT_TRUE(panel->Text15->isEnabled());  // the range is still chosen
    panel->Option5->click();
    EXPECT_FALSE(panel->Text15->isEnabled());

    panel->更新作成_MouseMove();
    EXPECT_EQ(BackColorOf(panel->更新作成), RGB(255, 255, 255));
    EXPECT_EQ(panel->ButtonHover, -1);
    panel->Picture11_MouseMove();
    EXPECT_EQ(panel->ButtonHover, 0);
    EXPECT_EQ(MousePointerOf(form->Picture2), 1);

    // A release outside the collect button collects nothing.
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(-5, 1);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(form->CollectCode, "1301");
    // No target: 100 from the button.
    form->CollectCode = "13";
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"100, 銘柄を指定して下さい。"});
    // An empty address bar: 311.
    messages->shown.clear();
    form->Combo2->setEditText("");
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"311, データを取り出すネットアドレス (https://....) を指定して下さい。"});
    EXPECT_EQ(Program().collection.NetFailed, 1);

    SetForeColor(panel->Text15, QBColor(12));
    panel->Image1_MouseDown();
    panel->Image1_MouseUp();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(ForeColorOf(panel->Text15), QBColor(0));
    EXPECT_EQ(MousePointerOf(form->MSFGrid1), 1);
    EXPECT_EQ(MousePointerOf(form->MSF全Grid2), 1);
}

}  // namespace
}  // namespace ranvik
