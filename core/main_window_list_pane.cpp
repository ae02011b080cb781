// The stock list pane: its controls, the list chooser, the layout switch and the edge drag.
#include "core/main_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "core/data_store.h"
#include "core/list_pane.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/keys.h"
#include "platform/ui/pointers.h"
#include "core/main_window_internal.h"

namespace ranvik {

using namespace main_window_internal;

void MDIForm1::BuildListPane() {
    Picture2 = new QFrame(centralWidget());
    Picture2->setObjectName("Picture2");
    Picture2->setFrameShape(QFrame::StyledPanel);
    Picture2->setFixedWidth(TwipsToPixels(kListPaneWidth));
    Picture2->setMouseTracking(true);
    Picture2->installEventFilter(this);

    LabelButton** tabs[] = {&Label3, &Label4, &Label5};
    for (int i = 0; i < 3; ++i) {
        auto* tab = new LabelButton(Picture2);
        tab->SetAutoPressLook(false);
        tab->setObjectName(QString("Label%1").arg(3 + i));
        tab->setAlignment(Qt::AlignCenter);
        tab->setFrameShape(QFrame::Panel);
        tab->setFrameShadow(QFrame::Raised);
        MoveTwips(tab, kGridLeft + i * 735, kTabTop, kTabWidth, kTabHeight);
        SetBackColor(tab, kFreeTab);
        QFont f = tab->font();
        f.setPointSize(7);
        tab->setFont(f);
        const int no = i + 1;
        connect(tab, &LabelButton::MouseDown, this, [this, no](int, int, double, double) { WindowTab_MouseDown(no); });
        connect(tab, &LabelButton::MouseUp, this, [this, no](int, int, double, double) { WindowTab_MouseUp(no); });
        *tabs[i] = tab;
    }

    Picture7 = new LabelButton("切換", Picture2);
    Picture7->SetAutoPressLook(false);
    Picture7->setObjectName("Picture7");
    Picture7->setToolTip("銘柄リスト切換(M)");
    Picture7->setAlignment(Qt::AlignCenter);
    Picture7->setFrameShape(QFrame::Panel);
    Picture7->setFrameShadow(QFrame::Raised);
    MoveTwips(Picture7, 2250, 15, 300, 225);
    QFont small = Picture7->font();
    small.setPointSize(7);
    Picture7->setFont(small);
    Picture7->setMouseTracking(true);
    connect(Picture7, &LabelButton::MouseDown, this, [this](int, int, double, double) { Picture7_MouseDown(); });
    connect(Picture7, &LabelButton::MouseUp, this, [this](int, int, double, double) { Picture7_MouseUp(); });
    connect(Picture7, &LabelButton::MouseMove, this, [this](int, int, double, double) { Picture7_MouseMove(); });
    Picture8 = new QLabel("切換", Picture2);
    Picture8->setObjectName("Picture8");
    Picture8->setAlignment(Qt::AlignCenter);
    Picture8->setFrameShape(QFrame::Panel);
    Picture8->setFrameShadow(QFrame::Sunken);
    Picture8->setFont(small);
    MoveTwips(Picture8, 2265, 30, 300, 225);
    Picture8->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture8->hide();

    // The grids, the chooser and the search frame come from the list pane;
    // they sit on this pane among its other controls.
    listPane_ = new ListPane(Picture2);
    listPane_->hide();
    listPane_->FocusToolbar = [this] { FocusToolbarStrip(); };
    listPane_->ClearListHighlight = [this] { ClearListHighlight(); };
    MSFGrid1 = listPane_->MSFGrid1;
    Combo1 = listPane_->Combo1;
    Frame26 = listPane_->Frame26;
    Combo3 = listPane_->Combo3;
    MSF全Grid2 = listPane_->MSF全Grid2;
    MSFGrid1->setObjectName("MSFGrid1");
    MSF全Grid2->setObjectName("MSF全Grid2");
    Combo1->setObjectName("Combo1");
    Frame26->setObjectName("Frame26");
    Combo3->setObjectName("Combo3");
    for (QWidget* w : {static_cast<QWidget*>(MSFGrid1), static_cast<QWidget*>(Combo1),
                       static_cast<QWidget*>(Frame26), static_cast<QWidget*>(MSF全Grid2)}) {
        w->setParent(Picture2);
        w->show();
    }
    Frame26->hide();
    // Neither grid has a fixed column.
    for (FlexGrid* grid : {MSFGrid1, MSF全Grid2}) grid->SetFixedCols(0);

    const int chooserTop = kFileGridTop + kBothGridsShift;
    MoveTwips(MSFGrid1, kGridLeft, kFileGridTop, kGridWidth, kFileGridHeight);
    MoveTwips(Combo1, kGridLeft, chooserTop, 1500, 315);
    connect(MSFGrid1, &FlexGrid::MouseMove, this, [this](int, int, double, double) { Grid_MouseMove(); });
    connect(MSFGrid1, &FlexGrid::MouseDown, this, &MDIForm1::MSFGrid1_MouseDown);
    connect(MSFGrid1, &FlexGrid::DblClick, this, &MDIForm1::MSFGrid1_DblClick);

    // The immediate-display toggle: two images at one place, one visible.
    const struct {
        LabelButton** image;
        const char* name;
        const char* tip;
        QFrame::Shadow shadow;
    } toggles[] = {{&Picture5, "Picture5", "↑↓で即時表示しない(N)", QFrame::Raised},
                   {&Picture6, "Picture6", "↑↓で即時表示する(N)", QFrame::Sunken}};
    for (const auto& t : toggles) {
        auto* image = new LabelButton("即", Picture2);
        image->SetAutoPressLook(false);
        image->setObjectName(t.name);
        image->setToolTip(t.tip);
        image->setFrameShape(QFrame::Panel);
        image->setFrameShadow(t.shadow);
        image->setAlignment(Qt::AlignCenter);
        image->setFont(small);
        *t.image = image;
    }
    MoveTwips(Picture5, 1620, chooserTop + 45, 220, 220);
    MoveTwips(Picture6, 1900, chooserTop + 45, 220, 220);
    SetForeColor(Picture6, QBColor(12));
    Picture6->hide();
    connect(Picture5, &LabelButton::MouseDown, this, [this](int, int, double, double) { Picture5_MouseDown(); });
    connect(Picture5, &LabelButton::MouseUp, this, [this](int, int, double, double) { Picture5_MouseUp(); });
    connect(Picture6, &LabelButton::MouseDown, this, [this](int, int, double, double) { Picture6_MouseDown(); });
    connect(Picture6, &LabelButton::MouseUp, this, [this](int, int, double, double) { Picture6_MouseUp(); });

    Frame1 = new QGroupBox(Picture2);
    Frame1->setObjectName("Frame1");
    MoveTwips(Frame1, kGridLeft, chooserTop + 330, kGridWidth, 330);
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    Option1 = new QRadioButton("日", Frame1);
    Option1->setObjectName("Option1");
    MoveTwips(Option1, 120, 30, 700, 270);
    Option2 = new QRadioButton("週", Frame1);
    Option2->setObjectName("Option2");
    MoveTwips(Option2, 1000, 30, 700, 270);
    Option2->setChecked(true);
    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });

    MoveTwips(Frame26, kGridLeft, chooserTop - 10, kGridWidth, 690);
    MoveTwips(Combo3, 30, 30, 2200, 300);
    検索cmd = new QPushButton("検索", Frame26);
    検索cmd->setObjectName("検索cmd");
    MoveTwips(検索cmd, 30, 360, 1000, 285);
    Command2 = new QPushButton("X", Frame26);
    Command2->setObjectName("Command2");
    Command2->setToolTip("検索閉じる");
    MoveTwips(Command2, 1230, 360, 1000, 285);
    Frame26->raise();
    ConnectSearchFrame();

    MoveTwips(MSF全Grid2, kGridLeft, chooserTop + 690, kGridWidth, 4000);
    connect(MSF全Grid2, &FlexGrid::MouseMove, this, [this](int, int, double, double) { Grid_MouseMove(); });
    connect(MSF全Grid2, &FlexGrid::MouseDown, this, &MDIForm1::MSF全Grid2_MouseDown);
    connect(MSF全Grid2, &FlexGrid::DblClick, this, &MDIForm1::MSF全Grid2_DblClick);
    QFont gridFont = MSFGrid1->font();
    gridFont.setPointSize(9);
    MSFGrid1->setFont(gridFont);
    MSF全Grid2->setFont(gridFont);
    ActiveGrid = MSFGrid1;
}

