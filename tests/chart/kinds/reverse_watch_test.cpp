// The reverse watch chart: where the period comes from, the averages of a
// small window, zero volumes, the data-cut view, the scale and the messages.
#include "chart/kinds/reverse_watch.h"

#include <QLabel>
#include <deque>

#include "chart/drawing/visible_range.h"
#include "tests/chart/kinds/kinds_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

class ReverseWatch : public test::KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        w.ShowKind(3);
        w.fields.IsDaily = kTrue;
        w.fields.ReversePeriodIsDaily = kTrue;
        w.fields.ReversePeriod = 3;
        w.fields.PeriodUnit = "日";
        w.fields.ViewWidth = 70;
    }
    // Closes 100 + r and volumes 1000 r, changed as the test says.
    static DataFileBuilder Bars(int bars) {
        DataFileBuilder b(bars, Spacing::Weekdays, {2021, 3, 1});
        for (int r = 2; r <= b.LastRecord(); ++r) {
            b[r].Close = static_cast<float>(100 + r);
            b[r].Volume = static_cast<float>(1000 * r);
        }
        return std::move(b.Seal());
    }
    void Draw(DataFileBuilder& b, int first = 2) {
        b.Seal();
        b.Write(dir.File("1301d.KDT"));
        ChartFile file1;
        file1.Open(dir.File("1301d.KDT"));
        w.fields.RecordCount = static_cast<std::int16_t>(b.LastRecord());
        w.fields.FirstRecord = static_cast<std::int16_t>(first);
        w.fields.FileMaxVolume = b.Header().Volume;
        DrawReverseWatch(w, file1);
    }
    // The curve's points as its segments join them.
    std::vector<std::pair<double, double>> Curve() {
        std::vector<std::pair<double, double>> out;
        for (const RecordedCall& c : Of(w.price, Kind::Line, RGB(50, 130, 180))) {
            if (out.empty() || out.back() != std::pair<double, double>{c.x1, c.y1}) out.push_back({c.x1, c.y1});
            out.push_back({c.x2, c.y2});
        }
        return out;
    }
    // Averages over the window as the chart sums them: in single precision,
    // oldest first, divided by the period.
    static std::pair<double, double> Average(const std::vector<std::pair<float, float>>& window, int period) {
        float v = 0, c = 0;
        for (const auto& [volume, close] : window) {
            v += volume;
            c += close;
        }
        return {v / static_cast<float>(period), c / static_cast<float>(period)};
    }
};

TEST_F(ReverseWatch, AveragesOfASmallWindowMakeTheCurve) {
    DataFileBuilder b = Bars(10);
    Draw(b);
    std::vector<std::pair<double, double>> expected;
    for (int r = 4; r <= 11; ++r) expected.push_back({1000.0 * (r - 1), 99.0 + r});
    EXPECT_EQ(Curve(), expected);
    const auto scales = w.price.CallsOf(Kind::Scale);
    ASSERT_EQ(scales.size(), 1u);
    EXPECT_EQ(scales[0].x1, 2000);  // 3000 x 0.9 cut down to thousands
    EXPECT_NEAR(scales[0].x2, 11000, 1e-6);
    EXPECT_NEAR(scales[0].y1, 1.1 * 110, 1e-6);
    EXPECT_NEAR(scales[0].y2, 0.9 * 103, 1e-6);
    const auto texts = w.price.CallsOf(Kind::Text);
    const auto mark = [&](const char* text) {
        for (const RecordedCall& t : texts)
            if (t.text == text) return t;
        return RecordedCall{};
    };
    const double u = 100 * (1.1 * 110 - 0.9 * 103) / w.price.Height();
    EXPECT_NEAR(mark("b").x1, 3000 - 9000.0 / 200, 1e-6);
    EXPECT_NEAR(mark("b").y1, 103 + u, 1e-6);
    EXPECT_FALSE(mark("b").state.FontBold);
    EXPECT_NEAR(mark("e").x1, 10000 - 9000.0 / 200, 1e-6);
    EXPECT_TRUE(mark("e").state.FontBold);
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), "  　期間：2021/03/01 ～ 2021/03/12");
    EXPECT_EQ(w.windowCaption, "日ﾃﾞｰﾀ + 逆ウォッチ");
    EXPECT_EQ(w.fields.ReversePeriodIsDaily, kTrue);
    // The grid step, four times finer when the span is not above two steps.
    ChartWindowState scale = w.fields;
    scale.PriceTop = 1.1 * 110;
    scale.PriceBottom = 0.9 * 103;
    ChoosePriceGridStep(scale);
    const float step = (1.1 * 110 - 0.9 * 103) / 2 > scale.PriceGridStep ? scale.PriceGridStep : scale.PriceGridStep / 4;
    EXPECT_EQ(w.fields.PriceGridStep, step);
    for (const char* message : {"出来高なし", "出来高データが少ない"}) EXPECT_EQ(mark(message).text, "");
}

