// ReadStockFile over files longer than the blocks it reads them in: every row
// in either order, with and without the header row, and the extremes marked.
#include "maintenance/stock_file_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime/dates.h"
#include "tests/maintenance/quote_files.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

using test::Bar;
using test::FileOf;

// Bar i: a date of its own, prices with a decimal, a volume that is whole.
QuoteRecord BarOf(int i) {
    return Bar(FormatMmDdYy(AddDays(Date{1970, 1, 1}, i)), 100.5f + static_cast<float>(i % 17), 101,
               150 + static_cast<float>(i % 29), 90, static_cast<float>(1000 + i), static_cast<float>(i % 7), 5);
}

TEST(StockFileView, EveryRowOfALongFileInEitherOrder) {
    // Lengths around the block of records read at once, and well past it.
    struct Case {
        int bars;
        bool newestFirst;
        bool admin;
    };
    const Case cases[] = {
        {1023, false, false}, {1024, true, false}, {1025, false, true},
        {2500, false, false}, {2500, true, false}, {2500, false, true}, {2500, true, true},
    };
    test::TempFolder dir;
    for (const Case& k : cases) {
        SCOPED_TRACE(std::to_string(k.bars) + (k.newestFirst ? " newest first" : " oldest first") +
                     (k.admin ? " admin" : ""));
        std::vector<QuoteRecord> bars;
        for (int i = 0; i < k.bars; ++i) bars.push_back(BarOf(i));
        const std::vector<QuoteRecord> file = FileOf(bars);
        const std::string path = dir.File("1301d.KDT");
        test::WriteBytes(path, test::BytesOf(file));

        const StockFileView view = ReadStockFile(path, k.newestFirst, k.admin);
        ASSERT_EQ(view.status, LoadStatus::Loaded);
        const int n = k.bars + 1;
        ASSERT_EQ(view.rows.size(), static_cast<std::size_t>(k.admin ? n : n - 1));
        for (std::size_t row = 0; row < view.rows.size(); ++row) {
            const RowLayout& layout = view.layout;
            const int record = RecordOfRow(layout, static_cast<int>(row) + 1);
            const QuoteRecord& r = file[static_cast<std::size_t>(record - 1)];
            std::vector<std::string> want = {std::to_string(row + 1),
                                             record == 1 ? "00/00/00" : r.QuoteDate,
                                             PriceText(r.Open),
                                             PriceText(r.Close),
                                             PriceText(r.High),
                                             PriceText(r.Low),
                                             AmountText(r.Volume),
                                             AmountText(r.SellBalance),
                                             AmountText(r.BuyBalance),
                                             k.admin ? std::to_string(r.RecordNo) : "",
                                             "",
                                             "",
                                             "",
                                             k.admin ? r.CorrectionMultiplier : ""};
            std::vector<std::string> got;
            for (int col = 0; col < kRecordGridCols; ++col) got.emplace_back(view.Cell(row, col));
            ASSERT_EQ(got, want) << "row " << row + 1;
            std::bitset<kRecordGridCols> marked;
            marked[4] = r.High == view.high;
            marked[5] = r.Low == view.low;
            marked[6] = r.Volume == view.volume;
            marked[7] = r.SellBalance == view.sellBalance;
            marked[8] = r.BuyBalance == view.buyBalance;
            ASSERT_EQ(view.rows[row].marked, marked) << "row " << row + 1;
        }
    }
}

}  // namespace
}  // namespace ranvik
