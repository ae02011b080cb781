// How fast the collection reads its pages and knows its calendar: a daily
// history page of 300 rows read into rows (at most 0.3 ms; beside it the
// page file's bytes read alone), the same page imported into a
// file that already holds every row (all merges find their row unchanged),
// and the calendar routines over a decade and over a century, whose cost per
// call must not grow with the span.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "collect/daily_history.h"
#include "collect/exchange_calendar.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/dates.h"
#include "tests/support/test_support.h"

namespace {

using namespace ranvik;

constexpr DateTime kNow{{2024, 5, 10}, 17, 0, 0};

// 300 trading days back from the clock's day, newest first, on one line.
std::string DailyPage(int rows) {
    std::string table;
    Date d = kNow.date;
    for (int k = 0; k < rows; ++k) {
        const std::string price = std::to_string(1 + k % 9) + "," + std::to_string(100 + k % 900);
        table += "<tr><td>" + std::to_string(d.year) + "年" + std::to_string(d.month) + "月" + std::to_string(d.day) +
                 "日</td><td>" + price + "</td><td>" + price + "</td><td>" + price + "</td><td>" + price +
                 "</td><td>12,345,600</td><td>" + price + "</td></tr>";
        d = LastBusinessDate(AddDays(d, -1), "7203");
    }
    return "<html><head><meta charset=\"utf-8\"></head>\r\n<body>\r\n"
           "<div><span class=\"price\">1,234</span><span>+12</span></div>\r\n"
           "<table><tr><th>日付</th><th>始値</th><th>高値</th><th>安値</th><th>終値</th><th>出来高</th>"
           "<th>調整後終値</th></tr>" +
           table + "</table>\r\n</body></html>\r\n";
}

// The page file read and its rows taken one by one, as the daily and weekly
// importers take them.
void BM_ReadDailyPage300Rows(benchmark::State& state) {
    test::TempFolder dir;
    const std::string page = dir.File("株HTML.htm");
    test::WriteBytes(page, DailyPage(300));
    for (auto _ : state) {
        const auto text = PageText::Load(page);
        int rows = 0;
        ForEachDailyRow(*text, true, [&rows](const DailyPageRow& row) {
            benchmark::DoNotOptimize(row.close.data());
            ++rows;
            return true;
        });
        if (rows != 300) state.SkipWithError("the page did not give its 300 rows");
    }
}
BENCHMARK(BM_ReadDailyPage300Rows)->Unit(benchmark::kMicrosecond);

// The yardstick beside it: the same file's bytes read and nothing more.
void BM_ReadPageBytesOnly(benchmark::State& state) {
    test::TempFolder dir;
    const std::string page = dir.File("株HTML.htm");
    test::WriteBytes(page, DailyPage(300));
    for (auto _ : state) {
        std::string bytes(64 * 1024, '\0');
        std::FILE* file = std::fopen(page.c_str(), "rb");
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
        std::fclose(file);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_ReadPageBytesOnly)->Unit(benchmark::kMicrosecond);

void BM_ImportDailyPage300RowsAlreadyStored(benchmark::State& state) {
    SetClock([] { return kNow; });
    test::TempFolder dir;
    const std::string data = dir.File("7203d.KDT");
    Program().download.PageFile1 = dir.File("株HTML.htm");
    test::WriteBytes(Program().download.PageFile1, DailyPage(300));
    CreateDataFile(data);
    ImportDailyHistory(data, "7203", "2024/05/10 17:00:00", 0);
    for (auto _ : state) ImportDailyHistory(data, "7203", "2024/05/10 17:00:00", 0);
    SetClock({});
}
BENCHMARK(BM_ImportDailyPage300RowsAlreadyStored)->Unit(benchmark::kMicrosecond);

// Every day of the span from 1951 on; the time per call is the measure.
void BM_LastBusinessDaySweep(benchmark::State& state) {
    const Date first{1951, 1, 1};
    const Date last{1951 + static_cast<int>(state.range(0)) - 1, 12, 31};
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (Date d = first; !(last == d); d = AddDays(d, 1)) {
            LastBusinessDay(d.day, d.month, d.year, "7203");
            ++calls;
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_LastBusinessDaySweep)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_HolidayTestsSweep(benchmark::State& state) {
    const Date first{1951, 1, 1};
    const Date last{1951 + static_cast<int>(state.range(0)) - 1, 12, 31};
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (Date d = first; !(last == d); d = AddDays(d, 1)) {
            IsMondayHoliday(d.day, d.month, d.year, 3);
            IsFixedHoliday(d.day, d.month, d.year, 4);
            calls += 2;
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_HolidayTestsSweep)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The same cost for 30 days back as for 30,000.
void BM_DateMinusDays(benchmark::State& state) {
    const int days = static_cast<int>(state.range(0));
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (Date d{1951, 1, 1}; d.year <= 2050; d = AddDays(d, 1)) {
            DateMinusDays(days, FormatMmDdYy(d));
            ++calls;
        }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_DateMinusDays)->Arg(30)->Arg(1400)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
