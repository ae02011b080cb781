#pragma once
// A chart window as the drawing routines see it, without the window: the
// panes are recording surfaces, the scroll bar, labels and menu items are
// real controls, the main window's buttons a table.  The scroll bar's
// changes are logged together with DataFileName at the time, which tells
// whether the window's scroll handler would have drawn.
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <vector>

#include "chart/drawing/chart_host.h"
#include "platform/surface/recording_surface.h"

namespace ranvik::test {

class TestChartHost : public ChartHost {
public:
    TestChartHost() {
        MenuItemArray* display = menus.Add(&menu, &owner, "mnu表示ボタン");
        for (int i = 1; i <= 6; ++i) display->Add(i, "display " + std::to_string(i));
        MenuItemArray* layout = menus.Add(&menu, &owner, "mnuGamen比");
        for (int i = 1; i <= 5; ++i) layout->Add(i, "layout " + std::to_string(i));
        for (int no : {1, 10, 12, 14, 20, 21}) labels[no] = std::make_unique<QLabel>();
        checks[1] = 1;
        bar.setRange(14, 14);
        QObject::connect(&bar, &QScrollBar::valueChanged, [this](int value) {
            scrollChanges.push_back({value, fields.DataFileName});
        });
    }

    ChartWindowState& Fields() override { return fields; }
    Surface& PricePane() override { return price; }
    Surface& IndicatorPane() override { return indicator; }
    QScrollBar& ScrollBar() override { return bar; }
    int CheckValue(int box) const override { return checks.at(static_cast<std::size_t>(box)); }
    MenuItem Item(const std::string& array, int index) const override { return menus.Item(array, index); }
    QLabel& LabelNo(int number) override { return *labels.at(number); }
    bool BlinkRunning() const override { return blinking; }
    void StopBlink() override { blinking = false; }
    void SetToolbarButtonEnabled(const std::string& key, bool enabled) override { buttons[key] = enabled; }
    void FocusToolbarStrip() override { ++focusCalls; }

    struct ScrollChange {
        int value;
        std::string dataFileName;
    };

    ChartWindowState fields;
    RecordingSurface price{9000, 4000};
    RecordingSurface indicator{9000, 1310};
    QScrollBar bar{Qt::Horizontal};
    std::array<int, 13> checks{};
    QWidget owner;
    QMenu menu;
    MenuSet menus;
    std::map<int, std::unique_ptr<QLabel>> labels;
    std::map<std::string, bool> buttons;
    bool blinking = true;
    int focusCalls = 0;
    std::vector<ScrollChange> scrollChanges;
};

}  // namespace ranvik::test
