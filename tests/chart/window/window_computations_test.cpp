// What the chart window works out apart from its widgets: the scroll
// mapping, the command-line file and the pane layout.
#include <gtest/gtest.h>

#include "chart/window/command_line.h"
#include "chart/window/pane_layout.h"
#include "chart/window/scroll_mapping.h"

namespace ranvik {
namespace {

TEST(ScrollMapping, TheScrollValueGivesTheFirstShownRecord) {
    const struct {
        const char* what;
        int value, records;
        bool monthly, dataCut;
        int first;
    } cases[] = {
        {"the minimum", 14, 1000, false, false, 2},
        {"truncating division", 20, 1000, false, false, 2},
        {"the next bar", 21, 1000, false, false, 3},
        {"never below record 2", 0, 1000, false, false, 2},
        {"data-cut view: the newest 4681 records", 14, 5000, false, true, 321},
        {"the same value without it", 14, 5000, false, false, 2},
        {"4681 records are not shifted", 14, 4681, false, true, 2},
        {"4682 are, by one", 14, 4682, false, true, 3},
        {"the last value of the longest file", 32767, 32767, false, true, 32767},
        {"without the data-cut view it stops at 4681", 32767, 32767, false, false, 4681},
        {"monthly candles of daily data count records", 100, 1000, true, false, 100},
        {"the data-cut view leaves monthly candles alone", 100, 5000, true, true, 100},
        {"beyond the end: the last two thirds", 7700, 1000, false, false, 667},
        {"beyond the end, monthly", 1001, 1000, true, false, 667},
        {"at the end", 7000, 1000, false, false, 1000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirstRecordForScroll(c.value, c.records, c.monthly, c.dataCut), c.first) << c.what;
    }
}

TEST(CommandLine, TheFileAndItsTitle) {
    const struct {
        const char* line;
        const char* path;  // nullptr: ignored
        const char* title;
    } cases[] = {
        {R"("C:\Ranvik\1301d.KDT")", R"(C:\Ranvik\1301d.KDT)", "1301d.KDT"},
        {"/home/u/ranvik/1301d.KDT", "/home/u/ranvik/1301d.KDT", "1301d.KDT"},
        {"\"/home/u/my stocks/6501w.kdt\"", "/home/u/my stocks/6501w.kdt", "6501w.kdt"},
        {"1301d.KDT", "1301d.KDT", "1301d.KDT"},
        {R"(C:\a/b\1301d.KDT)", R"(C:\a/b\1301d.KDT)", "1301d.KDT"},
        // One quote alone is part of the name.
        {"\"1301d.KDT", "\"1301d.KDT", "\"1301d.KDT"},
        {"", nullptr, nullptr},
        {"a", nullptr, nullptr},
        {"\"", nullptr, nullptr},
        {"\"\"", nullptr, nullptr},
        {"ab", "ab", "ab"},
    };
    for (const auto& c : cases) {
        const auto file = ParseCommandLineFile(c.line);
        ASSERT_EQ(file.has_value(), c.path != nullptr) << c.line;
        if (!file) continue;
        EXPECT_EQ(file->path, c.path) << c.line;
        EXPECT_EQ(file->title, c.title) << c.line;
    }
}

// The numbers of the layout: width less 150 (and 120 more from system
// version 6, and the price-band pane's width when it shows), heights only
// above 2670 twips, less 700 and the indicator pane, less 150 from version 6.
TEST(PaneLayout, WidthsAndHeightsOnBothSidesOfTheLimits) {
    PaneLayoutInput base;
    base.formWidth = 12000;
    base.formHeight = 8000;
    base.pricePaneLeft = 30;
    base.pricePaneTop = 265;
    base.pricePaneHeight = 3000;
    base.indicatorPaneHeight = 1310;
    base.scrollBarHeight = 255;
    base.priceBandWidth = 1050;
    struct Case {
        const char* what;
        PaneLayoutInput in;
        int width, height, scrollTop;
    };
    auto with = [&](auto change) {
        PaneLayoutInput in = base;
        change(in);
        return in;
    };
    const int h = 8000 - 700 - 265 - 1310;  // 5725
    const Case cases[] = {
        {"version 5", base, 11820, h, 265 + h + 10 + 1310 + 30},
        {"version 6", with([](auto& in) { in.osMajorVersion = 6; }), 11700, h - 150, 265 + h - 150 + 1350},
        {"price-band pane", with([](auto& in) { in.priceBandShown = true; }), 10770, h, 265 + h + 1350},
        {"2671 twips high: heights follow", with([](auto& in) { in.formHeight = 2671; }), 11820, 396, 265 + 396 + 1350},
        {"2670 high: the height stays", with([](auto& in) { in.formHeight = 2670; }), 11820, 3000, 265 + 3000 + 1350},
        {"a pane of 160 or less keeps its height",
         with([](auto& in) {
             in.indicatorPaneHeight = 2620;
             in.formHeight = 700 + 265 + 2620 + 160;
         }),
         11820, 3000, 265 + 3000 + 10 + 2620 + 30},
        {"161 is taken",
         with([](auto& in) {
             in.indicatorPaneHeight = 2620;
             in.formHeight = 700 + 265 + 2620 + 161;
         }),
         11820, 161, 265 + 161 + 10 + 2620 + 30},
        {"no indicator pane: the prices take its room",
         with([](auto& in) { in.indicatorPaneShown = false; }), 11820, 8000 - 700 - 265, 265 + 8000 - 965 + 30},
        {"no indicator pane, another kind: the pane stays below",
         with([](auto& in) {
             in.indicatorPaneShown = false;
             in.candleChart = false;
         }),
         11820, h, 265 + h + 1350},
        {"the whole file in view: the scroll bar's room too",
         with([](auto& in) { in.wholeFileShown = true; }), 11820, h + 255, 265 + h + 255 + 1350},
    };
    for (const Case& c : cases) {
        const PaneLayout out = LayOutPanes(c.in);
        EXPECT_EQ(out.pricePaneWidth, c.width) << c.what;
        EXPECT_EQ(out.pricePaneHeight, c.height) << c.what;
        EXPECT_EQ(out.indicatorPaneWidth, c.width) << c.what;
        EXPECT_EQ(out.indicatorPaneTop, 265 + c.height + 10) << c.what;
        EXPECT_EQ(out.scrollBarTop, c.scrollTop) << c.what;
        EXPECT_EQ(out.scrollBarWidth, c.width + 50) << c.what;
        EXPECT_EQ(out.priceBandLeft, 30 + c.width) << c.what;
        EXPECT_EQ(out.readOutLeft, 30) << c.what;
        EXPECT_EQ(out.readOutWidth, c.in.formWidth - 180) << c.what;
        EXPECT_FALSE(out.savesPricePaneHeight) << c.what;
    }
    // The kinds that draw on the price pane alone take the indicator pane's
    // height and keep the height before.
    PaneLayoutInput alone = base;
    alone.pricePaneAlone = true;
    const PaneLayout out = LayOutPanes(alone);
    EXPECT_TRUE(out.savesPricePaneHeight);
    EXPECT_EQ(out.savedPricePaneHeight, h);
    EXPECT_EQ(out.pricePaneHeight, h + 1310);
}

}  // namespace
}  // namespace ranvik
