// A list stock fetched by a chart window from the local test server: the
// requests of each site kind, the page files, the page head's price, the
// progress bar and the title while the requests run, and how every path
// ends.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <chrono>
#include <filesystem>

#include "collect/quote_page_download.h"
#include "core/page_files.h"
#include "platform/net/internet_transfer.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/record_file.h"
#include "core/quote_record.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/twips.h"
#include "tests/chart/window/chart_window_fixture.h"
#include "tests/collect/collection_fixture.h"
#include "tests/support/http_server.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

using test::ChartWindowTest;
using test::HistoryPage;
using test::RecordingForm3;

const std::string kHistory = "/yahoo/quote/9999.T/history?";
const std::string kDaily1301 = "/yahoo/quote/1301.t/history?styl=stock&from=20230725&to=20240520&timeFrame=d&page=";
const std::string kWeekly1301 = "/yahoo/quote/1301.t/history?styl=stock&from=20200720&to=20240520&timeFrame=w&page=";
const char* k312 = "312, データ無し。   ";

std::vector<std::string> Pages(const std::string& base, int first, int last) {
    std::vector<std::string> out;
    for (int k = first; k <= last; ++k) out.push_back(base + std::to_string(k));
    return out;
}

class WebDownload : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        InternetTransfer::SetDefaultTimeouts({std::chrono::milliseconds(1500), std::chrono::milliseconds(1500)});
        fake = InstallQuotePageFetcher(FetchQuotePages);
    }
    void TearDown() override {
        InstallQuotePageFetcher(fake);
        ChartWindowTest::TearDown();
        InternetTransfer::SetDefaultTimeouts({});
    }

    // The program started with the server's history site in the URL list
    // and the address bar on `path` of the server.
    RecordingForm3& StartOn(const std::string& path, const std::vector<std::string>& more = {}) {
        std::vector<std::string> lines{"株価データ=" + server.Base() + kHistory};
        lines.insert(lines.end(), more.begin(), more.end());
        WriteUrlList(lines);
        Start();
        SetAddress(path);
        Window(1)->price.ClearLog();
        return *Window(1);
    }
    void SetAddress(const std::string& path) { form->Combo2->setEditText(QString::fromStdString(server.Base() + path)); }
    void Period(bool daily) {
        form->Option1->setChecked(daily);
        form->Option2->setChecked(!daily);
    }
    // A double click on the list table's first row, holding `code`.
    void Pick(const std::string& code, const std::string& market = ".t") {
        FlexGrid& grid = *form->MSF全Grid2;
        grid.SetTextMatrix(1, 0, code);
        grid.SetRow(1);
        auto& s = Program().selection;
        s.CurrentCode = code;
        s.CurrentMarket = market;
        s.CurrentSection = "1";
        s.CurrentName = "テスト銘柄";
        s.CurrentUnitText = "(100株)";
        Send("5", "d");
    }
    // The temporary file drawn (a failed update clears the panes too, so
    // clears of the price pane do not tell).
    bool Drawn() { return F().ChartShown == 1 && !F().ShownFileName.empty(); }
    // Page 1 of a stock's history with `dates`, its later pages empty.
    void ServeHistory(const std::string& segment, const std::string& base, const std::vector<std::string>& dates) {
        server.Page("/yahoo/quote/" + segment + "/history", HistoryPage({}));
        server.Page(base + "1", HistoryPage(dates));
    }
    // However an update ends.
    void ExpectIdle(const std::string& what) {
        EXPECT_EQ(Program().collection.WebUpdateBusy, kFalse) << what;
        EXPECT_TRUE(Window(1)->Picture10->isHidden()) << what;
        EXPECT_TRUE(form->isEnabled()) << what;
        EXPECT_FALSE(Window(1)->Timer1->isActive()) << what;
    }

    test::FixedClock clock{Date{2024, 5, 20}, 17, 0, 0};
    test::HttpServer server;
    QuotePageFetcher fake;
};

