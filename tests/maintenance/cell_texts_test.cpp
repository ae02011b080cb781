// The record grid's number texts: the short way for the usual values gives
// exactly what the general formatters give, for every kind of value.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "maintenance/stock_file_view.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {
namespace {

void ExpectSameTexts(float value) {
    EXPECT_EQ(PriceText(value), NumberText(value)) << value;
    EXPECT_EQ(AmountText(value), FormatNumber(value, "###0")) << value;
}

TEST(CellTexts, EveryKindOfValueReadsAsTheGeneralFormattersWriteIt) {
    const float inf = std::numeric_limits<float>::infinity();
    const float cases[] = {0.0f, -0.0f, 1, -1, 0.5f, -0.5f, 2.5f, 3.5f, 1512.25f, 1500.5f, 0.0625f, 0.1f, 0.3f,
                           108.25f, 9999999, 10000000, 12345678, 1234567.5f, 999999.94f, 0.0001f, 0.00012207031f,
                           1e-5f, 1e12f, -3.25f, 16777216, 16777218, 1e15f, -1e15f, 3.4e38f, 1.17549435e-38f,
                           200000000, inf, -inf, std::nanf("")};
    for (float value : cases) ExpectSameTexts(value);
}

// Quarters, hundredths and thousandths of prices, volumes and balances, as
// the files hold them, across the ranges they take.
TEST(CellTexts, TheValuesOfStockDataFilesAllMatch) {
    for (int k = -2000; k <= 2000000; k += 37) {
        ExpectSameTexts(static_cast<float>(k) / 4);
        ExpectSameTexts(static_cast<float>(k) / 100);
        ExpectSameTexts(static_cast<float>(k) / 1000);
        ExpectSameTexts(static_cast<float>(k) * 13);
        if (testing::Test::HasFailure()) return;
    }
}

}  // namespace
}  // namespace ranvik
