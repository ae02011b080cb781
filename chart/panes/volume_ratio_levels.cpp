// Scales, level lines and labels of the volume ratios and the psychological
// line, on screen and on paper.
#include "chart/panes/volume_ratio_levels.h"

#include <cmath>

namespace ranvik {

namespace {

void PrintAt(Surface& s, double x, double y, const std::string& text) {
    s.SetCurrentX(x);
    s.SetCurrentY(y);
    s.Print(text);
}

// The top of the screen scale, its levels and the screen name of each.
struct ScreenTable {
    double top;
    int first;
    int last;
    int step;
    const char* name;
};

ScreenTable TableOf(VolumeRatioKind kind) {
    switch (kind) {
        case VolumeRatioKind::Ratio1: return {600, 100, 600, 100, "ﾎﾞﾘｭｰﾑﾚｼｵ 1"};
        case VolumeRatioKind::Ratio2: return {100, 10, 100, 20, "ﾎﾞﾘｭｰﾑﾚｼｵ 2"};
        case VolumeRatioKind::Psychological: return {100, 10, 100, 20, "ｻｲｺﾛｼﾞｶﾙﾗｲﾝ"};
        case VolumeRatioKind::Wako: return {100, -100, 100, 20, "ﾜｺｰﾎﾞﾘｭｰﾑﾚｼｵ"};
    }
    return {100, 10, 100, 20, ""};
}

bool Mirrored(const RatioFrame& f) {
    return f.inverted && (f.kind == VolumeRatioKind::Ratio2 || f.kind == VolumeRatioKind::Psychological);
}

std::string Percent(int v) { return std::to_string(v) + "%"; }
std::string SignedPercent(int v) {
    std::string text = v > 0 ? "+" : "";
    text += Percent(v);
    return text;
}

// The grey line of a level, left out where a label or the middle line
// stands.
bool GreyLine(const RatioFrame& f, int v) {
    switch (f.kind) {
        case VolumeRatioKind::Ratio2:
        case VolumeRatioKind::Psychological: return v != 50;
        case VolumeRatioKind::Ratio1:
            if (!f.enlarged) return false;
            [[fallthrough]];
        case VolumeRatioKind::Wako: {
            const int a = std::abs(v);
            return !(v == 0 || a == 20 || a == 60 || a == 100);
        }
    }
    return false;
}

}  // namespace

double RatioLabelOffset(VolumeRatioKind kind, bool enlarged) {
    double dy = 0;
    switch (kind) {
        case VolumeRatioKind::Ratio1: dy = 24; break;
        case VolumeRatioKind::Ratio2:
        case VolumeRatioKind::Psychological: dy = 5; break;
        case VolumeRatioKind::Wako: dy = 10; break;
    }
    if (enlarged) {
        dy = dy / 2.2;
        if (kind == VolumeRatioKind::Ratio1) dy = dy * 2;
    }
    return dy;
}

double RatioScreenY(const RatioFrame& f, double value) {
    return f.kind == VolumeRatioKind::Psychological && f.inverted ? 100 - value : value;
}

double RatioPaperY(const RatioFrame& f, double value) {
    switch (f.kind) {
        case VolumeRatioKind::Ratio1: {
            const double k = f.areaRatio * (f.enlarged ? 0.92 : 0.9);
            return 600 - value * 0.1 * k;
        }
        case VolumeRatioKind::Ratio2: return 100 - 2 * value;
        case VolumeRatioKind::Wako: return -value;
        case VolumeRatioKind::Psychological: return f.inverted ? 2 * value - 100 : 100 - 2 * value;
    }
    return 0;
}

void DrawRatioScreenLevels(Surface& price, double u, const RatioFrame& f) {
    const ScreenTable t = TableOf(f.kind);
    if (f.kind == VolumeRatioKind::Wako) {
        // About the bottom 1/VolumeAreaRatio of the pane for -100..100.
        const double k = f.enlarged ? 1.66 : 1.86;
        price.Scale(0, f.areaRatio * 100 * k, f.viewWidth, -100);
    } else {
        price.Scale(0, f.areaRatio * t.top, f.viewWidth, 0);
    }
    const double dy = RatioLabelOffset(f.kind, f.enlarged);
    const double right = price.ScaleWidth();
    const Color label = QBColor(6);
    const Color marked = QBColor(13);
    price.SetDrawStyle(DrawStyle::Dot);
    if (f.kind == VolumeRatioKind::Ratio1) {
        price.Line(6 * u, 70, right, 70, RGB(255, 150, 150));
        price.Line(6 * u, 450, right, 450, RGB(255, 150, 150));
        price.SetForeColor(marked);
        PrintAt(price, 0, 70 + dy, "70%");
        PrintAt(price, 0, 450 + dy, "450%");
        price.SetForeColor(label);
    }
    for (int v = t.first; v <= t.last; v += t.step) {
        if (GreyLine(f, v)) price.Line(6 * u, v, right, v, QBColor(8));
        if (v * 2 == t.top || v == 0) {
            price.SetDrawStyle(DrawStyle::DashDotDot);
            price.Line(22 * u, v, right, v, QBColor(2));
            price.SetForeColor(label);
            PrintAt(price, 0, v + dy, t.name);
            price.SetDrawStyle(DrawStyle::Dot);
            continue;
        }
        const double y = (Mirrored(f) ? 100 - v : v) + dy;
        if (v == 30 || v == 70) {
            price.SetForeColor(marked);
            PrintAt(price, 0, y, Percent(v));
            price.SetForeColor(label);
        } else if (v == 40 || v == -40) {
            price.SetForeColor(marked);
            PrintAt(price, 0, y, SignedPercent(v));
            price.SetForeColor(label);
        } else if (f.enlarged) {
            const int a = std::abs(v);
            if (a != 100 && a != 60 && a != 20) {
                price.SetForeColor(label);
                PrintAt(price, 0, y, SignedPercent(v));
            }
        }
    }
    if (f.kind == VolumeRatioKind::Psychological && f.enlarged) {
        price.Line(6 * u, 25, right, 25, RGB(255, 200, 200));
        price.Line(6 * u, 75, right, 75, RGB(255, 200, 200));
    }
    price.SetDrawStyle(DrawStyle::Solid);
}

void DrawRatioPaperLevels(Surface& printer, const Surface& price, const RatioFrame& f) {
    const double m = std::trunc(price.ScaleWidth() * 0.1);
    const double left = price.ScaleLeft();
    const double right = price.ScaleWidth();
    const double labelX = -m / 2;
    const std::string tail = std::to_string(f.period) + f.unit;
    printer.SetForeColor(QBColor(6));
    if (f.kind == VolumeRatioKind::Ratio1) {
        double dy = 30;
        if (f.enlarged) {
            printer.Scale(left - m, 0, right + m, 770);
            dy = 6;
        } else {
            printer.Scale(left - m, -2920, right + m, 1640);
        }
        printer.SetDrawStyle(DrawStyle::DashDotDot);
        printer.SetDrawWidth(1);
        double y = RatioPaperY(f, 300);
        printer.Line(left, y, right, y, QBColor(1));
        PrintAt(printer, labelX, y - dy, std::string("300% ") + "ﾎﾞﾘｭｰﾑﾚｼｵ1 " + tail);
        printer.SetDrawStyle(DrawStyle::Dot);
        if (f.enlarged) {
            printer.SetForeColor(QBColor(8));
            for (int j = 10; j <= 60; j += 10) {
                if (j == 30) continue;
                y = RatioPaperY(f, 10.0 * j);
                printer.Line(left, y, right, y, QBColor(8));
                PrintAt(printer, labelX, y - dy, Percent(10 * j));
            }
        }
        printer.SetForeColor(QBColor(13));
        for (int v : {70, 450}) {
            y = RatioPaperY(f, v);
            printer.Line(left, y, right, y, QBColor(13));
            PrintAt(printer, labelX, y - dy, Percent(v));
        }
    } else {
        double dy = 14;
        if (f.enlarged) {
            printer.Scale(left - m, -590, right + m, 290);
            dy = 7;
        } else {
            printer.Scale(left - m, -1507, right + m, 550);
        }
        printer.SetDrawStyle(DrawStyle::Dot);
        printer.SetDrawWidth(1);
        const bool wako = f.kind == VolumeRatioKind::Wako;
        // Paper levels at y = ∓80 and ∓40 are 90/10 and 70/30 percent of the
        // 0..100 indicators, their upper ones mirrored on an inverted chart.
        struct Level {
            double y;
            const char* wakoText;
            const char* upright;
            const char* inverted;
        };
        const Level levels[] = {{-80, "+80%", "90%", "10%"},
                                {80, "-80%", "10%", "90%"},
                                {-40, "+40%", "70%", "30%"},
                                {40, "-40%", "30%", "70%"}};
        printer.SetForeColor(QBColor(8));
        for (const Level& l : levels) {
            if (l.y == -40) printer.SetForeColor(QBColor(13));
            printer.Line(left, l.y, right, l.y, QBColor(8));
            PrintAt(printer, labelX, l.y - dy, wako ? l.wakoText : f.inverted ? l.inverted : l.upright);
        }
        printer.SetDrawStyle(DrawStyle::DashDotDot);
        printer.Line(left, 0, right, 0, QBColor(1));
        printer.SetForeColor(QBColor(6));
        const char* name = wako ? "ﾜｺｰﾎﾞﾘｭｰﾑﾚｼｵ " : f.kind == VolumeRatioKind::Psychological ? "ｻｲｺﾛｼﾞｶﾙﾗｲﾝ " : "ﾎﾞﾘｭｰﾑﾚｼｵ2 ";
        PrintAt(printer, labelX, -dy, name + tail);
    }
    printer.SetDrawWidth(2);
    printer.SetDrawStyle(DrawStyle::Solid);
}

}  // namespace ranvik