TEST_F(WebDownload, EachSiteKindRequestsItsPagesForTheDayOrTheWeek) {
    const std::string table = "<html><body>no table</body></html>";
    const struct {
        std::string path;
        bool daily;
        std::vector<std::string> requests;
        std::vector<std::string> messages;
        bool drawn;
    } cases[] = {
        {kHistory, true, Pages(kDaily1301, 1, 8), {}, true},
        {kHistory, false, Pages(kWeekly1301, 1, 8), {}, true},
        {"/minka/history/yearly/x?scode=5", true, {"/minka/history/dprice/?scode=1301&ba=1"}, {k312}, false},
        {"/minka/history/yearly/x?scode=5", false, {"/minka/history/yprice/?scode=1301&ba=1"}, {k312}, false},
        {"/kabuc/ote/x", true, {"/kabuc/ote/x?h=3m&c=1301"}, {k312}, false},
        {"/kabuc/ote/x", false, {"/kabuc/ote/x?r=3m&h=1y&c=1301"}, {k312}, false},
        {"/inves/p?symbol=", true, {"/inves/p?symbol=1301.T"}, {}, false},
    };
    ServeHistory("1301.t", kDaily1301, {"2024/5/20", "2024/5/17"});
    server.Page(kWeekly1301 + "1", HistoryPage({"2024/5/20", "2024/5/13"}));
    server.Fallback(table);
    RecordingForm3& w = StartOn(kHistory);
    for (const auto& c : cases) {
        const std::string what = c.path + (c.daily ? " daily" : " weekly");
        server.ClearRequests();
        messages->shown.clear();
        w.price.ClearLog();
        SetAddress(c.path);
        Period(c.daily);
        Pick("1301");
        EXPECT_EQ(server.Requests(), c.requests) << what;
        EXPECT_EQ(MessageTexts(), c.messages) << what;
        EXPECT_EQ(Drawn(), c.drawn) << what;
        EXPECT_EQ(F().DataFileName.empty(), !c.drawn) << what;
        // The pages stay in the program folder, as they came.
        const std::string first = test::ReadBytes(dir.File("株HTML.htm"));
        const std::string history = HistoryPage({"2024/5/20", c.daily ? "2024/5/17" : "2024/5/13"});
        EXPECT_EQ(first, (c.path == kHistory ? history : table) + "\r\n") << what;
        EXPECT_EQ(Program().download.PageFile1, dir.File("株HTML.htm")) << what;
        EXPECT_EQ(F().TodayDate, "05/20/24") << what;
        EXPECT_EQ(F().IsDaily, c.daily ? kTrue : kFalse) << what;
        ExpectIdle(what);
    }
    EXPECT_EQ(Program().download.PageFile8, dir.File("株HTML8.htm"));
    EXPECT_TRUE(FileExists(dir.File("株HTML8.htm")));
}

TEST_F(WebDownload, InDebugModeTheSavedPagesAreReadAndNothingIsRequested) {
    test::TempFolder saved;
    test::WriteBytes(saved.File("株HTML.htm"), HistoryPage({"2024/5/20", "2024/5/17", "2024/5/16"}) + "\r\n");
    for (int k = 2; k <= 8; ++k) test::WriteBytes(saved.File(PageFileName(k)), HistoryPage({}) + "\r\n");
    StartOn(kHistory);
    Program().app.DebugPages = kTrue;
    Program().app.SavedPageDir = saved.Path();
    Period(true);
    Pick("1301");
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(Program().download.PageFile1, saved.File("株HTML.htm"));
    EXPECT_EQ(Program().download.PageFile8, saved.File("株HTML8.htm"));
    EXPECT_TRUE(Drawn());
    EXPECT_EQ(F().DataFileName, dir.File("Temp1d.KDT"));
    ExpectIdle("debug");
}

