#include "collect/quote_page_download.h"

#include <QComboBox>
#include <QRadioButton>

#include "core/quote_record.h"
#include "platform/runtime/record_file.h"
#include "tests/collect/collection_fixture.h"

namespace ranvik {
namespace {

// A chart window's fields as the web update sees them.
struct Window {
    std::string StockCode = "1301", StockCode4 = "1301", ShownCode, QuoteAddress;
    double ChartShown = 1;
    std::string DataFileName, ShownFileName, WebTempFileName, MonthlyFileName, CorrectedSourceName;
    std::string WebPriceText, WebPriceNote;
    std::string StockMarket = ".t";
    int drawn = 0;

    WebUpdateWindow For() {
        return WebUpdateWindow{.WindowNo = 1,
                               .StockCode = StockCode,
                               .StockCode4 = StockCode4,
                               .ShownCode = ShownCode,
                               .QuoteAddress = QuoteAddress,
                               .ChartShown = ChartShown,
                               .DataFileName = DataFileName,
                               .ShownFileName = ShownFileName,
                               .WebTempFileName = WebTempFileName,
                               .MonthlyFileName = MonthlyFileName,
                               .CorrectedSourceName = CorrectedSourceName,
                               .WebPriceText = WebPriceText,
                               .WebPriceNote = WebPriceNote,
                               .ShowPartialView = [this] { ++drawn; },
                               .StockMarket = &StockMarket};
    }
};

const std::string kDaily1301 = "/yahoo/quote/1301.t/history?styl=stock&from=20230725&to=20240520&timeFrame=d&page=";

class QuotePageDownloadTest : public test::CollectionTest {
protected:
    void SetUp() override {
        CollectionTest::SetUp();
        previous = InstallQuotePageFetcher(FetchQuotePages);
    }
    void TearDown() override {
        InstallQuotePageFetcher(previous);
        CollectionTest::TearDown();
    }
    void Update(const std::string& path, bool daily) {
        form->Option1->setChecked(daily);
        form->Option2->setChecked(!daily);
        form->Combo2->setEditText(QString::fromStdString(server.Base() + path));
        form->MSF全Grid2->SetRow(1);
        WebUpdateWindow target = w.For();
        UpdateFromWeb(target);
    }
    void ExpectIdle(const std::string& what) {
        EXPECT_EQ(Program().collection.WebUpdateBusy, kFalse) << what;
        EXPECT_TRUE(form->isEnabled()) << what;
    }

    test::FixedClock clock{Date{2024, 5, 20}, 17, 0, 0};
    Window w;
    QuotePageFetcher previous;
};

TEST_F(QuotePageDownloadTest, DailyHistoryPagesAreFetchedIntoTheTemporaryFileAndDrawn) {
    server.Page(kDaily1301 + "1", test::HistoryPage({"2024/5/20", "2024/5/17"}));
    server.Fallback(test::HistoryPage({}));
    StartAt("/yahoo/quote/9999.T/history?");
    Update("/yahoo/quote/9999.T/history?", true);
    EXPECT_TRUE(messages->shown.empty()) << (messages->shown.empty() ? "" : messages->shown[0].text);
    EXPECT_EQ(server.Requests(), Targets(kDaily1301, 1, 8));
    EXPECT_EQ(Program().download.PageFile1, dir.File("株HTML.htm"));
    EXPECT_EQ(Program().download.PageFile8, dir.File("株HTML8.htm"));
    EXPECT_EQ(w.DataFileName, dir.File("Temp1d.KDT"));
    EXPECT_EQ(w.drawn, 1);
    RecordFile file(w.DataFileName, QuoteRecord::kLength);
    EXPECT_EQ(QuoteRecord::Decode(file.Read(1)).RecordNo, 3);
    file.Close();
    ExpectIdle("fetched");
}

TEST_F(QuotePageDownloadTest, AFailingPageStopsTheRequestsWith308AndDrawsNothing) {
    server.Page(kDaily1301 + "1", test::HistoryPage({"2024/5/20"}));
    server.Status("/yahoo/quote/1301.t/history", 404);
    StartAt("/yahoo/quote/9999.T/history?");
    Update("/yahoo/quote/9999.T/history?", true);
    // Page 2 answers 404: pages 3 to 8 are not asked for.
    EXPECT_EQ(server.Requests(), Targets(kDaily1301, 1, 2));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text.rfind("308, ", 0), 0u);
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(w.drawn, 0);
    EXPECT_TRUE(w.DataFileName.empty());
    EXPECT_EQ(Program().collection.NetFailed, 1);
    ExpectIdle("308");
}

TEST_F(QuotePageDownloadTest, NoAnswerShows309) {
    StartAt("/yahoo/quote/9999.T/history?");
    form->Option1->setChecked(true);
    form->Combo2->setEditText(QString::fromStdString("127.0.0.1:" + std::to_string(test::ClosedPort()) +
                                                     "/yahoo/quote/9999.T/history?"));
    form->MSF全Grid2->SetRow(1);
    WebUpdateWindow target = w.For();
    UpdateFromWeb(target);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "309, インターネット異常。再試行して下さい");
    EXPECT_EQ(w.drawn, 0);
    ExpectIdle("309");
}

TEST_F(QuotePageDownloadTest, KindsWithoutAReaderStoreNothing) {
    server.Fallback(test::HistoryPage({"2024/5/20"}));
    StartAt("/yahoo/quote/9999.T/history?");
    // The fifth kind's page is fetched but read by nobody: a quiet failure.
    Update("/inves/p?symbol=", true);
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"/inves/p?symbol=1301.T"});
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(w.drawn, 0);
    EXPECT_EQ(w.StockMarket, ".T");
    ExpectIdle("kind 5");

    // The fourth kind has no reader: the no-data path, whatever an earlier
    // import reported.
    server.ClearRequests();
    Program().collection.UpdateLog = "日付 始値";
    Update("/kabuc/ote/x", false);
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"/kabuc/ote/x?r=3m&h=1y&c=1301"});
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "312, データ無し。   ");
    EXPECT_EQ(w.drawn, 0);
    EXPECT_EQ(w.StockMarket, "");
    ExpectIdle("kind 4");
}

TEST_F(QuotePageDownloadTest, TheTableDialectAsksForItsPricePageWithTheMainWindowsExchange) {
    server.Fallback("<html><body>no table</body></html>");
    StartAt("/yahoo/quote/9999.T/history?");
    Program().selection.CurrentMarket = ".n";
    Program().selection.CurrentSection = "2";
    // The old page name goes, "dprice" and the one character after it stay,
    // nothing further is kept; weekly data take "y" after "ory/".
    Update("/minka/history/yearly/x?scode=5&p=2", false);
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"/minka/history/yprice/?scode=1301&ba=3"});
    EXPECT_EQ(w.QuoteAddress, server.Host() + "/minka/history/dprice/");
    EXPECT_EQ(w.drawn, 0);
    ExpectIdle("kind 2");
}

TEST_F(QuotePageDownloadTest, AnAddressWithoutItsMarkerRequestsNothing) {
    StartAt("/yahoo/quote/9999.T/history?");
    Update("/yahoo/quotes", true);
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(w.drawn, 0);
    ExpectIdle("no marker");
}

}  // namespace
}  // namespace ranvik
