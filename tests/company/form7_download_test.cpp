#include <QApplication>
#include <QGroupBox>

#include "platform/surface/screen_surface.h"
#include "platform/ui/chart_control.h"
#include "platform/ui/twips.h"
#include "tests/company/form7_fixture.h"

namespace ranvik {
namespace {

using test::Answer;

const char* kFailed700 = "700, インターネットのアクセスに失敗しました\r\nモデムの電源などを確認して下さい";
const char* kFailed701 = "701, インターネット異常(タイムアウト)。再試行して下さい";

bool OneColour(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixel(x, y) != img.pixel(0, 0)) return false;
        }
    }
    return true;
}

class Form7DownloadTest : public test::Form7Test {
protected:
    void WriteOldPages() {
        for (const char* name : {"株HTML.htm", "株HTML2.htm", "株HTML3.htm"}) {
            test::WriteBytes(dir.File(name), "old page\r\n");
        }
    }
};

TEST_F(Form7DownloadTest, ThePagesAreFetchedInOrderWhileTheMainWindowWaits) {
    std::vector<bool> enabled;
    std::vector<bool> hourglass;
    std::vector<bool> progressShown;
    transfer.onRequest = [&] {
        // The states of the requests before have printed the progress text.
        progressShown.push_back(!OneColour(Window()->Surface->Image()));
        enabled.push_back(form->isEnabled());
        hourglass.push_back(QApplication::overrideCursor() != nullptr);
    };
    Form7* window = OpenFor("1301", "極洋");
    EXPECT_EQ(transfer.log, (std::vector<std::string>{Results("1301"), Indicators("1301"), Quote("1301")}));
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(progressShown, (std::vector<bool>{false, true, true}));
    EXPECT_TRUE(OneColour(window->Surface->Image()));  // gone with the download
    EXPECT_EQ(hourglass, (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // Each page as the transfer returned it, with one line break.
    EXPECT_EQ(Page("株HTML.htm"), "<p>" + Results("1301") + "</p>\r\n");
    EXPECT_EQ(Page("株HTML2.htm"), "<p>" + Indicators("1301") + "</p>\r\n");
    EXPECT_EQ(Page("株HTML3.htm"), "<p>" + Quote("1301") + "</p>\r\n");
    EXPECT_EQ(Program().collection.NetFailed, 0);
    EXPECT_EQ(Program().download.CurrentPageFile, Program().app.AppDir + "株HTML3.htm");
    EXPECT_TRUE(messages->shown.empty());
    // The readers show the panels and charts; the grid waits for its mark.
    for (QGroupBox* frame : {window->Frame1, window->Frame2, window->Frame3}) EXPECT_TRUE(frame->isVisibleTo(window));
    for (int no = 1; no <= 5; ++no) EXPECT_TRUE(window->MSChart[no]->isVisibleTo(window)) << no;
    EXPECT_FALSE(window->MSFGrid1->isVisibleTo(window));
}

TEST_F(Form7DownloadTest, AddressesFromTheUrlList) {
    struct Case {
        const char* note;
        const char* link1;
        const char* link0;
        const char* quoteSite;
        const char* market;
        std::vector<std::string> requested;
    };
    const Case cases[] = {
        {"links completed with ?scode=", "https://r.example/a", "https://i.example/b", "https://q.example/quote/x", ".t",
         {"https://r.example/a?scode=1301", "https://i.example/b?scode=1301", "https://q.example/quote/1301.t"}},
        {"a link with its own query gets nothing", "https://r.example/a?code=", "https://i.example/b?c=",
         "https://q.example/quote/", ".n",
         {"https://r.example/a?code=1301", "https://i.example/b?c=1301", "https://q.example/quote/1301.n"}},
        {".o: the indicator page only", "https://r.example/a", "https://i.example/b", "https://q.example/quote/", ".o",
         {"https://r.example/a?scode=1301", "https://i.example/b?scode=1301&ba=2", "https://q.example/quote/1301.o"}},
        {"no quote/ in the quote site", "https://r.example/a", "https://i.example/b", "https://q.example/stock/", ".t",
         {"https://r.example/a?scode=1301", "https://i.example/b?scode=1301"}},
        {"no links", "", "", "https://q.example/quote/", ".t", {"https://q.example/quote/1301.t"}},
    };
    for (const Case& c : cases) {
        auto& download = Program().download;
        download.InfoLink1 = c.link1;
        download.InfoLink0 = c.link0;
        download.QuoteSiteUrl = c.quoteSite;
        transfer.log.clear();
        Form7* window = OpenFor("1301", "極洋", c.market);
        EXPECT_EQ(transfer.log, c.requested) << c.note;
        EXPECT_EQ(window->Fields().LoadedCode, "1301") << c.note;
        EXPECT_TRUE(messages->shown.empty()) << c.note;
        // A link is completed once for the run and kept so.
        transfer.log.clear();
        OpenFor("8058", "三菱商事", c.market);
        for (std::size_t i = 0; i < c.requested.size(); ++i) {
            std::string expected = c.requested[i];
            expected.replace(expected.find("1301"), 4, "8058");
            ASSERT_LT(i, transfer.log.size()) << c.note;
            EXPECT_EQ(transfer.log[i], expected) << c.note;
        }
        form->mnuGyouEnd_Click();
    }
}

TEST_F(Form7DownloadTest, APageThatIsNotRequestedLosesItsOldFile) {
    WriteOldPages();
    Program().download.InfoLink0.clear();
    Program().download.QuoteSiteUrl = "https://q.example/stock/";
    Form7* window = OpenFor("1301", "極洋");
    EXPECT_EQ(transfer.log, std::vector<std::string>{Results("1301")});
    EXPECT_EQ(Page("株HTML.htm"), "<p>" + Results("1301") + "</p>\r\n");
    // Their readers would otherwise read the pages of the stock before.
    EXPECT_EQ(Page("株HTML2.htm"), "<missing>");
    EXPECT_EQ(Page("株HTML3.htm"), "<missing>");
    EXPECT_EQ(window->Fields().LoadedCode, "1301");
    // No indicator link: the indicator reader does not run; the results do.
    EXPECT_FALSE(window->Frame1->isVisibleTo(window));
    EXPECT_TRUE(window->MSChart[1]->isVisibleTo(window));
}

TEST_F(Form7DownloadTest, AFailedPageStopsTheDownload) {
    struct Case {
        const char* note;
        Answer answer;
        int failingPage;  // 1 to 3
        const char* message;
        bool failureText;
        const char* failingFile;  // what the failing page's file holds
    };
    const Case cases[] = {
        {"an error reply on page 1", Answer::NotFound, 1, kFailed700, true, "<h1>404</h1>\r\n"},
        {"an error reply on page 2", Answer::NotFound, 2, kFailed700, true, "<h1>404</h1>\r\n"},
        {"a page that reports no state has not arrived", Answer::NoState, 3, kFailed700, true, nullptr},
        {"a time-out on page 2", Answer::TimeOut, 2, kFailed701, false, ""},
        {"a time-out on page 1", Answer::TimeOut, 1, kFailed701, false, ""},
    };
    const char* names[] = {"株HTML.htm", "株HTML2.htm", "株HTML3.htm"};
    for (const Case& c : cases) {
        WriteOldPages();
        messages->shown.clear();
        transfer.log.clear();
        const std::string addresses[] = {Results("1301"), Indicators("1301"), Quote("1301")};
        transfer.answers = {{addresses[c.failingPage - 1], c.answer}};
        Form7* window = OpenFor("1301", "極洋");
        ASSERT_EQ(transfer.log.size(), static_cast<std::size_t>(c.failingPage)) << c.note;
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.message}) << c.note;
        EXPECT_EQ(messages->shown[0].title, "業績情報");
        EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(Program().collection.NetFailed, 1) << c.note;
        EXPECT_EQ(Program().collection.WebUpdateBusy, kFalse) << c.note;
        EXPECT_TRUE(form->isEnabled()) << c.note;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.note;
        EXPECT_EQ(window->Fields().LoadedCode, "") << c.note;
        EXPECT_FALSE(window->Frame1->isVisibleTo(window)) << c.note;
        if (c.failureText) {
            EXPECT_EQ(window->Label18->text().toStdString(), "データ収集失敗．．．") << c.note;
            // Placed to the pixel.
            EXPECT_NEAR(LeftOf(window->Label18), LeftOf(window->Label17) + WidthOf(window->Label17) + 100, 15)
                << c.note;
        } else {
            EXPECT_EQ(window->Label18->text().toStdString(), "") << c.note;
        }
        // Pages before the failure are new, the pages after it old.
        for (int p = 1; p < c.failingPage; ++p) {
            EXPECT_EQ(Page(names[p - 1]), "<p>" + addresses[p - 1] + "</p>\r\n") << c.note << p;
        }
        if (c.failingFile != nullptr) {
            EXPECT_EQ(Page(names[c.failingPage - 1]), c.failingFile) << c.note;
        }
        for (int p = c.failingPage + 1; p <= 3; ++p) EXPECT_EQ(Page(names[p - 1]), "old page\r\n") << c.note << p;
        form->mnuGyouEnd_Click();
        transfer.answers.clear();
    }
}

