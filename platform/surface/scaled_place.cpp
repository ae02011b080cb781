#include "platform/surface/scaled_place.h"

#include <cmath>

namespace ranvik {

namespace {

// Pixels of 96 dpi, the unit of widget geometry (15 twips each).
constexpr double kTwipsPerPixel = 15;

int Pixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

double SpanTwipsX(const Surface& scale, double width) {
    return std::fabs(scale.ToTwipsX(scale.ScaleLeft() + width) - scale.ToTwipsX(scale.ScaleLeft()));
}

double SpanTwipsY(const Surface& scale, double height) {
    return std::fabs(scale.ToTwipsY(scale.ScaleTop() + height) - scale.ToTwipsY(scale.ScaleTop()));
}

}  // namespace

void PlaceInScale(const Surface& scale, QWidget& control, double left, double top) {
    control.move(Pixels(scale.ToTwipsX(left)), Pixels(scale.ToTwipsY(top)));
}

void PlaceInScale(const Surface& scale, QWidget& control, double left, double top, double width, double height) {
    control.setGeometry(Pixels(scale.ToTwipsX(left)), Pixels(scale.ToTwipsY(top)), Pixels(SpanTwipsX(scale, width)),
                        Pixels(SpanTwipsY(scale, height)));
}

double LeftInScale(const Surface& scale, const QWidget& control) {
    return scale.FromTwipsX(control.x() * kTwipsPerPixel);
}

double TopInScale(const Surface& scale, const QWidget& control) {
    return scale.FromTwipsY(control.y() * kTwipsPerPixel);
}

double WidthInScale(const Surface& scale, const QWidget& control) {
    return std::fabs(scale.FromTwipsX(control.width() * kTwipsPerPixel) - scale.FromTwipsX(0));
}

double HeightInScale(const Surface& scale, const QWidget& control) {
    return std::fabs(scale.FromTwipsY(control.height() * kTwipsPerPixel) - scale.FromTwipsY(0));
}

}  // namespace ranvik
