// Form3: the mouse over the indicator pane: the focus back to the main
// window, the indicator popup, the oscillator's explanation and the
// vertical crosshair line.  The double click, which enlarges the pane into
// the price pane and restores it, is the pane layout menu's item 1
// (form3_resize.cpp).
#include <QLabel>
#include <QMouseEvent>

#include "chart/window/form3.h"
#include "chart/window/indicator_explanation.h"
#include "platform/surface/scaled_place.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/keys.h"
#include "platform/ui/popup_menu_service.h"
#include "platform/ui/twips.h"

namespace ranvik {

void Form3::BuildIndicatorPaneControls() {
    Label15 = new QLabel(Picture3);
    Label15->setObjectName("Label15");
    // One line of the pane's font, whatever the caption: the label's height
    // places it beside the cursor before its caption is known.
    Label15->setText("売買エネルギー");
    Label15->adjustSize();
    Label15->setFixedHeight(Label15->height());
    Label15->hide();
}

bool Form3::IndicatorPaneEvent(QObject* watched, QEvent* event) {
    if (watched != Picture3) return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int button = MouseButtonOf(*mouse);
    const int shift = ShiftStateOf(mouse->modifiers());
    Surface& pane = IndicatorPane();
    const double x = pane.FromTwipsX(PixelsToTwips(mouse->position().x()));
    const double y = pane.FromTwipsY(PixelsToTwips(mouse->position().y()));
    if (type == QEvent::MouseButtonPress) {
        indicatorDblClicked_ = false;
        Picture3_MouseDown(button, shift, x, y);
    } else if (type == QEvent::MouseButtonDblClick) {
        // The second press of a double click: the double click instead.
        indicatorDblClicked_ = true;
        if (button == kLeftButton) Picture3_DblClick();
    } else {
        Picture3_MouseUp(button, shift, x, y);
        const bool inside = Picture3->rect().contains(mouse->position().toPoint());
        if (button == kLeftButton && inside && !indicatorDblClicked_) Picture3_Click();
        indicatorDblClicked_ = false;
    }
    return true;
}

void Form3::Picture3_Click() { FocusToolbarStrip(); }

void Form3::Picture3_MouseDown(int button, int, double x, double y) {
    const auto& f = fields_;
    if (f.DataFileName.empty() || Check1.Value() != 1 || f.ChartShown != 1) return;
    if (button == kRightButton) {
        ShowPopupMenu(IndicatorMenu());
        return;
    }
    if (button != kLeftButton || !Item("mnuFuncExItem", 4).Checked()) return;
    SetForeColor(Label15, f.BackColorNo == 2 ? QBColor(15) : RGB(0, 0, 255));
    Surface& pane = IndicatorPane();
    const bool inverted = f.InvertedChart == -1;
    const double height = HeightInScale(pane, *Label15);
    PlaceInScale(pane, *Label15, x, ExplanationTop(y, height, inverted, false));
    const auto explanation = ExplanationFor([this](const std::string& item) { return Item(item, 1).Checked(); });
    if (!explanation) return;
    Label15->setText(QString::fromStdString(explanation->text));
    Label15->adjustSize();
    if (explanation->belowCursor) PlaceInScale(pane, *Label15, x, ExplanationTop(y, height, inverted, true));
    Label15->show();
    Label15->raise();
}

void Form3::Picture3_MouseUp(int, int, double, double) { Label15->hide(); }

void Form3::Picture3_MouseMove(int button, int shift, double x, double) {
    if (!Item("mnuMisc", 0).Checked()) return;
    if (Check10.Value() == 1) {
        DelLine();
    } else {
        Picture1_MouseMove(button, shift, x, ChartWindowState::kNoCross);
    }
}

}  // namespace ranvik