TEST_F(Form7DownloadTest, DebugModeReadsTheSavedPagesAndFetchesNothing) {
    WriteOldPages();
    test::TempFolder saved;
    auto& app = Program().app;
    app.SavedPageDir = saved.Path();
    form->mnuFuncExItem_Click(7);
    ASSERT_EQ(app.DebugPages, kTrue);
    Form7* window = OpenFor("1301", "極洋");
    EXPECT_TRUE(transfer.log.empty());
    EXPECT_EQ(Program().collection.NetFailed, 0);
    EXPECT_EQ(Program().download.PageFile1, saved.Path() + "株HTML.htm");
    EXPECT_EQ(Program().download.PageFile2, saved.Path() + "株HTML2.htm");
    EXPECT_EQ(Program().download.PageFile3, saved.Path() + "株HTML3.htm");
    EXPECT_EQ(window->Fields().LoadedCode, "1301");
    EXPECT_TRUE(window->Frame1->isVisibleTo(window));
    EXPECT_EQ(Page("株HTML2.htm"), "old page\r\n");
    EXPECT_TRUE(messages->shown.empty());

    // Debug item off: the next load writes the program folder's pages, not
    // the saved ones.
    test::WriteBytes(saved.File("株HTML.htm"), "saved page\r\n");
    form->mnuFuncExItem_Click(7);
    ASSERT_EQ(app.DebugPages, kFalse);
    OpenFor("8058", "三菱商事");
    EXPECT_EQ(transfer.log.size(), 3u);
    EXPECT_EQ(Page("株HTML.htm"), "<p>" + Results("8058") + "</p>\r\n");
    EXPECT_EQ(test::ReadBytes(saved.File("株HTML.htm")), "saved page\r\n");
}

