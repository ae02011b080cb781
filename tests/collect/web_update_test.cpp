#include "collect/web_update.h"

#include <QComboBox>
#include <QFrame>
#include <QRadioButton>

#include <stdexcept>

#include "core/data_store.h"
#include "core/quote_record.h"
#include "platform/runtime/record_file.h"
#include "platform/ui/flex_grid.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

constexpr const char* kAddress = "https://finance.example.com/quote/7203.T/history?p=1";
constexpr const char* k312 = "312, データ無し。   ";

// A chart window's fields as the web update sees them.
struct Window {
    std::string StockCode, StockCode4, ShownCode, QuoteAddress;
    double ChartShown = 1;
    std::string DataFileName, ShownFileName, WebTempFileName, MonthlyFileName, CorrectedSourceName;
    std::string WebPriceText = "old", WebPriceNote = "old";
    int drawn = 0;
    int downloadsEnded = 0;
    int noData = 0;

    WebUpdateWindow For(std::int16_t no) {
        return WebUpdateWindow{.WindowNo = no,
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
                               .DownloadEnded = [this] { ++downloadsEnded; },
                               .ShowNoData = [this] { ++noData; }};
    }
};

// Bars as a page reader would store them.
void StoreBars(const std::string& path, const std::vector<std::string>& dates, float close) {
    RecordFile file(path, QuoteRecord::kLength);
    for (const std::string& date : dates) {
        QuoteRecord bar;
        bar.QuoteDate = date;
        bar.Open = bar.High = bar.Low = bar.Close = close;
        bar.Volume = 1000;
        Program().store.QuoteBufB = bar;
        MergeQuoteRecord(file);
    }
    file.Close();
}

QuoteRecord Record(const std::string& path, int k) {
    RecordFile file(path, QuoteRecord::kLength);
    return QuoteRecord::Decode(file.Read(k));
}

class WebUpdateTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteUrlList({std::string("株価データ=") + kAddress, "%0050=^N225 日経平均"});
        Start();
        form->Combo2->setEditText(kAddress);
        PickListRow(1);
        previous = InstallQuotePageFetcher({});
    }
    void TearDown() override {
        InstallQuotePageFetcher(previous);
        MainWindowTest::TearDown();
    }

    void PickListRow(int row) {
        form->MSF全Grid2->SetRow(row);
        const std::string code = form->MSF全Grid2->TextMatrix(row, 0);
        Program().selection.CurrentCode = code;
        w.StockCode = code;
        w.StockCode4 = code;
    }
    void Update(Window& window, std::int16_t no = 1) {
        WebUpdateWindow target = window.For(no);
        UpdateFromWeb(target);
    }
    void Update() { Update(w); }
    // A fake fetch that stores bars at `close` and records what it was asked.
    void FetchBars(std::vector<std::string> dates, float close) {
        InstallQuotePageFetcher([this, dates, close](const QuoteFetch& request) {
            fetches.push_back(request);
            StoreBars(request.dataFile, dates, close);
            auto& net = Program().collection;
            net.NetFailed = 0;
            net.UpdateLog = "日付 始値 高値 安値 終値 出来高";
            net.PagePriceText = "2,500";
            net.PagePriceNote = "+10";
        });
    }

    Window w;
    std::vector<QuoteFetch> fetches;
    QuotePageFetcher previous;
};

