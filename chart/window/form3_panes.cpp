// The chart window's floating and side panes: the yearly-candle pane's
// press, pointer shapes and resizing, its candles drawn again when it is
// switched on or let go, and the price-band volume pane's clicks and moves.
#include <QMouseEvent>
#include <cmath>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/year_candles.h"
#include "chart/panes/price_band_volume.h"
#include "chart/window/form3.h"
#include "platform/runtime/record_file.h"
#include "platform/surface/scaled_place.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/control_drag.h"
#include "platform/ui/keys.h"
#include "platform/ui/pointers.h"

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

void Form3::Picture4_MouseDown(int button, int shift, double x, double y) {
    if (button == kRightButton) return;
    if (button == kLeftButton && MousePointerOf(Picture4) != 1) {
        // Armed at an edge: the press is the first resize step.
        Picture4_MouseMove(button, shift, x, y);
        return;
    }
    fields_.PanelGrabX = static_cast<float>(x);
    fields_.PanelGrabY = static_cast<float>(y);
    panelDrag_->BeginDrag(Picture4);
}

void Form3::YearPaneWidthStep(double x) {
    auto& f = fields_;
    Surface& price = PricePane();
    const double minWidth = price.ScaleWidth() / 6;
    const double width = WidthInScale(price, *Picture4);
    const double w = (x - f.YearPaneDragX) * width / YearPane().ScaleWidth() + width;
    if (w >= minWidth) {
        PlaceInScale(price, *Picture4, LeftInScale(price, *Picture4), TopInScale(price, *Picture4), w,
                     HeightInScale(price, *Picture4));
        f.YearPaneDragX = static_cast<float>(x);
    } else {
        PlaceInScale(price, *Picture4, LeftInScale(price, *Picture4), TopInScale(price, *Picture4), minWidth,
                     HeightInScale(price, *Picture4));
        f.YearPaneDragX = 0;
        if (Picture1->isVisible()) Picture1->setFocus();
    }
}

void Form3::YearPaneHeightStep(double y) {
    auto& f = fields_;
    Surface& price = PricePane();
    // A sixth of the visible height, whichever way the price scale runs.
    const double minHeight = std::abs(price.ScaleHeight() / -6);
    const double height = HeightInScale(price, *Picture4);
    const double h = (y - f.YearPaneDragY) * height / YearPane().ScaleHeight() + height;
    if (h >= minHeight) {
        PlaceInScale(price, *Picture4, LeftInScale(price, *Picture4), TopInScale(price, *Picture4),
                     WidthInScale(price, *Picture4), h);
        f.YearPaneDragY = static_cast<float>(y);
    } else {
        PlaceInScale(price, *Picture4, LeftInScale(price, *Picture4), TopInScale(price, *Picture4),
                     WidthInScale(price, *Picture4), minHeight);
        f.YearPaneDragY = 0;
        if (Picture1->isVisible()) Picture1->setFocus();
    }
}

void Form3::Picture4_MouseMove(int button, int, double x, double y) {
    auto& f = fields_;
    const int pointer = MousePointerOf(Picture4);
    const bool left = button == kLeftButton;
    if (f.YearPaneDragX != 0 && f.YearPaneDragY != 0 && left && pointer == 8) {
        YearPaneWidthStep(x);
        YearPaneHeightStep(y);
        return;
    }
    if (f.YearPaneDragX != 0 && left && pointer == 9) {
        YearPaneWidthStep(x);
        return;
    }
    if (f.YearPaneDragY != 0 && left && pointer == 7) {
        YearPaneHeightStep(y);
        return;
    }
    Surface& pane = YearPane();
    const bool nearRight = x > pane.ScaleWidth() - 80;
    // The bottom tenth of the pane: below the line on an upright price
    // scale, above it on an inverted one.
    const double bottomLine = pane.ScaleTop() + pane.ScaleHeight() - pane.ScaleHeight() / 10;
    const bool nearBottom = pane.ScaleHeight() < 0 ? y < bottomLine : y > bottomLine;
    if (button == 0 && nearRight && nearBottom) {
        SetMousePointer(Picture4, 8);
        f.YearPaneDragX = static_cast<float>(x);
        f.YearPaneDragY = static_cast<float>(y);
    } else if (button == 0 && nearRight) {
        SetMousePointer(Picture4, 9);
        f.YearPaneDragX = static_cast<float>(x);
        f.YearPaneDragY = 0;
    } else if (button == 0 && nearBottom) {
        SetMousePointer(Picture4, 7);
        f.YearPaneDragX = 0;
        f.YearPaneDragY = static_cast<float>(y);
    } else {
        SetMousePointer(Picture4, 1);
        f.YearPaneDragX = 0;
    }
}

void Form3::Picture4_MouseUp(int, int, double, double) {
    SetMousePointer(Picture4, 1);
    RedrawYearCandles();
}

void Form3::Picture5_MouseUp(int button, int, double, double y) { BandVolumeMouseUp(*this, button, y); }

void Form3::Picture5_MouseMove(int button, int shift, double, double y) {
    if (!Item("mnuMisc", 0).Checked()) return;
    Picture1_MouseMove(button, shift, ChartWindowState::kNoCross, y);
    // Beyond the clip levels the line lies outside both panes: nothing is
    // there to remove later.
    const auto& f = fields_;
    if (y > f.ClipLevelH || y < f.ClipLevelL) fields_.CrossY = static_cast<float>(ChartWindowState::kNoCross);
}

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
