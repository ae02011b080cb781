// What a press of a toolbar button and a choice in a button's menu do: open and arrange chart windows, and set the
// active chart window's boxes, crosshair item, commands and load requests.
#include <QMdiArea>

#include "core/child_form.h"
#include "core/main_window.h"
#include "core/main_window_internal.h"
#include "core/program_state.h"
#include "core/window_management.h"

namespace ranvik {

using namespace main_window_internal;

namespace {

// The kind buttons and the boxes they set to 1.
struct KeyBox {
    const char* key;
    int box;
};
constexpr KeyBox kKindButtons[] = {{"ローソク", 1},       {"比較", 2},          {"逆ウオッチ", 3}, {"Ｐ＆Ｆ", 4},
                                   {"年毎比較", 10}, {"新値足非時系列", 11}, {"新値足時系列", 12}};
// The option buttons and the boxes they toggle.
constexpr KeyBox kOptionButtons[] = {{"データ", 6}, {"年", 7}, {"月", 8}, {"出来高", 9}};
// The command buttons and their ChartCommand codes.
constexpr KeyBox kCommandButtons[] = {{"拡大", 1}, {"縮小", 2}, {"指標窓", 3}, {"出来高域", 5}, {"色", 99}};

}  // namespace

ChartWindowBase* main_window_internal::ActiveChartWindow(const MDIForm1& main) {
    return dynamic_cast<ChartWindowBase*>(main.ActiveChild());
}

void main_window_internal::SendChartCommand(ChartWindowBase& window, int code) {
    Program().commands.ChartCommand = static_cast<std::int16_t>(code);
    if (HiddenCheckBox* box = window.CommandBox()) box->SetValue(1);
}

void MDIForm1::Toolbar1_ButtonClick(const std::string& key) {
    if (key == "窓") {
        OpenChartWindow();
        return;
    }
    if (key == "窓ＬＲ") {
        RunWindowMenu(2);
        return;
    }
    if (key == "窓ＵＤ") {
        RunWindowMenu(1);
        return;
    }
    FocusToolbarStrip();
    if (key == "業績グラフ") {
        mnu会社Item_Click(0);
        return;
    }
    ChartWindowBase* window = ActiveChartWindow(*this);
    if (window == nullptr) return;
    bool acted = false;
    for (const KeyBox& k : kKindButtons) {
        if (key != k.key) continue;
        window->CheckBox(k.box)->SetValue(1);
        acted = true;
    }
    for (const KeyBox& k : kOptionButtons) {
        if (key != k.key) continue;
        HiddenCheckBox* box = window->CheckBox(k.box);
        box->SetValue(box->Value() == 0 ? 1 : 0);
        acted = true;
    }
    for (const KeyBox& k : kCommandButtons) {
        if (key != k.key) continue;
        SendChartCommand(*window, k.box);
        acted = true;
    }
    if (key == "十字") {
        const MenuItem cross = window->Item("mnuMisc", 0);
        cross.SetChecked(!cross.Checked());
        acted = true;
    }
    if (key == "ボタン１" || key == "ボタン２") {
        window->FG1Text6.SetText(key == "ボタン１" ? "1" : "2");
        if (LastSelectedGrid == 1) {
            MarkMyFileRowShown();
        } else {
            MarkListRowShown();
        }
        acted = true;
    }
    if (acted) FocusToolbarStrip();
}

void MDIForm1::Toolbar1_ButtonMenuClick(const std::string& text, int index) {
    ChartWindowBase* window = ActiveChartWindow(*this);
    if (window == nullptr) return;
    if (text.rfind("年毎比較", 0) == 0) {
        window->FG1Text6.SetText(index == 1 ? "11" : "12");
        return;
    }
    Program().commands.BackColorIndex = static_cast<std::int16_t>(index - 1);
    SendChartCommand(*window, 199);
}

}  // namespace ranvik
