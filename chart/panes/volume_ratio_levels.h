#pragma once
// The fixed percentage scales of the volume-ratio indicators and the
// psychological line in the volume area: the scale each takes, its level
// lines and labels, and the y a value is drawn at, on the price pane and on
// the printed page.  The line itself is drawn by DrawVolumePane's pass.
#include <string>

#include "chart/panes/volume_figures.h"
#include "platform/surface/surface.h"

namespace ranvik {

struct RatioFrame {
    VolumeRatioKind kind = VolumeRatioKind::Ratio1;
    bool enlarged = false;  // the volume area enlarged (mnuGamen比(2))
    bool inverted = false;
    int areaRatio = 7;      // VolumeAreaRatio
    double viewWidth = 0;
    // Printed names carry the period and its unit ("日", "週" or "月").
    int period = 0;
    std::string unit;
};

// Screen: the price pane scaled so that the indicator's range fills the
// volume area, then the level lines and labels; u is the indicator pane's
// label unit.
void DrawRatioScreenLevels(Surface& price, double u, const RatioFrame& frame);
// Paper: the printer scaled for the indicator's band, then its lines and
// labels; `price` gives the x range.
void DrawRatioPaperLevels(Surface& printer, const Surface& price, const RatioFrame& frame);

// Where a value is drawn.
double RatioScreenY(const RatioFrame& frame, double value);
double RatioPaperY(const RatioFrame& frame, double value);

// The label offset of the screen levels.
double RatioLabelOffset(VolumeRatioKind kind, bool enlarged);

}  // namespace ranvik
