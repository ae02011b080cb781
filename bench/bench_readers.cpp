// How fast the weekly, margin and table-dialect readers take a page of 300
// rows: each import runs into a file that already holds every row (the
// margin readers: every week's record with the page's balances), so the run
// is the reading and the look-ups, as on a collection run of unchanged data.
// The weekly import should take at most 2 ms.
#include <benchmark/benchmark.h>

#include "collect/margin_history.h"
#include "collect/margin_table.h"
#include "collect/price_table.h"
#include "collect/weekly_history.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/dates.h"
#include "tests/support/test_support.h"

namespace {

using namespace ranvik;

constexpr DateTime kNow{{2024, 5, 10}, 17, 0, 0};
constexpr int kRows = 300;

std::string DateText(const Date& d) {
    return std::to_string(d.year) + "/" + std::to_string(d.month) + "/" + std::to_string(d.day);
}

// Mondays back from the clock's week, newest first.
Date Week(int k) { return AddDays({2024, 5, 6}, -7 * k); }

std::string WeeklyPage() {
    std::string table;
    for (int k = 0; k < kRows; ++k) {
        const std::string price = std::to_string(1 + k % 9) + "," + std::to_string(100 + k % 900);
        table += "<tr><td>" + DateText(Week(k)) + "</td><td>" + price + "</td><td>" + price + "</td><td>" + price +
                 "</td><td>" + price + "</td><td>12,345,600</td><td>" + price + "</td></tr>";
    }
    return "<html>\r\n<table><tr><th>日付</th><th>始値</th><th>高値</th><th>安値</th><th>終値</th><th>出来高</th>"
           "<th>調整後終値</th></tr>" +
           table + "</table>\r\n</html>\r\n";
}

std::string MarginHistoryPage() {
    std::string table;
    for (int k = 0; k < kRows; ++k)
        table += "<tr><td>" + DateText(Week(k)) + "</td><td>1,200</td><td>3,400</td><td>+1</td><td>-2</td></tr>";
    return "<html>\r\n<table><tr><th>日付</th><th>売残</th><th>買残</th><th>売残増減</th><th>買残増減</th></tr>" +
           table + "</table>\r\n</html>\r\n";
}

std::string TablePage(bool margin) {
    std::string rows;
    for (int k = 0; k < kRows; ++k) {
        const Date d = margin ? Week(k) : AddDays(kNow.date, -k);
        rows += "<tr>\r\n<th>" + (margin ? DateText(d) : std::to_string(d.month) + "/" + std::to_string(d.day)) +
                "</th>\r\n<td>1,200</td>\r\n<td>3,400</td>\r\n<td>1,100</td>\r\n<td>1,300</td>\r\n<td>5,000</td>\r\n"
                "</tr>\r\n";
    }
    return "<html>\r\n<p>" + std::string(margin ? "信用倍率" : "終値") +
           "</p>\r\n<table>\r\n<thead>\r\n<tr>\r\n<th>終値</th>\r\n</tr>\r\n</thead>\r\n<tbody>\r\n" + rows +
           "</tbody>\r\n</table>\r\n</html>\r\n";
}

struct Setting {
    test::TempFolder dir;
    std::string data = dir.File("7203w.KDT");
    explicit Setting(const std::string& page) {
        SetClock([] { return kNow; });
        ResetProgramState();
        Program().collection.QuoteSiteKind1 = kTrue;
        Program().download.PageFile1 = dir.File("株HTML.htm");
        test::WriteBytes(Program().download.PageFile1, page);
        CreateDataFile(data);
    }
    ~Setting() { SetClock({}); }
};

void BM_ImportWeeklyPage300RowsAlreadyStored(benchmark::State& state) {
    Setting s(WeeklyPage());
    std::string reference = "2024/05/10 17:00:00";
    ImportWeeklyHistory(s.data, "7203", reference, 0);
    for (auto _ : state) ImportWeeklyHistory(s.data, "7203", reference, 0);
}
BENCHMARK(BM_ImportWeeklyPage300RowsAlreadyStored)->Unit(benchmark::kMicrosecond);

void BM_ImportMarginHistory300Rows(benchmark::State& state) {
    Setting s(WeeklyPage());
    std::string reference = "2024/05/10 17:00:00";
    ImportWeeklyHistory(s.data, "7203", reference, 0);
    test::WriteBytes(Program().download.PageFile1, MarginHistoryPage());
    ImportMarginHistory(s.data, "7203", reference, 0);
    for (auto _ : state) {
        Program().collection.UpdateLog.clear();
        ImportMarginHistory(s.data, "7203", reference, 0);
    }
}
BENCHMARK(BM_ImportMarginHistory300Rows)->Unit(benchmark::kMicrosecond);

void BM_ImportMarginTable300Rows(benchmark::State& state) {
    Setting s(WeeklyPage());
    std::string reference = "2024/05/10 17:00:00";
    ImportWeeklyHistory(s.data, "7203", reference, 0);
    test::WriteBytes(Program().download.PageFile1, TablePage(true));
    ImportMarginTable(s.data, "7203", 0);
    for (auto _ : state) {
        Program().collection.UpdateLog.clear();
        ImportMarginTable(s.data, "7203", 0);
    }
}
BENCHMARK(BM_ImportMarginTable300Rows)->Unit(benchmark::kMicrosecond);

void BM_ImportPriceTable300Rows(benchmark::State& state) {
    Setting s(TablePage(false));
    ImportPriceTable(s.data, "7203", -1, 0);
    for (auto _ : state) ImportPriceTable(s.data, "7203", -1, 0);
}
BENCHMARK(BM_ImportPriceTable300Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