// The page head of a series (codes 10 to 99) comes from the site's quote
// page; its price stays when the history pages are read.
TEST_F(WebDownload, ASeriesTakesItsPriceFromThePageHead) {
    const std::string head =
        "<html>\r\n<body>\r\n<div><span class=\"x\">2024</span><span>151.23</span></div>\r\n</body></html>";
    const std::string base = "/yahoo/quote/USDJPYX/history?styl=stock&from=20230725&to=20240520&timeFrame=d&page=";
    server.Page("/yahoo/quote/USDJPYX", head);
    ServeHistory("USDJPYX", base, {"2024/5/20", "2024/5/17"});
    RecordingForm3& w = StartOn(kHistory, {"%0020=USDJPYX 米ドル"});
    Period(true);
    Pick("0020");
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 9u);
    EXPECT_EQ(requests[0], "/yahoo/quote/USDJPYX");
    EXPECT_EQ(requests[1], base + "1");
    EXPECT_EQ(Program().download.PageHeadFile, dir.File("株HEAD.htm"));
    EXPECT_EQ(test::ReadBytes(dir.File("株HEAD.htm")), head + "\r\n");
    EXPECT_EQ(F().WebPriceText, "151.23");
    EXPECT_TRUE(Drawn());
    EXPECT_EQ(w.Label10->text().toStdString(), "現在値 151.23");
    EXPECT_TRUE(messages->shown.empty());

    // A head that did not come leaves the price empty and the update goes on.
    server.ClearRequests();
    server.Status("/yahoo/quote/USDJPYX", 404);
    Pick("0020");
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(MessageTexts()[0].rfind("700, インターネットのアクセスに失敗しました\r\n", 0), 0u);
    EXPECT_EQ(server.Requests().size(), 9u);
    EXPECT_EQ(F().WebPriceText, "");
    EXPECT_TRUE(Drawn());
    ExpectIdle("head 404");

    // In debug mode the head is the saved first page, and nothing is asked.
    test::TempFolder saved;
    test::WriteBytes(saved.File("株HTML.htm"), head + "\r\n");
    for (int k = 2; k <= 8; ++k) test::WriteBytes(saved.File(PageFileName(k)), HistoryPage({}) + "\r\n");
    Program().app.DebugPages = kTrue;
    Program().app.SavedPageDir = saved.Path();
    server.ClearRequests();
    messages->shown.clear();
    Pick("0020");
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(Program().download.PageHeadFile, saved.File("株HTML.htm"));
    EXPECT_EQ(F().WebPriceText, "151.23");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{k312});
}

TEST_F(WebDownload, TheProgressBarIsFramedAndMarkedPageByPage) {
    ServeHistory("1301.t", kDaily1301, {"2024/5/20"});
    RecordingForm3& w = StartOn(kHistory);
    Period(true);
    Pick("1301");
    using K = RecordedCall::Kind;
    std::vector<K> kinds;
    for (const RecordedCall& call : w.progress.Calls()) kinds.push_back(call.kind);
    const std::vector<K> expected{K::Clear,     K::Scale,     K::Box,       K::FilledBox, K::FilledBox, K::FilledBox,
                                  K::FilledBox, K::Clear,     K::FilledBox, K::FilledBox, K::FilledBox, K::FilledBox};
    ASSERT_EQ(kinds, expected) << w.progress.Log();
    const RecordedCall frame = w.progress.CallsOf(K::Box)[0];
    EXPECT_DOUBLE_EQ(frame.x1, 0);
    EXPECT_DOUBLE_EQ(frame.y1, 10);
    EXPECT_DOUBLE_EQ(frame.x2, 196);
    EXPECT_DOUBLE_EQ(frame.y2, 1);
    const std::vector<RecordedCall> marks = w.progress.CallsOf(K::FilledBox);
    const double ends[] = {50, 100, 150, 200, 50, 100, 150, 200};
    for (int k = 0; k < 8; ++k) {
        EXPECT_DOUBLE_EQ(marks[k].x1, 2) << k;
        EXPECT_DOUBLE_EQ(marks[k].y1, 9) << k;
        EXPECT_DOUBLE_EQ(marks[k].x2, ends[k] - ends[k] / 30) << k;
        EXPECT_DOUBLE_EQ(marks[k].y2, 1.5) << k;
        EXPECT_EQ(marks[k].color, QBColor(13)) << k;
    }
    ExpectIdle("drawn");

    // One page of the other kinds: a single mark to nearly the whole bar.
    w.progress.ClearLog();
    server.Fallback("<html></html>");
    SetAddress("/kabuc/ote/x");
    Pick("1301");
    const std::vector<RecordedCall> single = w.progress.CallsOf(K::FilledBox);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_DOUBLE_EQ(single[0].x2, 200 - 200.0 / 30);
}

