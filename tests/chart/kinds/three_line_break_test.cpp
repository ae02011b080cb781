// The three-line break chart: the worked examples in both variants, the
// stretch of the latest line, the 2 % margin, volume boxes, the close
// polyline, the date axis and the guard.
#include "chart/kinds/three_line_break.h"

#include <QLabel>
#include <QScrollBar>

#include "tests/chart/kinds/kinds_fixture.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;
using test::DataFileBuilder;
using test::Spacing;

struct Box {
    double x1, y1, x2, y2;
    bool white;
    friend bool operator==(const Box&, const Box&) = default;
    friend std::ostream& operator<<(std::ostream& s, const Box& b) {
        return s << (b.white ? "white " : "black ") << '(' << b.x1 << ',' << b.y1 << ")-(" << b.x2 << ',' << b.y2
                 << ')';
    }
};

class ThreeLineBreak : public test::KindsTest {
protected:
    void SetUp() override {
        KindsTest::SetUp();
        w.fields.IsDaily = kTrue;
        w.fields.PeriodUnit = "日";
        w.fields.ViewWidth = 385;
    }
    void Variant(int box) { w.ShowKind(box); }
    // The first bar opens at `open`; every bar closes as given.
    static DataFileBuilder Closes(float open, const std::vector<float>& closes, Spacing spacing = Spacing::Days,
                                  Date start = {2023, 1, 5}) {
        DataFileBuilder b(static_cast<int>(closes.size()), spacing, start);
        for (std::size_t i = 0; i < closes.size(); ++i) {
            QuoteRecord& r = b[static_cast<int>(i) + 2];
            r.Open = i == 0 ? open : closes[i];
            r.Close = closes[i];
            r.High = std::max(r.Open, r.Close) + 1;
            r.Low = std::min(r.Open, r.Close) - 1;
            r.Volume = 1000;
        }
        return std::move(b.Seal());
    }
    void Draw(DataFileBuilder& b) {
        b.Seal();
        b.Write(dir.File("1301d.KDT"));
        ChartFile file1;
        file1.Open(dir.File("1301d.KDT"));
        w.fields.RecordCount = static_cast<std::int16_t>(b.LastRecord());
        w.fields.FirstRecord = 2;
        w.fields.ViewHigh = 0;
        w.fields.FileMaxVolume = b.Header().Volume;
        DrawThreeLineBreak(w, file1);
    }
    // The boxes of the last pass, in the order drawn.
    std::vector<Box> Boxes() {
        std::vector<Box> out;
        const auto& calls = w.price.Calls();
        std::size_t from = 0;
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i].kind == Kind::Clear) from = i;
        for (std::size_t i = from; i < calls.size(); ++i) {
            const RecordedCall& c = calls[i];
            if (c.kind != Kind::FilledBox) continue;
            if (c.color == QBColor(15)) {
                // A white box is outlined right after it is filled.
                EXPECT_TRUE(i + 1 < calls.size() && calls[i + 1].kind == Kind::Box &&
                            calls[i + 1].color == RGB(255, 100, 250));
                out.push_back({c.x1, c.y1, c.x2, c.y2, true});
            } else if (c.color == RGB(0, 100, 250)) {
                out.push_back({c.x1, c.y1, c.x2, c.y2, false});
            }
        }
        return out;
    }
    std::vector<RecordedCall> Scales() { return w.price.CallsOf(Kind::Scale); }
};

TEST_F(ThreeLineBreak, WorkedExamplesInTheColumnVariant) {
    const struct {
        const char* what;
        float open;
        std::vector<float> closes;
        std::vector<Box> boxes;
    } cases[] = {
        {"continuations, then a break of the line three back", 100, {110, 120, 130, 140, 115, 105},
         {{0, 100, 6, 110, true}, {7, 110, 13, 120, true}, {14, 120, 20, 130, true}, {21, 130, 27, 140, true},
          {28, 130, 34, 105, false}}},
        {"reversal tests that are not mirror images", 100, {110, 90, 120, 95},
         {{0, 100, 6, 110, true}, {7, 100, 13, 90, false}, {14, 100, 20, 120, true}}},
        {"a start from a reversed copy of the first line", 103, {102, 106, 101, 108},
         {{0, 103, 6, 102, false}, {7, 103, 13, 106, true}, {14, 103, 20, 101, false}, {21, 102, 27, 108, true}}},
        {"an open equal to the close", 100, {100, 100, 101},
         {{0, 100, 6, 100, true}, {7, 100, 13, 101, true}}},
    };
    Variant(11);
    for (const auto& c : cases) {
        DataFileBuilder b = Closes(c.open, c.closes);
        w.price.ClearLog();
        Draw(b);
        EXPECT_EQ(Boxes(), c.boxes) << c.what;
        EXPECT_EQ(w.price.CallsOf(Kind::Clear).size(), 2u) << c.what;
    }
    EXPECT_EQ(w.windowCaption, "日ﾃﾞｰﾀ + 新値三本足ﾁｬｰﾄ");
    EXPECT_EQ(w.ScrollBar().singleStep(), 7);
}

