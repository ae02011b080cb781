// Values no sane file holds (not finite, or far off every other price or
// volume) drawn as each chart kind: every drawer returns, its loops stay
// within what the pane can show, and a bar with a value that is not finite is
// passed over as if the file did not hold it.
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "platform/runtime/dates.h"
#include "tests/chart/kinds/kinds_fixture.h"
#include "tests/support/hang_guard.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The kinds by their check box, with the menu item that picks a variant.
struct KindCase {
    const char* name;
    int box;
};
constexpr KindCase kKinds[] = {{"stock comparison", 2}, {"reverse watch", 3},          {"point and figure", 4},
                               {"year comparison", 10}, {"three-line break", 11},      {"three-line break time-scaled", 12}};

enum class Field { Close, Open, High, Low, Volume, All };

struct ValueCase {
    const char* what;
    Field field;
    float value;
};
constexpr ValueCase kValues[] = {
    {"close +Inf", Field::Close, kInf},        {"close -Inf", Field::Close, -kInf},
    {"close NaN", Field::Close, kNaN},         {"close 1e12", Field::Close, 1e12f},
    {"close 3e38", Field::Close, 3e38f},       {"close -3e38", Field::Close, -3e38f},
    {"close 1e-30", Field::Close, 1e-30f},     {"open +Inf", Field::Open, kInf},
    {"high +Inf", Field::High, kInf},          {"low -Inf", Field::Low, -kInf},
    {"high 3e38", Field::High, 3e38f},         {"volume +Inf", Field::Volume, kInf},
    {"volume NaN", Field::Volume, kNaN},       {"volume 3e38", Field::Volume, 3e38f},
    {"volume -3e38", Field::Volume, -3e38f},   {"every price NaN", Field::All, kNaN},
};

void Set(QuoteRecord& r, Field field, float value) {
    switch (field) {
        case Field::Close: r.Close = value; break;
        case Field::Open: r.Open = value; break;
        case Field::High: r.High = value; break;
        case Field::Low: r.Low = value; break;
        case Field::Volume: r.Volume = value; break;
        case Field::All: r.Open = r.High = r.Low = r.Close = r.Volume = value; break;
    }
}

class BadValues : public test::KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        w.fields.IsDaily = kTrue;
        w.fields.ReversePeriodIsDaily = kTrue;
        w.fields.ReversePeriod = 5;
        w.fields.PeriodUnit = "日";
        w.fields.StockTitle = "(1301)極洋";
        w.mainBoxes[74] = "1";
    }
    // 400 days from the start of 2019, prices near 1,000.
    static DataFileBuilder Bars() { return DataFileBuilder(400, Spacing::Days, {2019, 1, 1}); }
    // Draws the file as the kind of the box from its first record, or from
    // the 50th record before its end when it is longer, as the redraw
    // pipeline hands it over (file number 1 open, the view's fields set).
    void DrawKind(int box, DataFileBuilder b) {
        b.Seal();
        b.Write(dir.File("1301d.KDT"));
        ChartFile file1;
        file1.Open(dir.File("1301d.KDT"));
        ChartWindowState& f = w.fields;
        w.ShowKind(box);
        f.RecordCount = static_cast<std::int16_t>(b.LastRecord());
        f.FirstRecord = static_cast<std::int16_t>(std::max(2, b.LastRecord() - 50));
        f.ViewWidth = 385;
        f.ViewHigh = 0;
        f.FileMaxVolume = b.Header().Volume;
        f.PnfBoxSize = 0;
        f.CompareRestart = kTrue;
        f.CompareTopPct = f.CompareBottomPct = 100;
        f.YearCompareRestart = kTrue;
        // Each draw starts from the same pane state.
        for (RecordingSurface* pane : {&w.price, &w.indicator}) {
            pane->ClearLog();
            pane->SetFontSize(9);
            pane->SetForeColor(QBColor(0));
        }
        w.price.Scale(0, 1, 385, 0);
        switch (box) {
            case 2: DrawStockCompare(w, file1); break;
            case 3: DrawReverseWatch(w, file1); break;
            case 4: DrawPointFigure(w, file1); break;
            case 10: DrawYearCompare(w, file1); break;
            default: DrawThreeLineBreak(w, file1); break;
        }
    }
    // Every call a pane logged, with the count kept small enough for a pane
    // and every number an ordinary one.
    void ExpectBounded(const char* kind, const char* what) {
        for (const RecordingSurface* pane : {&w.price, &w.indicator}) {
            EXPECT_LT(pane->Calls().size(), 60000u) << kind << ", " << what;
            for (const RecordedCall& c : pane->Calls()) {
                if (std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) && std::isfinite(c.y2)) continue;
                ADD_FAILURE() << kind << ", " << what << ": " << Describe(c);
                break;
            }
        }
    }
};

