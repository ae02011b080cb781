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
#include "platform/ui/keys.h"

namespace ranvik {

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
    const int button = MouseButtonOf(*mouse);
    const int shift = ShiftStateOf(mouse->modifiers());
    if (pane == Picture4) {
        Picture4_MouseUp(button, shift, x, y);
    } else {
        Picture5_MouseUp(button, shift, x, y);
    }
    return true;
}

}  // namespace ranvik
