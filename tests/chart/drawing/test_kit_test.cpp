// The drawing tests' own kit: the data file builder and the chaining of
// segments into lines.
#include <gtest/gtest.h>

#include "tests/chart/drawing/data_file_builder.h"
#include "tests/chart/drawing/polylines.h"

namespace ranvik {
namespace {

TEST(DataFileBuilder, BarsOnWeekdaysAndTheHeaderTheStoreKeeps) {
    test::DataFileBuilder file(6);
    EXPECT_EQ(file[2].QuoteDate, "01/06/20");  // a Monday
    EXPECT_EQ(file[6].QuoteDate, "01/10/20");
    EXPECT_EQ(file[7].QuoteDate, "01/13/20");  // over the weekend
    file[4].High = 5000;
    file[5].BuyBalance = 77;
    file.Seal();
    EXPECT_EQ(file.Header().RecordNo, 7);
    EXPECT_EQ(file.Header().High, 5000);
    EXPECT_EQ(file.Header().BuyBalance, 77);
    EXPECT_EQ(file.Header().Low, test::DataFileBuilder::Price(2) - 10);
    EXPECT_EQ(file.Bytes().size(), 7 * QuoteRecord::kLength);
    EXPECT_EQ(test::DataFileBuilder(3, test::Spacing::Weeks)[3].QuoteDate, "01/13/20");
}

TEST(ChainSegments, SegmentsOfOneColourThatMeetMakeOneLine) {
    RecordingSurface s;
    const Color blue = RGB(0, 0, 255), red = RGB(255, 0, 0);
    s.Line(0, 10, 7, 12, blue);
    s.Line(0, 5, 7, 5, red);  // another colour between them
    s.Line(7, 12, 14, 11, blue);
    s.Line(21, 11, 28, 10, blue);  // a gap: a new line
    s.Line(0, 0, 5, 5, blue, LineKind::Box);  // not a line
    const auto lines = test::ChainSegments(s.Calls(), blue);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (test::Polyline{{0, 10}, {7, 12}, {14, 11}}));
    EXPECT_EQ(lines[1], (test::Polyline{{21, 11}, {28, 10}}));
}

}  // namespace
}  // namespace ranvik
