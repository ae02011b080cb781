// Form3: buttons and keys on the price pane: the 指標 popup, the vertical
// topics switch, the explanation balloon while the button is held, the
// volume-area switch of a double click; and the topics items themselves.
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

#include "chart/drawing/balloon_text.h"
#include "chart/drawing/redraw.h"
#include "chart/window/form3.h"
#include "platform/surface/scaled_place.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/keys.h"
#include "platform/ui/popup_menu_service.h"

namespace ranvik {

namespace {

// A label shows a line break as a new line; the caption's carriage returns
// would otherwise show as boxes.
QString LabelText(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    text.replace("\r\n", "\n");
    return text;
}

}  // namespace

Surface& Form3::LegendBox() { return *Picture8; }

bool Form3::PricePaneEvent(QObject* watched, QEvent* event) {
    if (watched != Picture1) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            // The pane's scale is the one the drawers set, on whatever they
            // draw on.
            const Surface& pane = PricePane();
            const double x = pane.FromTwipsX(mouse->position().x() * 15);
            const double y = pane.FromTwipsY(mouse->position().y() * 15);
            const int button = MouseButtonOf(*mouse);
            const int shift = ShiftStateOf(mouse->modifiers());
            if (event->type() == QEvent::MouseButtonPress) {
                Picture1_MouseDown(button, shift, x, y);
            } else {
                Picture1_MouseUp(button, shift, x, y);
            }
            return true;
        }
        case QEvent::MouseButtonDblClick:
            // The second press of a double click is the double click.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) Picture1_DblClick();
            return true;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            // Handed over with the focus: the key itself is not acted on.
            Picture1_KeyDown(key->key(), ShiftStateOf(key->modifiers()));
            return true;
        }
        default: return false;
    }
}

void Form3::Picture1_MouseDown(int button, int, double x, double y) {
    auto& f = fields_;
    if (button == 2 && CheckValue(1) != 0) {
        Surface& pane = PricePane();
        const QPoint at(static_cast<int>(std::lround(pane.ToTwipsX(x) / 15)),
                        static_cast<int>(std::lround(pane.ToTwipsY(y) / 15)));
        ShowPopupMenu(IndicatorMenu(), Picture1->mapToGlobal(at));
        return;
    }
    if (button == 4 && CheckValue(1) != 0) {
        mnuTopicsDisp_Click(2);
        return;
    }
    if (f.ChartShown == 0 || button != 1 || !Item("mnuFuncExItem", 4).Checked()) return;

    Surface& pane = PricePane();
    BalloonClick click;
    click.x = x;
    click.y = y;
    click.paneUnitsPerTwip = pane.Height() > 0 ? std::abs(pane.ScaleHeight() / pane.Height()) : 1;
    click.envelopeDaily = MainBoxText(37);
    click.envelopeWeekly = MainBoxText(39);
    click.envelopeQuick = MainBoxText(5);
    click.unit = CheckValue(8) != 0 ? std::string("月") : f.PeriodUnit.Text();
    const Balloon balloon = ExplainPress(BalloonKindOf(*this), f, ReadBalloonMarks(*this), click);

    SetForeColor(Label16, balloon.textColor);
    if (balloon.startsAfresh) {
        LegendBox().Cls();
        Label16->clear();
    }
    const BalloonLegend& legend = balloon.legend;
    if (legend.drawn) {
        PlaceInScale(pane, *Picture8, LeftInScale(pane, *Picture8), TopInScale(pane, *Picture8),
                     WidthInScale(pane, *Picture8), legend.height);
        DrawLegend(LegendBox(), legend);
        if (legend.shown) {
            Picture8->show();
            Picture8->raise();
        }
        PlaceInScale(pane, *Picture8, legend.left, legend.top);
    }
    if (balloon.startsAfresh || balloon.labelShown) {
        Label16->setText(LabelText(balloon.caption));
        Label16->adjustSize();
    }
    if (!balloon.labelShown) return;
    const double top = balloon.labelTop + (balloon.labelTopAddsOwnHeight ? HeightInScale(pane, *Label16) : 0);
    PlaceInScale(pane, *Label16, balloon.labelLeft, top);
    Label16->show();
    Label16->raise();
}

void Form3::Picture1_MouseUp(int, int, double, double) {
    Picture8->hide();
    Label16->hide();
    FocusToolbarStrip();
}

void Form3::Picture1_KeyDown(int, int) { FocusToolbarStrip(); }

void Form3::Picture1_DblClick() {
    auto& f = fields_;
    if (f.ChartShown != 1 || CheckValue(1) == 0) return;
    const MenuItem enlarged = Item("mnuGamen比", 2);
    if (enlarged.Checked()) {
        f.VolumeAreaRatio = 7;
        enlarged.SetChecked(false);
    } else {
        f.VolumeAreaRatio = 3;
        enlarged.SetChecked(true);
    }
    // A changed ViewLow makes the redraw choose the price scale afresh.
    f.ViewLow += 1;
    RedrawChart(*this);
}

void Form3::mnuTopicsDisp_Click(int index) {
    const MenuItem across = Item("mnuTopicsDisp", 1);
    const MenuItem upright = Item("mnuTopicsDisp", 2);
    if (index == 1) {
        if (across.Checked()) {
            across.SetChecked(false);
        } else {
            across.SetChecked(true);
            upright.SetChecked(false);
        }
    } else if (index == 2) {
        if (upright.Checked()) {
            upright.SetChecked(false);
        } else {
            across.SetChecked(false);
            upright.SetChecked(true);
        }
    } else {
        return;
    }
    RedrawChart(*this);
}

}  // namespace ranvik