// The title shows the transfer's states and steps through the colours only
// while the blink runs.
TEST_F(WebDownload, StatesShowInTheTitleOnlyWhileTheBlinkRuns) {
    RecordingForm3& w = StartOn(kHistory);
    const struct {
        int state;
        const char* text;  // nullptr: the title stays
    } cases[] = {
        {1, "ネット接続確認中"}, {3, "ネット接続中"}, {5, "データ読込み要求中"}, {7, "データ読込み中"},
        {8, "データ読込み完了"}, {11, "データ読込み失敗"}, {10, nullptr},   {4, nullptr},
    };
    w.Label1->setText("題名");
    w.Timer1->stop();
    for (const auto& c : cases) {
        w.Inet1_StateChanged(c.state);
        EXPECT_EQ(Program().collection.InetState, c.state);
        EXPECT_EQ(w.Label1->text().toStdString(), "題名") << c.state;
    }
    EXPECT_TRUE(w.progress.Calls().empty());

    F().StatusColorNo = 14;
    F().ProgressEnd = 50;
    w.Timer1->start();
    int colour = 14;
    for (const auto& c : cases) {
        w.Label1->setText("題名");
        w.Inet1_StateChanged(c.state);
        colour = colour % 15 + 1;
        EXPECT_EQ(w.Label1->text().toStdString(), c.text != nullptr ? c.text : "題名") << c.state;
        EXPECT_EQ(ForeColorOf(w.Label1), QBColor(colour)) << c.state;
        EXPECT_EQ(F().StatusColorNo, colour) << c.state;
    }
    ASSERT_EQ(w.progress.CallsOf(RecordedCall::Kind::FilledBox).size(), 1u);
    EXPECT_DOUBLE_EQ(w.progress.CallsOf(RecordedCall::Kind::FilledBox)[0].x2, 50 - 50.0 / 30);
    w.Timer1->stop();

    // During a download the first state shown takes the colour after 9.
    std::vector<std::pair<std::string, Color>> seen;
    QObject::connect(w.Inet1, &InternetTransfer::StateChanged, &w, [&w, &seen](int) {
        seen.emplace_back(w.Label1->text().toStdString(), ForeColorOf(w.Label1));
    });
    ServeHistory("1301.t", kDaily1301, {"2024/5/20"});
    Period(true);
    Pick("1301");
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().second, QBColor(10));
    bool completed = false;
    for (const auto& s : seen) completed = completed || s.first == "データ読込み完了";
    EXPECT_TRUE(completed);
    ExpectIdle("drawn");
}

TEST_F(WebDownload, AFailingPageTurnsTheTitleRedAndDrawsNothing) {
    server.Page(kDaily1301 + "1", HistoryPage({"2024/5/20"}));
    server.Status("/yahoo/quote/1301.t/history", 404);
    RecordingForm3& w = StartOn(kHistory);
    Period(true);
    Pick("1301");
    EXPECT_EQ(server.Requests(), Pages(kDaily1301, 1, 2));
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(MessageTexts()[0], "308, インターネットのアクセスに失敗しました\r\n"
                                 "ホームページアドレス(URL)又はモデムの電源などを確認して下さい");
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(ForeColorOf(w.Label1), QBColor(12));
    EXPECT_FALSE(Drawn());
    EXPECT_EQ(F().DataFileName, "");
    EXPECT_EQ(F().ShownFileName, "");
    ExpectIdle("308");

    // No answer at all: 309.
    messages->shown.clear();
    form->Combo2->setEditText(QString::fromStdString("127.0.0.1:" + std::to_string(test::ClosedPort()) + kHistory));
    Pick("1301");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"309, インターネット異常。再試行して下さい"});
    EXPECT_FALSE(Drawn());
    ExpectIdle("309");
}

TEST_F(WebDownload, SitesWithoutPagesOrMarkersEndQuietly) {
    const std::string paths[] = {"/nikke/x", "/other/x", "/yahoo/quotes", "/kabuc/x"};
    server.Fallback(HistoryPage({"2024/5/20"}));
    StartOn(kHistory);
    for (const std::string& path : paths) {
        SetAddress(path);
        Pick("1301");
        EXPECT_TRUE(server.Requests().empty()) << path;
        EXPECT_TRUE(messages->shown.empty()) << path;
        EXPECT_FALSE(Drawn()) << path;
        EXPECT_EQ(F().DataFileName, "") << path;
        ExpectIdle(path);
    }
}

TEST_F(WebDownload, AnUpdateWhileOneRunsDoesNothing) {
    server.Fallback(HistoryPage({"2024/5/20"}));
    RecordingForm3& w = StartOn(kHistory);
    Program().collection.WebUpdateBusy = kTrue;
    Pick("1301");
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(F().WebTempFileName, "");
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(w.Draws(), 0);
    EXPECT_TRUE(w.Timer1->isActive()) << "the stock waits, blinking";
    Program().collection.WebUpdateBusy = kFalse;
}