void MDIForm1::Combo1_Click() { listPane_->Combo1_Click(); }

void MDIForm1::FillDataFileList(const std::string& folder) {
    // A table that cannot be read is reported; the grid keeps the file names.
    try {
        ranvik::FillDataFileList(*MSFGrid1, folder);
    } catch (const FileError&) {
        ShowMessage("<全銘柄> --- 銘柄リストを読めません", kProgramName, MessageIcon::Exclamation);
    }
}

// ---------------------------------------------------------------- list pane

void MDIForm1::Picture7_MouseDown() { ShowPressedLook(Picture7); }

void MDIForm1::Picture7_MouseUp() {
    Picture8->hide();
    Picture7->show();
    ListLayout = static_cast<std::int16_t>((ListLayout + 1) % 3);
    QWidget* movers[] = {Combo1, Frame1, Frame26, MSF全Grid2, Picture5, Picture6};
    auto shift = [&](int by) {
        for (QWidget* w : movers) SetTop(w, TopOf(w) + by);
    };
    if (ListLayout == kListGridAlone) {
        MSFGrid1->hide();
        shift(-kBothGridsShift);
        SetHeight(MSF全Grid2, HeightOf(MSF全Grid2) + kBothGridsShift);
        ActiveGrid = MSF全Grid2;
    } else if (ListLayout == kFileGridAlone) {
        MSF全Grid2->hide();
        Frame1->hide();
        Combo1->hide();
        Frame26->hide();
        ShowToggleImage();
        MSFGrid1->show();
        int height = MSFGrid1->Rows() * kRowHeight;
        const int room = FormHeightTw() - [this] {
            int top = 0;
            for (QWidget* bar : {static_cast<QWidget*>(Picture1), static_cast<QWidget*>(Picture3),
                                 static_cast<QWidget*>(Picture4)}) {
                if (!bar->isHidden()) top += HeightOf(bar);
            }
            return top;
        }() - TopOf(MSFGrid1) - 780;
        if (room < height) {
            height = room;
            if (Program().app.OsMajorVersion >= 6 && height > 130) height -= 130;
        }
        SetHeight(MSFGrid1, height);
        ActiveGrid = MSFGrid1;
    } else {
        SetHeight(MSFGrid1, kFileGridHeight);
        MSFGrid1->show();
        Frame1->show();
        Combo1->show();
        // The toggle looks as it is: it may have been switched while its
        // row was hidden.
        ShowToggleImage();
        if (MSFGrid1->Row() != 0) MSFGrid1->SetTopRow(MSFGrid1->Row());
        MSF全Grid2->show();
        shift(kBothGridsShift);
        if (Combo1->currentText() == "検索") Frame26->show();
        if (HeightOf(MSF全Grid2) > kBothGridsShift) SetHeight(MSF全Grid2, HeightOf(MSF全Grid2) - kBothGridsShift);
    }
    FocusToolbarStrip();
}