TEST_F(WebUpdateTest, TheStandInFetchesNothingAndEndsWith312) {
    w.MonthlyFileName = "Temp1m.KDT";
    test::WriteBytes(dir.File("Temp1m.KDT"), "x");
    w.CorrectedSourceName = "1301d.KDT";
    Update();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{k312});
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(w.WebTempFileName, "Temp1w.KDT") << "the weekly option is chosen at start";
    EXPECT_TRUE(FileExists(dir.File("Temp1w.KDT")));
    EXPECT_EQ(Record(dir.File("Temp1w.KDT"), 1).RecordNo, 1);
    EXPECT_EQ(w.DataFileName, "");
    EXPECT_EQ(w.ShownFileName, "");
    EXPECT_EQ(w.drawn, 0);
    EXPECT_EQ(w.noData, 1);
    EXPECT_EQ(w.downloadsEnded, 1);
    EXPECT_EQ(w.ChartShown, 0);
    EXPECT_EQ(w.ShownCode, "1301");
    EXPECT_EQ(w.QuoteAddress, "finance.example.com/quote/7203.T/history?p=1");
    EXPECT_FALSE(FileExists(dir.File("Temp1m.KDT")));
    EXPECT_EQ(w.MonthlyFileName, "");
    EXPECT_EQ(w.CorrectedSourceName, "");
    EXPECT_EQ(w.WebPriceText, "");
    const auto& net = Program().collection;
    EXPECT_EQ(net.WebUpdateBusy, 0);
    EXPECT_EQ(net.WebDataFetched, 0);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(WebUpdateTest, FetchedBarsAreStoredInTheTemporaryFileAndDrawn) {
    form->Option1->setChecked(true);
    FetchBars({"01/05/24", "01/04/24"}, 2500);
    Update();
    EXPECT_TRUE(messages->shown.empty());
    ASSERT_EQ(fetches.size(), 1u);
    EXPECT_EQ(fetches[0].address, "finance.example.com/quote/7203.T/history?p=1");
    EXPECT_EQ(fetches[0].stockCode, "1301");
    EXPECT_TRUE(fetches[0].daily);
    EXPECT_EQ(fetches[0].dataFile, dir.File("Temp1d.KDT"));
    EXPECT_EQ(w.DataFileName, dir.File("Temp1d.KDT"));
    EXPECT_EQ(w.drawn, 1);
    EXPECT_EQ(Program().collection.WebDataFetched, 1);
    EXPECT_EQ(Program().collection.WebUpdateBusy, 0);
    EXPECT_EQ(w.WebPriceText, "2,500");
    EXPECT_EQ(w.WebPriceNote, "+10");
    EXPECT_EQ(Record(w.DataFileName, 1).RecordNo, 3);
    EXPECT_EQ(Record(w.DataFileName, 2).QuoteDate, "01/04/24");

    // The next stock in the same period uses the same file, started afresh.
    PickListRow(2);
    FetchBars({"02/01/24"}, 900);
    Update();
    EXPECT_EQ(w.WebTempFileName, "Temp1d.KDT");
    EXPECT_EQ(Record(w.DataFileName, 1).RecordNo, 2);
    EXPECT_EQ(Record(w.DataFileName, 2).Close, 900);
}

TEST_F(WebUpdateTest, TheTemporaryFileIsNamedByWindowAndPeriod) {
    // A name taken in the folder gets the window number twice.
    test::WriteBytes(dir.File("Temp2w.KDT"), "");
    Window two;
    two.StockCode = two.StockCode4 = "1301";
    Update(two, 2);
    EXPECT_EQ(two.WebTempFileName, "Temp22w.KDT");
    EXPECT_TRUE(FileExists(dir.File("Temp22w.KDT")));

    // A change of period drops the old file and forms a new name.
    Update();
    EXPECT_EQ(w.WebTempFileName, "Temp1w.KDT");
    form->Option1->setChecked(true);
    Update();
    EXPECT_EQ(w.WebTempFileName, "Temp1d.KDT");
    EXPECT_FALSE(FileExists(dir.File("Temp1w.KDT")));
    EXPECT_TRUE(FileExists(dir.File("Temp1d.KDT")));
}

TEST_F(WebUpdateTest, NoAddressShows311AndTheAddressBar) {
    form->Combo2->setEditText("");
    FetchBars({"01/05/24"}, 1);
    Update();
    EXPECT_EQ(MessageTexts(),
              std::vector<std::string>{"311, データを取り出すネットアドレス (https://....) を指定して下さい。   "});
    EXPECT_TRUE(fetches.empty());
    EXPECT_FALSE(form->Picture4->isHidden());
    EXPECT_TRUE(form->Item("mnuFileItem", 3).Checked());
    // The file was made ready all the same.
    EXPECT_EQ(w.DataFileName, dir.File("Temp1w.KDT"));
    EXPECT_EQ(w.ChartShown, 1);
}

