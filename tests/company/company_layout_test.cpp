#include "company/company_layout.h"

#include <gtest/gtest.h>

namespace ranvik {
namespace {

CompanyLayoutInput Input(double width, double height, int os) {
    CompanyLayoutInput in;
    in.width = width;
    in.height = height;
    in.osMajorVersion = os;
    in.chartLeft = 0;
    in.chartTop = 400;
    in.chart3DesignWidth = 4000;
    in.chart5DesignWidth = 2600;
    in.frames = {Box{120, 0, 4800, 1400}, Box{0, 0, 2700, 1000}, Box{0, 0, 2700, 700}};
    return in;
}

TEST(CompanyLayout, ChartsAndGridFollowTheWindowOnBothSystems) {
    struct Case {
        int os;
        double k1;
        double k2;
        double gridDivisor;
    };
    const Case cases[] = {{6, 11500, 12000, 7200}, {10, 11500, 12000, 7200}, {5, 10700, 11500, 6700}};
    for (const Case& c : cases) {
        const double w = 13110 * 2;
        const double h = 8000;  // the grid below its ceiling on both sides
        const CompanyLayout out = ComputeCompanyLayout(Input(w, h, c.os));
        ASSERT_TRUE(out.charts) << c.os;
        const auto& ch = *out.charts;
        EXPECT_EQ(ch[0], (Box{0, 400, w * 5400 / 13110, h * 4600 / c.k1 - 180})) << c.os;
        EXPECT_EQ(ch[1], (Box{0, ch[0].Bottom(), w / 5, h * 4600 / c.k2 - 180})) << c.os;
        EXPECT_EQ(ch[2], (Box{ch[0].Right(), 400, w * 4000 / 17000, h * 4600 / c.k1 - 180})) << c.os;
        EXPECT_EQ(ch[3], (Box{ch[1].Right(), ch[0].Bottom(), w * 5400 / 13110, h * 4600 / c.k2 - 180})) << c.os;
        // Chart 5 has the same height on every system.
        EXPECT_EQ(ch[4], (Box{ch[2].Right(), 400, w * 2600 / 9010, h * 4600 / 11500 - 180})) << c.os;
        ASSERT_TRUE(out.grid) << c.os;
        EXPECT_EQ(out.grid->top, ch[3].top);
        EXPECT_EQ(out.grid->left, ch[3].Right());
        EXPECT_DOUBLE_EQ(out.grid->height, h * 2100 / c.gridDivisor) << c.os;
    }
}

TEST(CompanyLayout, GridWidthAndItsCeiling) {
    struct Case {
        const char* note;
        double width;
        double height;
        double gridWidth;
        double gridHeight;
    };
    // The grid's left is 0.2 W + W x 5400 / 13110 (the right edge of chart 4).
    const double narrowLeft = 13110 / 5.0 + 5400;
    const Case cases[] = {
        {"room for the full width", 40000, 9000, 7150, 9000 * 2100 / 7200.0},
        {"cut at the window's edge", 13110, 9000, 13110 - narrowLeft - 200, 9000 * 2100 / 7200.0},
        {"tall: the height stops at 2800 and the width at 6900", 40000, 12000, 6900, 2800},
        {"tall and narrow: a width below 6900 stays", 13110, 12000, 13110 - narrowLeft - 200, 2800},
    };
    for (const Case& c : cases) {
        const CompanyLayout out = ComputeCompanyLayout(Input(c.width, c.height, 6));
        ASSERT_TRUE(out.grid) << c.note;
        EXPECT_DOUBLE_EQ(out.grid->width, c.gridWidth) << c.note;
        EXPECT_DOUBLE_EQ(out.grid->height, c.gridHeight) << c.note;
    }
}

TEST(CompanyLayout, PanelsWrapUpwardsInNarrowWindows) {
    // Frame1 spans 120 to 4920; Frame2 and Frame3 are `side` wide.
    struct Case {
        const char* note;
        double width;
        double side;
        Box frame1, frame2, frame3;
    };
    const double h = 9000;
    const double t1 = h - 1400 - 150;
    const Case cases[] = {
        {"all three in a row", 13000, 2700, {120, t1, 4800, 1400}, {5070, t1, 2700, 1000}, {7920, t1, 2700, 700}},
        {"Frame3 above Frame2", 9000, 2700,
         {120, t1, 4800, 1400}, {5070, t1, 2700, 1000}, {5070, t1 - 720, 2700, 700}},
        {"Frame2 above Frame1, Frame3 to its left", 7500, 2700,
         {120, t1, 4800, 1400}, {2220, t1 - 1020, 2700, 1000}, {-480, t1 - 720, 2700, 700}},
        {"narrower than Frame1: both moved in from the right", 4000, 1500,
         {120, t1, 4800, 1400}, {2280, t1 - 1020, 1500, 1000}, {780, t1 - 720, 1500, 700}},
        {"too narrow for both: from Frame1's left", 4000, 2700,
         {120, t1, 4800, 1400}, {2820, t1 - 1020, 2700, 1000}, {120, t1 - 720, 2700, 700}},
    };
    for (const Case& c : cases) {
        CompanyLayoutInput in = Input(c.width, h, 6);
        in.frames[1].width = c.side;
        in.frames[2].width = c.side;
        const CompanyLayout out = ComputeCompanyLayout(in);
        EXPECT_EQ(out.frames[0], c.frame1) << c.note;
        EXPECT_EQ(out.frames[1], c.frame2) << c.note;
        EXPECT_EQ(out.frames[2], c.frame3) << c.note;
    }
}

TEST(CompanyLayout, TinyWindowsKeepTheChartsAndGridAsTheyAre) {
    for (auto [w, h] : {std::pair{0.0, 0.0}, std::pair{13110.0, 300.0}, std::pair{200.0, 9000.0}, std::pair{-60.0, -60.0}}) {
        const CompanyLayout out = ComputeCompanyLayout(Input(w, h, 6));
        if (h * 4600 / 12000 - 180 < 0 || w < 0) {
            EXPECT_FALSE(out.charts) << w << "x" << h;
            EXPECT_FALSE(out.grid) << w << "x" << h;
        }
        if (out.grid) {
            EXPECT_GE(out.grid->width, 0);
            EXPECT_GE(out.grid->height, 0);
        }
    }
}

}  // namespace
}  // namespace ranvik