// Each new line stands in the slot of its bar; the latest line stretches to
// the right edge of the slot of every bar that adds none.
TEST_F(ThreeLineBreak, WorkedExamplesInTheTimeScaledVariant) {
    const struct {
        const char* what;
        float open;
        std::vector<float> closes;
        std::vector<Box> boxes;
    } cases[] = {
        {"continuations, a stretch, a break", 100, {110, 120, 130, 140, 115, 105},
         {{0, 100, 6, 110, true}, {1, 100, 7, 110, true}, {7, 110, 14, 120, true}, {14, 120, 21, 130, true},
          {21, 130, 28, 140, true}, {21, 130, 35, 140, true}, {35, 130, 42, 105, false}}},
        {"a stretch of a black line after reversals", 100, {110, 90, 120, 95, 120},
         {{0, 100, 6, 110, true}, {1, 100, 7, 110, true}, {7, 100, 14, 90, false}, {14, 100, 21, 120, true},
          {14, 100, 28, 120, true}, {14, 100, 35, 120, true}}},
    };
    Variant(12);
    for (const auto& c : cases) {
        DataFileBuilder b = Closes(c.open, c.closes);
        w.price.ClearLog();
        Draw(b);
        EXPECT_EQ(Boxes(), c.boxes) << c.what;
        EXPECT_EQ(w.price.CallsOf(Kind::Clear).size(), 1u) << c.what;
    }
}

// The closes as a polyline whose segments start 8 units back.
TEST_F(ThreeLineBreak, ClosePolylineOfTheTimeScaledVariant) {
    Variant(12);
    DataFileBuilder b = Closes(100, {110, 120, 115});
    Draw(b);
    const auto lines = Of(w.price, Kind::Line, RGB(150, 130, 255));
    ASSERT_EQ(lines.size(), 3u);
    const double expected[][4] = {{-8, 110, 0, 110}, {-1, 110, 7, 120}, {6, 120, 14, 115}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[i].x1, expected[i][0]) << i;
        EXPECT_EQ(lines[i].y1, expected[i][1]) << i;
        EXPECT_EQ(lines[i].x2, expected[i][2]) << i;
        EXPECT_EQ(lines[i].y2, expected[i][3]) << i;
    }
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), "    期間：2023/01/05～2023/01/07");
}

// The column variant fits its second pass to the lines of the first: with a
// 2 % margin when the data ran out, to the last line when the view filled.
TEST_F(ThreeLineBreak, TheSecondPassWidth) {
    Variant(11);
    const struct {
        int bars;
        double width;
    } cases[] = {{60, 428}, {200, 385}};
    w.fields.ViewWidth = 903;
    for (const auto& c : cases) {
        std::vector<float> closes;
        for (int i = 0; i < c.bars; ++i) closes.push_back(static_cast<float>(1000 + i));
        DataFileBuilder b = Closes(999, closes);
        w.fields.ViewWidth = c.bars == 60 ? 903 : 385;
        w.price.ClearLog();
        Draw(b);
        const auto scales = Scales();
        ASSERT_FALSE(scales.empty()) << c.bars;
        EXPECT_EQ(scales.back().x2, c.width) << c.bars;
        EXPECT_EQ(Boxes().size(), static_cast<std::size_t>(c.width == 428 ? 60 : 55)) << c.bars;
    }
}