TEST_F(BadValues, EveryKindReturnsWithinWhatThePaneShows) {
    for (const KindCase& k : kKinds) {
        for (const ValueCase& v : kValues) {
            // Near the end, where every kind draws (some start at the view).
            DataFileBuilder b = Bars();
            Set(b[b.LastRecord() - 10], v.field, v.value);
            b.Seal();
            test::HangGuard guard(std::string(k.name) + ", " + v.what);
            DrawKind(k.box, b);
            ExpectBounded(k.name, v.what);
        }
    }
}

// A first close near 0 makes the year's later closes percents beyond any
// number: every kind passes them over, and the year comparison draws its
// other years.
TEST_F(BadValues, AYearsFirstCloseNearZero) {
    for (const KindCase& k : kKinds) {
        DataFileBuilder b = Bars();
        for (int r = 2; r <= b.LastRecord(); ++r) {
            if (b[r].QuoteDate.substr(6, 2) != "20") continue;
            b[r].Close = 1e-37f;
            break;
        }
        b.Seal();
        test::HangGuard guard(std::string(k.name) + ", a year's first close 1e-37");
        DrawKind(k.box, b);
        ExpectBounded(k.name, "a year's first close 1e-37");
    }
}

// The stock comparison's base bar dated in no month ("26/01/20", a damaged
// file): the chart is drawn without its month axis.
TEST_F(BadValues, StockComparisonFromABarDatedInNoMonth) {
    DataFileBuilder b = Bars();
    b[b.LastRecord() - 50].QuoteDate = "26/01/20";
    b.Seal();
    DrawKind(2, b);
    ExpectBounded("stock comparison", "a base bar dated in no month");
    EXPECT_GT(w.price.CallsOf(Kind::Line).size(), 10u);
}

// The charts of a file with a bad bar and of the same file without it.
class BadBar : public BadValues {
protected:
    // Bars a week apart from 2019 (fewer than a view holds, so every kind
    // draws them all), closes that swing by 120 around 1,000, and the
    // volumes of the builder.  With `bad`, one more bar after bar `at`, three
    // days later, whose `field` is `value`.
    static DataFileBuilder Weekly(int bars, int at = 0, Field field = Field::Close, float value = 0) {
        const bool extra = at > 0;
        DataFileBuilder b(bars + (extra ? 1 : 0), Spacing::Weeks, {2019, 1, 7});
        int r = 2;
        for (int i = 0; i < bars; ++i, ++r) {
            const float close = 1000 + 120 * static_cast<float>(std::sin(i * 0.7));
            b[r] = Bar(b[r], close, 1, i);
            if (extra && i + 1 == at) {
                ++r;
                b[r] = Bar(b[r], close, 4, i);
                Set(b[r], field, value);
            }
        }
        return std::move(b.Seal());
    }
    static QuoteRecord Bar(QuoteRecord r, float close, int daysOn, int week) {
        r.QuoteDate = FormatMmDdYy(AddDays(Date{2019, 1, 7}, 7 * week + daysOn - 1));
        r.Open = r.Close = close;
        r.High = close + 5;
        r.Low = close - 5;
        r.Volume = static_cast<float>(10000 + 100 * week);
        return r;
    }
    std::vector<std::string> PriceCalls() {
        std::vector<std::string> out;
        for (const RecordedCall& c : w.price.Calls()) out.push_back(Describe(c));
        return out;
    }
};

// A bar with a close or volume that is not a finite number is passed over:
// point and figure, year comparison, stock comparison and reverse watch draw
// the same picture as for the file without it.
TEST_F(BadBar, ABarThatIsNotFiniteIsPassedOver) {
    const struct {
        const char* what;
        int box;
        Field field;
        float value;
    } cases[] = {
        {"point and figure, close +Inf", 4, Field::Close, kInf},
        {"point and figure, close NaN", 4, Field::Close, kNaN},
        {"year comparison, close +Inf", 10, Field::Close, kInf},
        {"year comparison, close -Inf", 10, Field::Close, -kInf},
        {"stock comparison, close +Inf", 2, Field::Close, kInf},
        {"reverse watch, volume +Inf", 3, Field::Volume, kInf},
        {"reverse watch, volume NaN", 3, Field::Volume, kNaN},
    };
    for (const auto& c : cases) {
        w.fields.ReversePeriod = 3;
        DrawKind(c.box, Weekly(40));
        const std::vector<std::string> without = PriceCalls();
        ASSERT_GT(without.size(), 20u) << c.what;
        test::HangGuard guard(c.what);
        w.fields.ReversePeriod = 3;
        DrawKind(c.box, Weekly(40, 30, c.field, c.value));
        const std::vector<std::string> with = PriceCalls();
        EXPECT_EQ(with.size(), without.size()) << c.what;
        for (std::size_t i = 0; i < std::min(with.size(), without.size()); ++i) {
            if (with[i] == without[i]) continue;
            ADD_FAILURE() << c.what << ": call " << i << " is " << with[i] << ", without the bar " << without[i];
            break;
        }
    }
}