TEST_F(WebDownload, NoAddressShowsTheAddressBarWithTheCaretAtItsEnd) {
    RecordingForm3& w = StartOn(kHistory);
    form->show();
    if (w.Item("mnuTool0", 3).Checked()) w.mnuTool0_Click(3);
    ASSERT_FALSE(w.Item("mnuTool0", 3).Checked());
    form->Combo2->setEditText("");
    Pick("1301");
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"311, データを取り出すネットアドレス (https://....) を指定して下さい。   "});
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_TRUE(w.Item("mnuTool0", 3).Checked());
    EXPECT_TRUE(form->Item("mnuFileItem", 3).Checked());
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(F().DataFileName, dir.File("Temp1w.KDT"));
    EXPECT_EQ(Program().collection.WebUpdateBusy, kFalse);
    EXPECT_TRUE(form->isEnabled());
}

// The history site's margin page stands for its history pages; an
// administrator sees the first request in the address bar, classified.
TEST_F(WebDownload, TheMarginPageAsksForTheHistoryAndAnAdministratorSeesTheRequest) {
    ServeHistory("1301.t", kDaily1301, {"2024/5/20"});
    StartOn("/yahoo/quote/9999.T/margin?p=1");
    Period(true);
    Pick("1301");
    EXPECT_EQ(server.Requests(), Pages(kDaily1301, 1, 8));
    EXPECT_EQ(form->Combo2->currentText().toStdString(), server.Base() + "/yahoo/quote/9999.T/margin?p=1");
    EXPECT_TRUE(Drawn());

    Program().app.AdminMode = kTrue;
    server.ClearRequests();
    Pick("1301");
    const std::string shown = "https://" + server.Host() + kDaily1301 + "1";
    EXPECT_EQ(form->Combo2->currentText().toStdString(), shown);
    EXPECT_EQ(form->CollectUrl, shown);
    EXPECT_EQ(Program().collection.QuoteSiteKind1, kTrue);
    EXPECT_EQ(server.Requests(), Pages(kDaily1301, 1, 8));
    ExpectIdle("admin");
}

// After two stocks in a row the temporary file holds only the second's bars.
TEST_F(WebDownload, TheTemporaryFileHoldsOnlyTheStockFetchedLast) {
    ServeHistory("1301.t", kDaily1301, {"2024/5/20", "2024/5/17", "2024/5/16"});
    const std::string second = "/yahoo/quote/6501.t/history?styl=stock&from=20230725&to=20240520&timeFrame=d&page=";
    ServeHistory("6501.t", second, {"2024/5/20"});
    RecordingForm3& w = StartOn(kHistory);
    Period(true);
    Pick("1301");
    const std::string file = dir.File("Temp1d.KDT");
    // The partial view draws the temporary file.
    EXPECT_EQ(F().ShownFileName, file);
    EXPECT_EQ(F().DataFileName, file);
    EXPECT_FALSE(w.Lines().empty());
    EXPECT_EQ(Program().collection.WebDataFetched, 1);
    {
        RecordFile f(file, QuoteRecord::kLength);
        EXPECT_EQ(QuoteRecord::Decode(f.Read(1)).RecordNo, 4);
    }
    Pick("6501");
    EXPECT_EQ(F().WebTempFileName, "Temp1d.KDT");
    RecordFile f(file, QuoteRecord::kLength);
    EXPECT_EQ(QuoteRecord::Decode(f.Read(1)).RecordNo, 2);
    f.Close();
    ExpectIdle("second");
}

// Pages without a row: the title, the price 100 twips right of the title
// (of the date range when that is shown), then 312; nothing drawn.
TEST_F(WebDownload, PagesWithoutRowsShowTheTitleAndPriceThen312) {
    server.Fallback(HistoryPage({}));
    RecordingForm3& w = StartOn(kHistory);
    for (const bool range : {false, true}) {
        messages->shown.clear();
        w.Item("mnuFuncExItem", 1).SetChecked(range);
        Period(true);
        Pick("1301");
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{k312}) << range;
        EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
        EXPECT_EQ(w.Label1->text().toStdString(), F().StockTitle + "(100株)");
        EXPECT_EQ(ForeColorOf(w.Label1), RGB(0, 120, 255));
        EXPECT_FALSE(w.Label10->isHidden());
        EXPECT_EQ(w.Label10->text().toStdString(), "現在値 1,250(+16)");
        const QLabel* before = range ? w.Label21 : w.Label1;
        // Within a pixel of the place.
        EXPECT_NEAR(LeftOf(w.Label10), LeftOf(before) + WidthOf(before) + 100, 15) << range;
        EXPECT_EQ(F().StatusColorNo, 9);
        EXPECT_FALSE(Drawn());
        EXPECT_EQ(F().DataFileName, "");
        EXPECT_EQ(Program().collection.WebDataFetched, 0);
        ExpectIdle(range ? "312 after the range" : "312");
    }
}