TEST_F(ThreeLineBreak, VolumeBoxesOnlyInAdministratorMode) {
    Variant(11);
    DataFileBuilder b = Closes(100, {110, 120, 130, 140, 115, 105});
    Draw(b);
    EXPECT_TRUE(Of(w.price, Kind::Box, QBColor(10)).empty());

    Program().app.AdminMode = kTrue;
    w.price.ClearLog();
    Draw(b);
    std::vector<Box> boxes;
    const auto& calls = w.price.Calls();
    std::size_t from = 0;
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].kind == Kind::Clear) from = i;
    for (std::size_t i = from; i < calls.size(); ++i)
        if (calls[i].kind == Kind::Box && calls[i].color == QBColor(10))
            boxes.push_back({calls[i].x1, calls[i].y1, calls[i].x2, calls[i].y2, false});
    // The 140 line collects the volume of the 115 bar, which adds no line.
    const std::vector<Box> expected = {{1, 0, 5, 1000, false},   {8, 0, 12, 1000, false},
                                       {15, 0, 19, 1000, false}, {22, 0, 26, 1000, false},
                                       {22, 0, 26, 2000, false}, {29, 0, 33, 1000, false}};
    EXPECT_EQ(boxes, expected);
    // Each box is drawn in the volume area's scale, the price scale given back after it.
    for (std::size_t i = from; i < calls.size(); ++i) {
        if (calls[i].kind != Kind::Box || !(calls[i].color == QBColor(10))) continue;
        ASSERT_GE(i, 1u);
        EXPECT_EQ(calls[i - 1].kind, Kind::Scale);
        EXPECT_EQ(calls[i - 1].y2, 0);
        ASSERT_LT(i + 1, calls.size());
        EXPECT_EQ(calls[i + 1].kind, Kind::Scale);
        EXPECT_EQ(calls[i + 1].y1, w.fields.PriceTop);
    }
}

// Only the last pass shows: the first of two passes works out the places and
// draws nothing that its clear would wipe.
TEST_F(ThreeLineBreak, TheFirstOfTwoPassesDrawsNothing) {
    const struct {
        const char* what;
        int box;
        bool admin;
    } cases[] = {{"columns", 11, false}, {"time-scaled with volume", 12, true}};
    for (const auto& c : cases) {
        Variant(c.box);
        Program().app.AdminMode = c.admin ? kTrue : kFalse;
        DataFileBuilder b = Closes(100, {110, 120, 130, 140, 115, 105});
        w.price.ClearLog();
        Draw(b);
        const auto& calls = w.price.Calls();
        std::vector<std::size_t> clears;
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i].kind == Kind::Clear) clears.push_back(i);
        ASSERT_EQ(clears.size(), 2u) << c.what;
        for (std::size_t i = clears[0]; i < clears[1]; ++i) {
            EXPECT_TRUE(calls[i].kind == Kind::Clear || calls[i].kind == Kind::Scale)
                << c.what << ": " << Describe(calls[i]);
        }
        EXPECT_FALSE(Boxes().empty()) << c.what;
    }
    Program().app.AdminMode = kFalse;
}

// A new year's line and label stand at the slot of its first bar; month
// lines only up to a scale width of 4000.
TEST_F(ThreeLineBreak, DateAxis) {
    Variant(12);
    const struct {
        float view;
        bool monthLines;
    } cases[] = {{385, true}, {4200, false}};
    for (const auto& c : cases) {
        std::vector<float> closes;
        for (int i = 0; i < 70; ++i) closes.push_back(static_cast<float>(1000 + i));
        DataFileBuilder b = Closes(999, closes, Spacing::Days, {2022, 11, 20});
        w.fields.ViewWidth = c.view;
        w.price.ClearLog();
        Draw(b);
        const auto uprights = Of(w.price, Kind::Line, QBColor(7));
        std::vector<double> solid, dotted;
        for (const RecordedCall& u : uprights) (u.state.Style == DrawStyle::Dot ? dotted : solid).push_back(u.x1);
        // 2023 begins with the 43rd bar, at 7 x 42.
        EXPECT_EQ(solid, std::vector<double>{294}) << c.view;
        const auto years = Of(w.price, Kind::Text, RGB(0, 150, 255));
        ASSERT_EQ(years.size(), 1u) << c.view;
        EXPECT_EQ(years[0].text, " '23");
        EXPECT_EQ(years[0].x1, 294);
        EXPECT_EQ(dotted.empty(), !c.monthLines) << c.view;
        if (c.monthLines) {
            ASSERT_FALSE(dotted.empty());
            EXPECT_EQ(dotted.front(), 7 * 11) << c.view;  // December 1st
        }
    }
}

TEST_F(ThreeLineBreak, TooFewBarsLeaveTheWindowAlone) {
    Variant(11);
    DataFileBuilder b = Closes(100, {110});
    w.LabelNo(20).setText("before");
    Draw(b);
    EXPECT_TRUE(w.price.Calls().empty());
    EXPECT_EQ(w.LabelNo(20).text().toStdString(), "before");
    EXPECT_TRUE(w.windowCaption.empty());
}

}  // namespace
}  // namespace ranvik