// Leading records without volume move the range's start; inside the warm-up
// they are skipped, in the main pass they count with 0.
TEST_F(ReverseWatch, ZeroVolumesAtTheStartAndInside) {
    DataFileBuilder b = Bars(10);
    for (int r : {2, 3, 5, 8}) b[r].Volume = 0;
    Draw(b);
    auto at = [&](int r) { return std::pair<float, float>{b[r].Volume, b[r].Close}; };
    const std::vector<std::pair<double, double>> expected = {
        Average({at(4), at(6), at(7)}, 3), Average({at(6), at(7), at(8)}, 3), Average({at(7), at(8), at(9)}, 3),
        Average({at(8), at(9), at(10)}, 3), Average({at(9), at(10), at(11)}, 3)};
    EXPECT_EQ(Curve(), expected);
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), "  　期間：2021/03/03 ～ 2021/03/12");
}

TEST_F(ReverseWatch, WhereThePeriodComesFrom) {
    const struct {
        const char* what;
        std::int16_t daily;
        std::int16_t period;
        std::int16_t periodIsDaily;
        const char* panel;
        int expected;
        const char* panelAfter;
    } cases[] = {
        {"the window's period", kTrue, 5, kTrue, "9", 5, "9"},
        {"another kind of data", kTrue, 5, 0, "4", 4, "4"},
        {"no period yet", kTrue, 0, kTrue, "4", 4, "4"},
        {"a period below 1 counts as unset", kTrue, -2, kTrue, "6", 6, "6"},
        {"halves to the even number", kTrue, 0, kTrue, "2.5", 2, "2.5"},
        {"and up", kTrue, 0, kTrue, "3.5", 4, "3.5"},
        {"0 on the panel", kTrue, 0, kTrue, "0", 25, "25"},
        {"not a number", kTrue, 0, kTrue, "abc", 25, "25"},
        {"weekly default", 0, 0, 0, "-3", 13, "13"},
    };
    for (const auto& c : cases) {
        w.fields.IsDaily = c.daily;
        w.fields.ReversePeriod = c.period;
        w.fields.ReversePeriodIsDaily = c.periodIsDaily;
        const int box = c.daily == kTrue ? 52 : 53;
        w.mainBoxes.clear();
        w.mainBoxes[box] = c.panel;
        DataFileBuilder b = Bars(40);
        Draw(b);
        EXPECT_EQ(w.fields.ReversePeriod, c.expected) << c.what;
        EXPECT_EQ(w.mainBoxes[17], std::to_string(c.expected)) << c.what;
        EXPECT_EQ(w.mainBoxes[box], c.panelAfter) << c.what;
        EXPECT_EQ(w.fields.ReversePeriodIsDaily, c.daily) << c.what;
    }
    // Another window than the active one leaves the quick bar alone.
    Program().windows.ActiveWindowNo = 2;
    w.mainBoxes.clear();
    w.windowCaption.clear();
    DataFileBuilder b = Bars(40);
    Draw(b);
    EXPECT_EQ(w.mainBoxes.count(17), 0u);
    EXPECT_TRUE(w.windowCaption.empty());
}

TEST_F(ReverseWatch, LeftEdgeCutDownByTheLowestAverage) {
    const struct {
        float volume;
        double left;
    } cases[] = {{9, 0}, {50, 40}, {1234, 1000}, {250, 200}};
    for (const auto& c : cases) {
        DataFileBuilder b = Bars(10);
        for (int r = 2; r <= b.LastRecord(); ++r) b[r].Volume = c.volume;
        w.price.ClearLog();
        Draw(b);
        const auto scales = w.price.CallsOf(Kind::Scale);
        ASSERT_EQ(scales.size(), 1u) << c.volume;
        EXPECT_NEAR(scales[0].x1, c.left, 1e-9) << c.volume;
    }
}

// In the data-cut view the range starts at the first shown record of the
// view, which carries the offset to the newest 4681 records.
TEST_F(ReverseWatch, TheDataCutViewDrawsTheRangeItShows) {
    w.SetItem("mnuGamen比", 5, true);
    w.fields.ViewWidth = 385;
    DataFileBuilder b(4700, Spacing::Weekdays, {2001, 1, 1});
    Show(b);
    const int first = w.fields.FirstRecord;
    ASSERT_GT(first, w.ScrollBar().value() / 7);
    EXPECT_EQ(w.LabelNo(20).text().toStdString(),
              "  　期間：20" + b[first].QuoteDate.substr(6, 2) + "/" + b[first].QuoteDate.substr(0, 5) + " ～ 20" +
                  b[4701].QuoteDate.substr(6, 2) + "/" + b[4701].QuoteDate.substr(0, 5));
}

TEST_F(ReverseWatch, MessagesAndTheGuard) {
    // No volume in the file.
    DataFileBuilder none = Bars(10);
    for (int r = 2; r <= none.LastRecord(); ++r) none[r].Volume = 0;
    Draw(none);
    EXPECT_EQ(Texts(w.price).back(), "出来高なし");
    EXPECT_TRUE(Curve().empty());

    // Too few records for the period.
    w.price.ClearLog();
    w.fields.ReversePeriod = 25;
    DataFileBuilder few = Bars(10);
    Draw(few);
    EXPECT_EQ(Texts(w.price).back(), "出来高データが少ない");
    EXPECT_TRUE(Curve().empty());

    // One bar: the pane keeps what it showed.
    w.price.ClearLog();
    DataFileBuilder one = Bars(1);
    Draw(one);
    EXPECT_TRUE(w.price.Calls().empty());
}

}  // namespace
}  // namespace ranvik
