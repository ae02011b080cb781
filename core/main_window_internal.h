#pragma once
// What the files of the main window share: its program name and lock, the
// design geometry of its bars and list pane, text conversions, and the
// main window as the settings loader sees it.  Only MDIForm1's own files
// include this.
#include <QLineEdit>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "core/child_form.h"
#include "core/main_window.h"
#include "core/settings_file.h"

namespace ranvik::main_window_internal {

inline constexpr const char* kProgramName = "Ranvikチャート";
inline constexpr const char* kLockName = ".ranvikchart.lock";

// The frame and caption around the window's inside: the layout's fixed
// allowances (735 twips, and 150 or 220 more from system version 6 on) are
// measured against the outer height and width, frame and caption included.
inline constexpr int kNonClientHeightTw = 585;
inline constexpr int kNonClientWidthTw = 240;

// Design geometry of the bars and the list pane (twips).
inline constexpr int kStripHeight = 570;
inline constexpr int kQuickBarHeight = 660;
inline constexpr int kAddressBarHeight = 420;
inline constexpr int kListPaneWidth = 2600;
inline constexpr int kGridLeft = 30;
inline constexpr int kGridWidth = 2290;
inline constexpr int kTabTop = 30;
inline constexpr int kTabWidth = 720;
inline constexpr int kTabHeight = 190;
inline constexpr int kFileGridTop = 270;
inline constexpr int kFileGridHeight = 1900;
inline constexpr int kBothGridsShift = 2010;
inline constexpr int kRowHeight = 225;

// Extended parameter panel (twips).
inline constexpr int kViewportLeft = 30;
inline constexpr int kViewportTop = 330;
inline constexpr int kContentWidth = 2900;
inline constexpr int kScrollWidth = 255;

inline const Color kFreeTab = QBColor(11);

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }

// The number of a panel box from its designer name ("Text44" gives 44).
int BoxNumber(std::string_view box);

struct PanelBoxDef {
    int textNo;
    std::string_view design;
    std::string_view row;
};
struct PanelFrameDef {
    std::string_view caption;
    std::vector<PanelBoxDef> boxes;
};

// The frames of the extended panel in the order of its settings keys, and
// the parabolic start value, which has no key.
std::vector<PanelFrameDef> PanelFrames();

// The chart window the main window's bars act on; none while no chart
// window is the active child (none open, or the maintenance or company
// window in front).
ChartWindowBase* ActiveChartWindow(const MDIForm1& main);
// ChartCommand := code, then the window's CommCheck := 1: the window has
// carried the command out when this returns.
void SendChartCommand(ChartWindowBase& window, int code);

// The main window as the settings file's loader sees it.
class MainWindowSettings final : public SettingsTarget {
public:
    explicit MainWindowSettings(MDIForm1& form) : form_(form) {}
    void SetWindowState(int state) override { form_.SetWindowStateNumber(state); }
    void SetFuncExItemChecked(int item, bool checked) override {
        form_.Item("mnuFuncExItem", item).SetChecked(checked);
    }
    void SetBoxText(std::string_view box, const std::string& text) override {
        if (QLineEdit* edit = form_.PanelBox(BoxNumber(box))) edit->setText(Q(text));
    }

private:
    MDIForm1& form_;
};

}  // namespace ranvik::main_window_internal
