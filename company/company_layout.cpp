#include "company/company_layout.h"

namespace ranvik {

namespace {

std::array<Box, 3> PlaceFrames(const CompanyLayoutInput& in) {
    const double w = in.width;
    std::array<Box, 3> f = in.frames;
    Box& f1 = f[0];
    Box& f2 = f[1];
    Box& f3 = f[2];
    // 1. Along the bottom of the window.
    f1.top = in.height - f1.height - 150;
    // 2. Frame2 beside Frame1, or above it, right-aligned with it.
    const bool twoFit = w - 300 > f1.Right() + f2.width;
    if (twoFit) {
        f2.left = f1.Right() + 150;
        f2.top = f1.top;
    } else {
        f2.left = f1.Right() - f2.width;
        f2.top = f1.top - f2.height - 20;
    }
    // 3. Frame3 beside Frame2, or above the row.
    if (w - 300 > f1.Right() + f2.width + f3.width) {
        f3.left = f2.Right() + 150;
        f3.top = f1.top;
    } else if (twoFit) {
        f3.left = f2.left;
        f3.top = f1.top - f3.height - 20;
    } else {
        f3.left = f2.left - f3.width;
        f3.top = f1.top - f3.height - 20;
    }
    // 4. A window narrower than Frame1 itself.
    if (f1.Right() >= w) {
        if (f3.width + f2.width + 220 < w) {
            f2.left = w - f2.width - 220;
            f3.left = f2.left - f3.width;
        } else {
            f3.left = f1.left;
            f2.left = f3.Right();
        }
    }
    return f;
}

}  // namespace

CompanyLayout ComputeCompanyLayout(const CompanyLayoutInput& in) {
    const double w = in.width;
    const double h = in.height;
    const bool wide = in.osMajorVersion >= 6;
    const double k1 = wide ? 11500 : 10700;
    const double k2 = wide ? 12000 : 11500;
    CompanyLayout out;

    std::array<Box, 5> c{};
    c[0] = {in.chartLeft, in.chartTop, w * 5400 / 13110, h * 4600 / k1 - 180};
    c[1] = {in.chartLeft, c[0].Bottom(), w / 5, h * 4600 / k2 - 180};
    c[2] = {c[0].Right(), in.chartTop, w * in.chart3DesignWidth / 17000, h * 4600 / k1 - 180};
    c[3] = {c[1].Right(), c[0].Bottom(), w * 5400 / 13110, h * 4600 / k2 - 180};
    c[4] = {c[2].Right(), in.chartTop, w * in.chart5DesignWidth / 9010, h * 4600 / 11500 - 180};
    bool chartsFit = true;
    for (const Box& b : c) chartsFit = chartsFit && b.width >= 0 && b.height >= 0;
    if (chartsFit) out.charts = c;

    out.frames = PlaceFrames(in);

    if (chartsFit) {
        Box g;
        g.top = c[3].top;
        g.left = c[3].Right();
        g.width = g.left + 7350 < w ? 7150 : w - g.left - 200;
        g.height = wide ? h * 2100 / 7200 : h * 2100 / 6700;
        if (g.height > 2800) {
            g.height = 2800;
            if (g.width > 6900) g.width = 6900;
        }
        if (g.width >= 0 && g.height >= 0) out.grid = g;
    }
    return out;
}

}  // namespace ranvik
