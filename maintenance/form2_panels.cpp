// Form2's panels: hover looks, dragging a panel by its free area, the display items, and the resize rules.
#include <QEvent>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>

#include "core/main_window.h"
#include "core/program_state.h"
#include "maintenance/form2.h"
#include "maintenance/form2_internal.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/control_drag.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/label_button.h"
#include "platform/ui/text_box.h"
#include "platform/ui/twips.h"

namespace ranvik {

using namespace form2_internal;

// ---------------------------------------------------------------- hover looks

void Form2::ButtonMouseMove(QPushButton* button) { ShowHover(button); }

void Form2::CloseImageMouseMove(LabelButton* normalImage) {
    LabelButton* hover = normalImage == Picture1   ? Picture2
                         : normalImage == Picture4 ? Picture5
                         : normalImage == Picture6 ? Picture7
                                                   : Picture9;
    hover->move(normalImage->pos());
    hover->show();
    hover->raise();
    HoverActive = kTrue;
}

void Form2::Frame3_MouseMove() {
    if (HoverActive == kFalse) return;
    // The button of the operation under way keeps its hover look.
    for (QPushButton* b : {表示CMD, リセットCMD, 銘柄削除CMD, 終了CMD}) SetBackColor(b, kButtonRestored);
    if (!IsAddState(OperationState)) SetBackColor(追加CMD, kButtonRestored);
    if (!IsModifyState(OperationState)) SetBackColor(修正CMD, kButtonRestored);
    if (!IsDeleteState(OperationState)) SetBackColor(削除CMD, kButtonRestored);
    if (OperationState != kNewFileOpen) SetBackColor(新ファイルCMD, kButtonRestored);
    Picture1->raise();
    Picture4->raise();
    HoverActive = kFalse;
}

void Form2::Frame1_MouseMove() {
    if (HoverActive == kFalse) return;
    for (QPushButton* b : {範囲指定BTN, 範囲削除BTN, 範囲削除保存BTN}) SetBackColor(b, kButtonRestored);
    Picture4->raise();
    HoverActive = kFalse;
}

void Form2::Frame2_MouseMove() {
    if (HoverActive == kFalse) return;
    for (QPushButton* b : {Command1, チャート補正保存}) SetBackColor(b, kButtonRestored);
    Picture6->raise();
    HoverActive = kFalse;
}

void Form2::Frame4_MouseMove() {
    Picture8->raise();
    HoverActive = kFalse;
}

// ---------------------------------------------------------------- panel drag

void Form2::Panel_MouseDown(QGroupBox* panel, double x, double y) {
    // The new-file and correction panels hold controls all over: only their
    // edge strip takes a drag.
    if (panel == Frame4 || panel == Frame2) {
        const bool edge = y <= kEdgeStripTop || x <= kEdgeStripLeft || x >= kEdgeStripRight;
        if (!edge) return;
    } else if (panel != Frame3) {
        return;
    }
    GrabX = x;
    GrabY = y;
    drag_->BeginDrag(panel);
}

void Form2::Panel_DragDrop(QWidget* receiver, QWidget* source, double x, double y) {
    // The drop point in the window's twips: a receiver inside the window
    // adds its own place, the range panel also that of the operation panel
    // that holds it.
    for (QWidget* w = receiver; w != nullptr && w != this; w = w->parentWidget()) {
        x += LeftOf(w);
        y += TopOf(w);
    }
    SetLeft(source, x - GrabX);
    SetTop(source, y - GrabY);
}

// ---------------------------------------------------------------- display items

void Form2::mnuSelToolItem_Click(int index) {
    const MenuItem item = Item("mnuSelToolItem", index);
    switch (index) {
        case 3: {
            const bool show = !item.Checked();
            item.SetChecked(show);
            Frame3->setVisible(show);
            if (show) Frame3->raise();
            Item("mnuSelToolItem", 4).SetEnabled(show);
            break;
        }
        case 4: {
            // The range panel lies below the short panel's edge.
            const bool tall = !item.Checked();
            item.SetChecked(tall);
            SetHeight(Frame3, tall ? kPanelTallHeight : kPanelShortHeight);
            break;
        }
        case 7: 終了CMD_Click(); break;
        default: break;
    }
}

// ---------------------------------------------------------------- resize

int Form2::FormWidthTw() const {
    const QMdiSubWindow* frame = Frame();
    return frame != nullptr ? WidthOf(frame) : WidthOf(this);
}

int Form2::FormHeightTw() const {
    const QMdiSubWindow* frame = Frame();
    return frame != nullptr ? HeightOf(frame) : HeightOf(this);
}

void Form2::resizeEvent(QResizeEvent* event) {
    ChildForm::resizeEvent(event);
    Form_Resize();
}

void Form2::Form_Resize() {
    QMdiSubWindow* frame = Frame();
    if (frame != nullptr && frame->isMinimized()) return;
    const auto& app = Program().app;
    // The caption belongs to the active child: a window resized behind a
    // chart window leaves the chart's title alone.
    MDIForm1* main = Program().windows.MainForm;
    if (main != nullptr && frame != nullptr && main->ActiveChild() == this) {
        main->setWindowTitle(QString::fromStdString(app.AppTitle) + (frame->isMaximized() ? QString() : windowTitle()));
    }
    const int width = FormWidthTw();
    const int height = FormHeightTw();
    if (height < 2000) return;
    const bool admin = app.AdminMode == kTrue;
    // 1. Room for columns 0 to 8, or what the window leaves.
    const int left = LeftOf(FGrid1);
    if (left + 9660 + 300 <= width) {
        SetWidth(FGrid1, 9850);
        FGrid1->SetScrollBars(admin ? kFlexScrollBoth : kFlexScrollVertical);
    } else if (left + 300 < width) {
        SetWidth(FGrid1, width - left - 300);
        FGrid1->SetScrollBars(kFlexScrollBoth);
    }
    // 2.
    SetHeight(FGrid1, height - 730 - (app.OsMajorVersion >= 6 ? 50 : 0));
    const int gridWidth = WidthOf(FGrid1);
    // 3.
    if (OperationState == kDeleteAsking && gridWidth > kDeleteQuestionMargin) {
        SetWidth(Text1, gridWidth - kDeleteQuestionMargin);
    }
    // 4. An editor over a cell is cut at the grid's right edge.
    if (OperationState == kAddEditing || OperationState == kModifyEditing) {
        const int editorLeft = LeftOf(Text1);
        if (gridWidth - 375 >= editorLeft && gridWidth - 350 <= editorLeft + EditColumnWidth) {
            Text1->show();
            SetWidth(Text1, gridWidth - 290 - editorLeft);
        } else if (gridWidth - 350 > editorLeft + EditColumnWidth) {
            SetWidth(Text1, EditColumnWidth - 10);
        } else {
            Text1->hide();
        }
    }
}

// ---------------------------------------------------------------- mouse

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress) return ChildForm::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        if (type == QEvent::MouseMove) ButtonMouseMove(button);
    } else if (auto* panel = qobject_cast<QGroupBox*>(watched)) {
        if (type == QEvent::MouseMove) {
            if (panel == Frame3) Frame3_MouseMove();
            if (panel == Frame1) Frame1_MouseMove();
            if (panel == Frame2) Frame2_MouseMove();
            if (panel == Frame4) Frame4_MouseMove();
        } else {
            Panel_MouseDown(panel, PixelsToTwips(mouse->position().x()), PixelsToTwips(mouse->position().y()));
        }
    }
    return ChildForm::eventFilter(watched, event);
}

}  // namespace ranvik
