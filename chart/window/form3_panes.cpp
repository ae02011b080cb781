// The chart window's floating and side panes: the yearly candles drawn
// again when the pane is switched on or let go, and the price-band volume
// pane's clicks.
#include <QMouseEvent>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/year_candles.h"
#include "chart/panes/price_band_volume.h"
#include "chart/window/form3.h"
#include "platform/runtime/record_file.h"
#include "platform/surface/screen_surface.h"

namespace ranvik {

namespace {

// Buttons and keys as the mouse handlers take them: 1 left, 2 right,
// 4 middle; 1 Shift, 2 Ctrl, 4 Alt.
int ButtonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

int ShiftNumber(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) + (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) +
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

}  // namespace

void Form3::RedrawYearCandles() {
    if (fields_.DataFileName.empty()) return;
    ChartFile file1;
    try {
        file1.Open(fields_.DataFileName);
        DrawYearCandles(*this, file1);
    } catch (const FileError&) {
        // The data file went away: the pane keeps what it shows.
    }
    file1.Close();
}

void Form3::Picture4_MouseUp(int, int, double, double) { RedrawYearCandles(); }

void Form3::Picture5_MouseUp(int button, int, double, double y) { BandVolumeMouseUp(*this, button, y); }

bool Form3::PaneMouseUp(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    if (watched != Picture4 && watched != Picture5) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    ScreenSurface* pane = watched == Picture4 ? Picture4 : Picture5;
    const QPointF at = mouse->position();
    const double x = pane->PixelToUserX(at.x());
    const double y = pane->PixelToUserY(at.y());
    const int button = ButtonNumber(mouse->button());
    const int shift = ShiftNumber(mouse->modifiers());
    if (pane == Picture4) {
        Picture4_MouseUp(button, shift, x, y);
    } else {
        Picture5_MouseUp(button, shift, x, y);
    }
    return true;
}

}  // namespace ranvik
