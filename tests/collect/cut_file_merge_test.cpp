// The price readers merging pages into a stock data file whose header counts
// records the file does not hold (a copy cut short, a write cut off): the
// rows go in after the last whole record, the header counts what the file
// then holds, and no record of zeros is left in between.
#include <gtest/gtest.h>

#include <functional>

#include "collect/daily_history.h"
#include "collect/price_table.h"
#include "collect/weekly_history.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "tests/collect/page_files.h"
#include "tests/collect/stock_file_fixture.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

constexpr std::size_t kLen = QuoteRecord::kLength;

// The history dialect of the daily and weekly readers: one table on a line.
std::string HistoryPage(const std::vector<std::string>& dates) {
    std::string rows;
    for (const std::string& d : dates)
        rows += "<tr><td>" + d + "</td><td>1,234</td><td>1,260</td><td>1,230</td><td>1,250</td><td>12,000</td>"
                "<td>1,250</td></tr>";
    return "<html><head><meta charset=\"utf-8\"></head>\r\n<body>\r\n"
           "<div><span class=\"price\">1,250</span><span class=\"change\">+16</span></div>\r\n"
           "<table><tr><th>日付</th><th>始値</th><th>高値</th><th>安値</th><th>終値</th><th>出来高</th>"
           "<th>調整後終値</th></tr>" +
           rows + "</table>\r\n</body></html>\r\n";
}

// The table dialect: one cell a line.
std::string TablePage(const std::vector<std::string>& dates) {
    std::string rows;
    for (const std::string& d : dates)
        rows += "<tr>\r\n<th>" + d +
                "</th>\r\n<td>1,234</td>\r\n<td>1,260</td>\r\n<td>1,230</td>\r\n<td>1,250</td>\r\n"
                "<td>12,000</td>\r\n</tr>\r\n";
    return "<html>\r\n<body>\r\n<table>\r\n<thead>\r\n<tr>\r\n<th>日付</th>\r\n<th>始値</th>\r\n<th>高値</th>\r\n"
           "<th>安値</th>\r\n<th>終値</th>\r\n<th>出来高</th>\r\n</tr>\r\n</thead>\r\n<tbody>\r\n" +
           rows + "</tbody>\r\n</table>\r\n</body>\r\n</html>\r\n";
}

struct Reader {
    const char* name;
    const char* file;
    Date today;
    std::vector<std::string> stored;  // the bars the file holds whole
    std::string page;
    std::function<void(const std::string& path)> import;
    std::vector<std::string> merged;  // every bar after the merge
};

std::vector<Reader> Readers() {
    return {
        {"daily history",
         "7203d.KDT",
         {2024, 5, 10},
         {"05/01/24", "05/02/24", "05/07/24"},
         HistoryPage({"2024/5/9", "2024/5/8"}),
         [](const std::string& path) { ImportDailyHistory(path, "7203", "2024/05/10 17:00:00", 0); },
         {"05/01/24", "05/02/24", "05/07/24", "05/08/24", "05/09/24"}},
        {"weekly history",
         "7203w.KDT",
         {2024, 5, 10},
         {"04/12/24", "04/19/24", "04/26/24"},
         HistoryPage({"2024/5/6", "2024/4/30"}),
         [](const std::string& path) {
             std::string reference = "2024/05/10 17:00:00";
             ImportWeeklyHistory(path, "7203", reference, 0);
         },
         {"04/12/24", "04/19/24", "04/26/24", "05/03/24", "05/10/24"}},
        {"price table",
         "7203d.KDT",
         {2019, 11, 20},
         {"11/13/19", "11/14/19", "11/15/19"},
         TablePage({"11/20", "11/19"}),
         [](const std::string& path) { ImportPriceTable(path, "7203", -1, 0); },
         {"11/13/19", "11/14/19", "11/15/19", "11/19/19", "11/20/19"}},
    };
}

// Three whole bars, then what the cut left of a fourth; the header counts
// the fourth and four more.
std::string CutFile(const std::vector<std::string>& dates, std::size_t leftOfFourth) {
    std::vector<QuoteRecord> bars;
    for (const std::string& d : dates) bars.push_back(test::WeekBar(d));
    std::string bytes = test::DataFileOf(bars);
    QuoteRecord header = QuoteRecord::Decode(std::string_view(bytes).substr(0, kLen));
    header.RecordNo = 9;
    bytes.replace(0, kLen, header.Encode());
    return bytes + test::WeekBar("12/31/29").Encode().substr(0, leftOfFourth);
}

TEST(CutFileMerge, TheReadersAppendAfterTheLastWholeRecord) {
    const struct {
        const char* what;
        std::size_t leftOfFourth;
    } cuts[] = {{"cut at a record's end", 0}, {"cut inside a record", 20}};
    for (const Reader& reader : Readers()) {
        for (const auto& cut : cuts) {
            SCOPED_TRACE(std::string(reader.name) + ", " + cut.what);
            ResetProgramState();
            test::FixedClock clock(reader.today, 17, 0);
            test::TempFolder dir;
            const std::string path = dir.File(reader.file);
            test::WriteBytes(path, CutFile(reader.stored, cut.leftOfFourth));
            test::SetPages(dir, {reader.page});

            reader.import(path);

            const std::string bytes = test::ReadBytes(path);
            const QuoteRecord header = test::ReadRecord(path, 1);
            const int n = static_cast<int>(reader.merged.size()) + 1;
            EXPECT_EQ(header.RecordNo, n);
            EXPECT_EQ(bytes.size(), static_cast<std::size_t>(n) * kLen) << "nothing behind the last bar";
            std::vector<std::string> dates;
            for (int k = 2; k <= n; ++k) {
                const QuoteRecord bar = test::ReadRecord(path, k);
                dates.push_back(bar.QuoteDate);
                EXPECT_NE(bar.Close, 0) << "record " << k;
            }
            EXPECT_EQ(dates, reader.merged);
            // The bars held before are still there, untouched.
            for (std::size_t i = 0; i < reader.stored.size(); ++i)
                EXPECT_EQ(test::ReadRecord(path, static_cast<int>(i) + 2), test::WeekBar(reader.stored[i]));
            EXPECT_EQ(header.High, 1260);
            EXPECT_EQ(header.Volume, 12000);
        }
    }
}

}  // namespace
}  // namespace ranvik