TEST_F(WebUpdateTest, CodesBelow100GoByTheirParameterLine) {
    FetchBars({"01/05/24"}, 30000);
    form->MSF全Grid2->SetTextMatrix(1, 0, "0050");
    PickListRow(1);
    Update();
    ASSERT_EQ(fetches.size(), 1u);
    EXPECT_EQ(fetches[0].stockCode, "^N225");
    EXPECT_EQ(w.StockCode, "^N225");
    EXPECT_EQ(w.ShownCode, "0050");

    // Without a line for the address: 307 and no download.
    fetches.clear();
    form->MSF全Grid2->SetTextMatrix(1, 0, "0060");
    PickListRow(1);
    Update();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"307, 銘柄コードの定義がありません"});
    EXPECT_TRUE(fetches.empty());
    EXPECT_EQ(w.StockCode, "");
    EXPECT_EQ(Program().collection.WebUpdateBusy, 0);

    // Code 0101 needs no line.
    form->MSF全Grid2->SetTextMatrix(1, 0, "0101");
    PickListRow(1);
    Update();
    ASSERT_EQ(fetches.size(), 1u);
    EXPECT_EQ(fetches[0].stockCode, "0101");
}

TEST_F(WebUpdateTest, ARunningDownloadOrARowWithoutAStockChangesNothing) {
    FetchBars({"01/05/24"}, 1);
    Program().collection.WebUpdateBusy = kTrue;
    Update();
    EXPECT_TRUE(fetches.empty());
    EXPECT_EQ(w.WebTempFileName, "");
    EXPECT_EQ(w.WebPriceText, "old");
    Program().collection.WebUpdateBusy = kFalse;

    form->MSF全Grid2->SetRow(3);  // the closing blank row
    Update();
    EXPECT_TRUE(fetches.empty());
    EXPECT_EQ(w.WebTempFileName, "");
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(WebUpdateTest, AFailedFetchEmptiesTheFileNamesQuietly) {
    InstallQuotePageFetcher([](const QuoteFetch&) {});  // NetFailed stays 1
    Update();
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(w.DataFileName, "");
    EXPECT_EQ(w.ShownFileName, "");
    EXPECT_EQ(w.downloadsEnded, 1);
    EXPECT_EQ(w.drawn, 0);
    EXPECT_EQ(Program().collection.WebUpdateBusy, 0);

    // A fetch that cannot write the file is reported and unlocks all the same.
    InstallQuotePageFetcher([](const QuoteFetch&) { throw FileError("disk full"); });
    form->setEnabled(false);
    Update();
    EXPECT_EQ(MessageTexts().size(), 1u);
    EXPECT_EQ(Program().collection.WebUpdateBusy, 0);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(w.DataFileName, "");
}

TEST_F(WebUpdateTest, AnEmptyPageShowsItsPriceWithANoteInParentheses) {
    InstallQuotePageFetcher([](const QuoteFetch&) {
        auto& net = Program().collection;
        net.NetFailed = 0;
        net.UpdateLog = "更新すべきデータは有りません（更新済み/データ無し)";
        net.PagePriceText = "1,234";
        net.PagePriceNote = "15:00";
    });
    Update();
    EXPECT_EQ(w.WebPriceText, "1,234");
    EXPECT_EQ(w.WebPriceNote, "(15:00)");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{k312});
}

// A reader that fails in a way no step reports: a plain message, and the
// update ends unlocked with the main window taking input.
TEST_F(WebUpdateTest, AFetchThatFailsUnexpectedlyIsReportedAndUnlocks) {
    InstallQuotePageFetcher([](const QuoteFetch&) {
        Program().collection.NetFailed = 0;
        throw std::runtime_error("reader");
    });
    form->setEnabled(false);
    Update();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"株価データを取り込めませんでした。"});
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(Program().collection.WebUpdateBusy, 0);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(w.DataFileName, "");
    EXPECT_EQ(w.ShownFileName, "");
    EXPECT_EQ(w.downloadsEnded, 1);
    EXPECT_EQ(w.drawn, 0);
}

}  // namespace
}  // namespace ranvik
