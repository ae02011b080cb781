#include "platform/ui/twips.h"

#include <cmath>
#include <cstdlib>

namespace ranvik {

void FixLogicalDpi() {
    // Fonts are sized by the logical resolution; without this a desktop set
    // to another resolution would give other text widths than the tests.
    setenv("QT_FONT_DPI", "96", 1);
}

int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

double PixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

int LeftOf(const QWidget* widget) { return PixelsToTwips(widget->x()); }
int TopOf(const QWidget* widget) { return PixelsToTwips(widget->y()); }
int WidthOf(const QWidget* widget) { return PixelsToTwips(widget->width()); }
int HeightOf(const QWidget* widget) { return PixelsToTwips(widget->height()); }

void SetLeft(QWidget* widget, double left) { widget->move(TwipsToPixels(left), widget->y()); }
void SetTop(QWidget* widget, double top) { widget->move(widget->x(), TwipsToPixels(top)); }

void SetWidth(QWidget* widget, double width) {
    widget->resize(std::max(0, TwipsToPixels(width)), widget->height());
}

void SetHeight(QWidget* widget, double height) {
    widget->resize(widget->width(), std::max(0, TwipsToPixels(height)));
}

void MoveTwips(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(TwipsToPixels(left), TwipsToPixels(top), std::max(0, TwipsToPixels(width)),
                        std::max(0, TwipsToPixels(height)));
}

void BringToFront(QWidget* widget) { widget->raise(); }

}  // namespace ranvik