// The fifth kind's suffix and the fourth kind's empty market stay in the
// window until the next selection.
TEST_F(WebDownload, SomeSitesRewriteTheWindowsMarket) {
    server.Fallback("<html></html>");
    StartOn("/inves/p?symbol=");
    const struct {
        std::string path, market, request, after;
    } cases[] = {
        {"/inves/p?symbol=", ".f", "/inves/p?symbol=1301.FU", ".FU"},
        {"/inves/p?symbol=", ".s", "/inves/p?symbol=1301.SP", ".SP"},
        {"/inves/p?symbol=", ".n", "/inves/p?symbol=1301.T", ".T"},
        {"/kabuc/ote/x", ".t", "/kabuc/ote/x?r=3m&h=1y&c=1301", ""},
    };
    for (const auto& c : cases) {
        server.ClearRequests();
        SetAddress(c.path);
        Pick("1301", c.market);
        EXPECT_EQ(server.Requests(), std::vector<std::string>{c.request}) << c.market;
        EXPECT_EQ(F().StockMarket, c.after) << c.market;
    }
}

// Each page request is judged by what it brought, whatever state an earlier
// request of any transfer left.
TEST_F(WebDownload, NetReadJudgesEachRequestByItsOwnOutcome) {
    server.Page("/head", "<html>ok</html>");
    server.Status("/gone", 404);
    server.Cut("/cut", "<html>", 1000);
    RecordingForm3& w = StartOn(kHistory);
    const std::string c700 = "700, インターネットのアクセスに失敗しました\r\nモデムの電源などを確認して下さい";
    const std::string c701 = "701, インターネット異常(タイムアウト)。再試行して下さい";
    const struct {
        std::string address;
        int failed;
        std::string message;  // empty: none
    } cases[] = {
        {server.Base() + "/head", 0, ""},
        {server.Base() + "/gone", 1, c700},
        {server.Base() + "/cut", 1, c701},
        {"127.0.0.1:" + std::to_string(test::ClosedPort()) + "/head", 1, c701},
        {"", 1, c701},
    };
    const std::string file = dir.File("株HEAD.htm");
    for (const auto& c : cases) {
        messages->shown.clear();
        Program().collection.InetState = 8;
        w.NetRead(c.address, file);
        EXPECT_EQ(Program().collection.NetFailed, c.failed) << c.address;
        EXPECT_EQ(MessageTexts(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.address;
        if (!c.message.empty()) {
            EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
        }
        if (c.failed == 0) {
            EXPECT_EQ(test::ReadBytes(file), "<html>ok</html>\r\n");
        }
        EXPECT_TRUE(form->isEnabled()) << c.address;
    }
}

// A temporary file that cannot be made: a plain message, and nothing is
// left locked, shown or disabled.
TEST_F(WebDownload, ATemporaryFileThatCannotBeMadeIsReported) {
    server.Fallback(HistoryPage({"2024/5/20"}));
    StartOn(kHistory);
    std::filesystem::create_directory(dir.File("Temp1w.KDT"));
    std::filesystem::create_directory(dir.File("Temp11w.KDT"));
    Period(false);
    Pick("1301");
    ASSERT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(MessageTexts()[0], "<" + F().WebTempFileName + "> --- 一時ファイルに書き込めません");
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_FALSE(Drawn());
    EXPECT_EQ(F().DataFileName, "");
    // Nothing was fetched: like a missing address, the stock stays pending.
    EXPECT_EQ(Program().collection.WebUpdateBusy, kFalse);
    EXPECT_TRUE(Window(1)->Picture10->isHidden());
    EXPECT_TRUE(form->isEnabled());
}

}  // namespace
}  // namespace ranvik