TEST_F(Form7DownloadTest, ALoadAfterACollectionRunFindsItsPageFilesAgain) {
    OpenFor("1301", "極洋");
    // A collection run empties the names of the pages after the first.
    auto& download = Program().download;
    download.PageFile2.clear();
    download.PageFile3.clear();
    OpenFor("8058", "三菱商事");
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(Window()->Fields().LoadedCode, "8058");
    EXPECT_EQ(Page("株HTML2.htm"), "<p>" + Indicators("8058") + "</p>\r\n");
}

TEST_F(Form7DownloadTest, EveryStatePrintsTheProgressTextInTheNextColour) {
    Form7* window = OpenFor("1301", "極洋");
    window->Fields().ProgressColor = 7;
    const int expected[] = {8, 9, 10, 11, 12, 13, 14, 15, 1, 2};
    for (int colour : expected) {
        window->Inet1_StateChanged(5);
        EXPECT_EQ(window->Fields().ProgressColor, colour);
        EXPECT_EQ(window->Surface->ForeColor(), QBColor(colour));
    }
    window->Inet1_StateChanged(10);
    EXPECT_EQ(Program().collection.InetState, 10);
    // The three requests of the load each reported two states.
    transfer.log.clear();
    OpenFor("8058", "三菱商事");
    EXPECT_EQ(window->Fields().ProgressColor, 13);  // 7, then six steps
}

}  // namespace
}  // namespace ranvik