void MDIForm1::Picture7_MouseMove() {
    SetMousePointer(Picture2, 1);
    ListPaneDragX = 0;
}

void MDIForm1::Grid_MouseMove() {
    if (MousePointerOf(Picture2) == 9) {
        SetMousePointer(Picture2, 1);
        ListPaneDragX = 0;
    }
}

void MDIForm1::Frame1_MouseMove() { SetMousePointer(Picture2, 1); }

void MDIForm1::Picture2_MouseMove(int button, int x) {
    if (Program().app.AdminMode != kTrue) return;
    const bool sizing = MousePointerOf(Picture2) == 9;
    if (ListPaneDragX != 0 && button == 1 && sizing) {
        const double width = WidthOf(Picture2) + (x - ListPaneDragX);
        if (width < ListPaneMinWidth) {
            Picture2->setFixedWidth(TwipsToPixels(ListPaneMinWidth));
            if (WidthOf(MSFGrid1) != kGridWidth) {
                SetWidth(MSFGrid1, kGridWidth);
                SetWidth(MSF全Grid2, kGridWidth);
            }
            SetMousePointer(Picture2, 1);
            ListPaneDragX = 0;
            FocusToolbarStrip();
            return;
        }
        Picture2->setFixedWidth(TwipsToPixels(width));
        auto columnsWidth = [](FlexGrid* grid) {
            int sum = 0;
            for (int c = 0; c < grid->Cols(); ++c) sum += grid->ColWidth(c);
            return sum;
        };
        if (width < columnsWidth(MSFGrid1) + 400) SetWidth(MSFGrid1, static_cast<int>(width));
        if (width < columnsWidth(MSF全Grid2) + 400) SetWidth(MSF全Grid2, static_cast<int>(width));
        ListPaneDragX = x;
        return;
    }
    if (x > WidthOf(Picture2) - 150 && button == 0) {
        SetMousePointer(Picture2, 9);
        ListPaneDragX = x;
    } else {
        SetMousePointer(Picture2, 1);
        ListPaneDragX = 0;
    }
}

void MDIForm1::Picture2_Click() { FocusToolbarStrip(); }

void MDIForm1::Picture3_Click() { FocusToolbarStrip(); }

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
    if (ParameterBoxEvent(watched, event)) return true;
    const auto type = event->type();
    if (type == QEvent::WindowStateChange) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(watched)) {
            ChildStateChanged(frame, static_cast<QWindowStateChangeEvent*>(event)->oldState());
        }
    }
    if (watched == Picture2) {
        if (type == QEvent::MouseMove) {
            auto* e = static_cast<QMouseEvent*>(event);
            Picture2_MouseMove((e->buttons() & Qt::LeftButton) ? 1 : 0, PixelsToTwips(static_cast<int>(e->position().x())));
        } else if (type == QEvent::MouseButtonRelease) {
            Picture2_Click();
        }
    } else if (watched == Picture1 && type == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        const int key = VirtualKeyCode(*e);
        switch (key) {
            case 13: case 37: case 38: case 39: case 40: case 77: case 78: case 88:
                Picture1_KeyDown(key, ShiftStateOf(e->modifiers()));
                return true;
            default: break;
        }
    } else if (watched == Picture3 && type == QEvent::MouseButtonRelease) {
        Picture3_Click();
    } else if (watched == Frame1 && type == QEvent::MouseMove) {
        Frame1_MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace ranvik