// The time-scaled three-line break's line of closes passes over a close that
// is no number: the bar keeps its day, and the line runs from the close
// before it to the close after, as over a bar that closed where the one
// before did, less that bar's flat step.
TEST_F(BadBar, TheTimeScaledLineOfClosesPassesOverACloseThatIsNoNumber) {
    const float before = 1000 + 120 * static_cast<float>(std::sin(29 * 0.7));
    DrawKind(12, Weekly(40, 30, Field::Close, before));
    const std::vector<RecordedCall> flatCalls = Of(w.price, Kind::Line, RGB(150, 130, 255));
    std::multiset<std::string> flat;
    for (const RecordedCall& c : flatCalls) flat.insert(Describe(c));
    ASSERT_GT(flat.size(), 30u);
    for (const float value : {kNaN, kInf, -kInf}) {
        test::HangGuard guard("three-line break time-scaled, close " + std::to_string(value));
        DrawKind(12, Weekly(40, 30, Field::Close, value));
        std::multiset<std::string> passed;
        for (const RecordedCall& c : Of(w.price, Kind::Line, RGB(150, 130, 255))) {
            EXPECT_TRUE(std::isfinite(c.y1) && std::isfinite(c.y2)) << value << ": " << Describe(c);
            passed.insert(Describe(c));
        }
        std::vector<std::string> onlyFlat;
        std::set_difference(flat.begin(), flat.end(), passed.begin(), passed.end(), std::back_inserter(onlyFlat));
        EXPECT_TRUE(std::includes(flat.begin(), flat.end(), passed.begin(), passed.end())) << value;
        ASSERT_EQ(onlyFlat.size(), 1u) << value;
        const auto step = std::find_if(flatCalls.begin(), flatCalls.end(),
                                       [&](const RecordedCall& c) { return Describe(c) == onlyFlat[0]; });
        ASSERT_NE(step, flatCalls.end());
        EXPECT_EQ(step->y1, before) << value;
        EXPECT_EQ(step->y2, before) << value;
    }
}

// A close of 1e12 among prices near 1,000 as point and figure: the columns
// reach it and come back, drawing at most a few thousand boxes each way.
TEST_F(BadBar, PointAndFigureOfACloseFarAboveTheOthers) {
    test::HangGuard guard("point and figure, close 1e12");
    DrawKind(4, Weekly(40, 30, Field::Close, 1e12f));
    const auto crosses = Of(w.price, Kind::Line, RGB(0, 80, 255));
    const auto rings = Of(w.price, Kind::Circle, QBColor(12));
    EXPECT_LT(crosses.size(), 2u * 3 * 4096);
    EXPECT_LT(rings.size(), 3u * 4096);
    double highest = 0;
    for (const RecordedCall& c : crosses) highest = std::max({highest, c.y1, c.y2});
    EXPECT_GT(highest, 0.99e12);
    EXPECT_LE(highest, 1e12);
}

// A close of 3e38 as the year comparison: a percent far beyond any integer
// scales the chart, with a grid coarse enough for the pane.
TEST_F(BadBar, YearComparisonOfACloseBeyondAnyInteger) {
    test::HangGuard guard("year comparison, close 3e38");
    DrawKind(10, Weekly(40, 30, Field::Close, 3e38f));
    const auto scales = w.price.CallsOf(Kind::Scale);
    ASSERT_GE(scales.size(), 2u);
    EXPECT_GT(scales[1].y1, 1e37);
    std::size_t labels = 0;
    for (const std::string& t : Texts(w.price))
        if (!t.empty() && t.back() == '%') ++labels;
    EXPECT_GE(labels, 2u);
    EXPECT_LE(labels, 1000u);
}

}  // namespace
}  // namespace ranvik
