#pragma once
// A chart window as the drawing routines see it, without the window: its
// panes, the yearly pane, the read-out panel, the main window's quick bar and
// the printer page are recording surfaces of chosen sizes in twips; the
// scroll bar, labels and menu items are real controls (every item the
// drawers read, in its state at the window's creation); the main window's
// caption, tabs and buttons are recorded.  The scroll bar's changes are
// logged together with DataFileName at the time, which tells whether the
// window's scroll handler would have drawn.  The other chart kinds' drawers
// count their calls and check that file number 1 is open.
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"
#include "platform/surface/recording_surface.h"
#include "platform/ui/twips.h"

namespace ranvik::test {

struct HostSizes {
    double paneWidth = 9000;  // the price and indicator panes
    double priceHeight = 4000;
    double indicatorHeight = 1310;
    double printerWidth = 16000;  // an A4 page across, in twips
    double printerHeight = 11000;
    int formHeight = 6500;
    int priceTop = 265;
};

class TestChartHost : public ChartHost {
public:
    explicit TestChartHost(HostSizes sizes = {})
        : price(sizes.paneWidth, sizes.priceHeight),
          indicator(sizes.paneWidth, sizes.indicatorHeight),
          yearPane(2085, 1215),
          bandVolume(1050, sizes.priceHeight),
          dataPanel(10500, 420),
          quickBar(19000, 600),
          printer(sizes.printerWidth, sizes.printerHeight),
          bar(Qt::Horizontal, &owner),
          formHeight(sizes.formHeight) {
        tops[Pane::Price] = sizes.priceTop;
        tops[Pane::Indicator] = sizes.priceTop + static_cast<int>(sizes.priceHeight) + 10;
        tops[Pane::YearCandles] = 0;
        tops[Pane::BandVolume] = sizes.priceTop;
        visible[Pane::YearCandles] = false;
        AddItems("mnu表示ボタン", 1, 6);
        AddItems("mnuGamen比", 1, 5);
        menus.Item("mnuGamen比", 3).SetChecked(true);
        for (const char* name : {"mnuHosei", "mnuChart上下"}) {
            AddItems(name, 1, 1);
            menus.Item(name, 1).SetEnabled(false);
        }
        for (const char* name : {"mnuIdouHeikin", "mnu一目", "mnu一目雲のみ", "mnuボリンジャ", "mnuEnvelope",
                                 "mnuHLband", "mnuBBdaikin", "mnu陰陽足", "mnu3Days", "mnuPibott", "mnuParabolic",
                                 "mnu線形回帰", "mnuRSI", "mnuストキャス", "mnuPerOscillator", "mnuモメンタム",
                                 "mnuMACD", "mnuRCI", "mnuVector", "mnuOBV", "mnuKairiRitsu", "mnu2LineKairiRitsu",
                                 "mnuDekidaka", "mnuDekiIdou", "mnuPSY", "mnuSinyouBB"}) {
            AddItems(name, 1, 1);
        }
        AddItems("mnuKagiAshi", 1, 2);
        AddItems("mnuVolRate", 1, 3);
        AddItems("mnuTopicsDisp", 1, 2);
        AddItems("mnuMisc", 0, 4);
        AddItems("mnuFuncExItem", 0, 8);
        for (int no : {1, 5, 6, 7, 10, 12, 14, 20, 21}) labels[no] = std::make_unique<QLabel>(&owner);
        checks[1] = 1;
        MoveTwips(&bar, 30, 5615, 9050, 255);
        bar.setRange(14, 14);
        QObject::connect(&bar, &QScrollBar::valueChanged, [this](int value) {
            scrollChanges.push_back({value, fields.DataFileName});
        });
    }

    ChartWindowState& Fields() override { return fields; }
    Surface& PricePane() override { return price; }
    Surface& IndicatorPane() override { return indicator; }
    Surface& YearPane() override { return yearPane; }
    Surface& BandVolumePane() override { return bandVolume; }
    Surface& DataPanel() override { return dataPanel; }
    Surface& QuickBar() override { return quickBar; }
    Surface* PrintPage() override { return &printer; }
    PaperSetting PrintPaper() const override { return paper; }
    int PaneTop(Pane pane) const override { return tops.at(pane); }
    int PaneHeight(Pane pane) const override { return static_cast<int>(Of(pane).Height()); }
    bool PaneVisible(Pane pane) const override { return visible.count(pane) == 0 || visible.at(pane); }
    void SetPaneTop(Pane pane, int top) override { tops[pane] = top; }
    void SetPaneHeight(Pane pane, int height) override {
        RecordingSurface& s = Of(pane);
        s.Resize(s.Width(), height);
    }
    void SetPaneVisible(Pane pane, bool shown) override { visible[pane] = shown; }
    void SetPaneToolTip(Pane pane, const std::string& text) override { toolTips[pane] = text; }
    int FormHeight() const override { return formHeight; }
    QScrollBar& ScrollBar() override { return bar; }
    int CheckValue(int box) const override { return checks.at(static_cast<std::size_t>(box)); }
    MenuItem Item(const std::string& array, int index) const override { return menus.Item(array, index); }
    QLabel& LabelNo(int number) override { return *labels.at(number); }
    bool BlinkRunning() const override { return blinking; }
    void StopBlink() override { blinking = false; }
    void SetMainWindowCaption(const std::string& caption) override { mainCaption = caption; }
    void SetWindowCaption(const std::string& caption) override { windowCaption = caption; }
    void SetWindowTab(int windowNo, const std::string& caption, const std::string& toolTip) override {
        tabs[windowNo] = {caption, toolTip};
    }
    void SetToolbarButtonEnabled(const std::string& key, bool enabled) override { buttons[key] = enabled; }
    void FocusToolbarStrip() override { ++focusCalls; }
    std::string MainBoxText(int textNo) const override {
        const auto it = mainBoxes.find(textNo);
        return it == mainBoxes.end() ? std::string() : it->second;
    }
    void SetMainBoxText(int textNo, const std::string& text) override { mainBoxes[textNo] = text; }
    void SyncParamPanel() override { ++syncCalls; }
    void SetMainBoxEnabled(int textNo, bool enabled) override { mainBoxEnabled[textNo] = enabled; }
    BoxPlace MainBoxPlace(int textNo) const override {
        const auto it = mainBoxPlaces.find(textNo);
        return it == mainBoxPlaces.end() ? BoxPlace{} : it->second;
    }
    void SetMainLabel(int labelNo, const std::string& caption, Color color) override {
        mainLabels[labelNo].caption = caption;
        mainLabels[labelNo].color = color;
    }
    void SetMainLabelEnabled(int labelNo, bool enabled) override { mainLabels[labelNo].enabled = enabled; }
    void SetMainLabelColor(int labelNo, Color color) override { mainLabels[labelNo].color = color; }
    void DimMacdParams() override { ++macdDims; }
    void SetMainWindowEnabled(bool enabled) override {
        mainEnabled = enabled;
        mainEnabledLog.push_back(enabled);
    }
    void SetScreenPointer(int pointer) override {
        screenPointer = pointer;
        pointerLog.push_back(pointer);
    }
    void DrawStockCompare(ChartFile& file1) override { Drawn("stock comparison", file1); }
    void DrawReverseWatch(ChartFile& file1) override { Drawn("reverse watch", file1); }
    void DrawPointFigure(ChartFile& file1) override { Drawn("point and figure", file1); }
    void DrawYearCompare(ChartFile& file1) override { Drawn("year comparison", file1); }
    void DrawThreeLineBreak(ChartFile& file1) override { Drawn("three-line break", file1); }

    // Only this kind's box set.
    void ShowKind(int box) {
        for (int b : {1, 2, 3, 4, 10, 11, 12}) checks[static_cast<std::size_t>(b)] = b == box ? 1 : 0;
    }
    void SetItem(const std::string& array, int index, bool checked) { menus.Item(array, index).SetChecked(checked); }

    struct ScrollChange {
        int value;
        std::string dataFileName;
    };
    struct Tab {
        std::string caption;
        std::string toolTip;
    };

    ChartWindowState fields;
    RecordingSurface price;
    RecordingSurface indicator;
    RecordingSurface yearPane;
    RecordingSurface bandVolume;  // Picture5
    RecordingSurface dataPanel;
    RecordingSurface quickBar;
    // The page a print job draws on, for the drawers that print.
    RecordingSurface printer;
    QWidget owner;
    QScrollBar bar;
    int formHeight;
    std::map<Pane, int> tops;
    std::map<Pane, bool> visible;
    std::map<Pane, std::string> toolTips;
    PaperSetting paper;
    std::array<int, 13> checks{};
    QMenu menu;
    MenuSet menus;
    std::map<int, std::unique_ptr<QLabel>> labels;
    std::map<std::string, bool> buttons;
    std::string mainCaption;
    std::string windowCaption;
    std::map<int, std::string> mainBoxes;  // the main window's boxes by number
    std::map<int, Tab> tabs;
    std::map<std::string, int> kindDraws;  // the other kinds' drawers by name
    bool blinking = true;
    int focusCalls = 0;
    int syncCalls = 0;
    std::vector<ScrollChange> scrollChanges;
    // The quick bar's boxes and caption labels as the drawers leave them;
    // Text2 and Text3 lie where the main window puts them.
    struct MainLabelState {
        std::string caption;
        Color color;
        bool enabled = false;
    };
    std::map<int, bool> mainBoxEnabled;
    std::map<int, BoxPlace> mainBoxPlaces{{2, BoxPlace{120, 285, 500}}, {3, BoxPlace{1020, 285, 500}}};
    std::map<int, MainLabelState> mainLabels;
    // The main window's enabled state and the screen pointer as the drawers
    // set them, with every change in order.
    int macdDims = 0;
    bool mainEnabled = true;
    std::vector<bool> mainEnabledLog;
    int screenPointer = 0;
    std::vector<int> pointerLog;

private:
    void AddItems(const std::string& array, int first, int last) {
        MenuItemArray* items = menus.Add(&menu, &owner, array);
        for (int i = first; i <= last; ++i) items->Add(i, array + " " + std::to_string(i));
    }
    RecordingSurface& Of(Pane pane) const {
        auto* self = const_cast<TestChartHost*>(this);
        switch (pane) {
            case Pane::Price: return self->price;
            case Pane::Indicator: return self->indicator;
            case Pane::YearCandles: return self->yearPane;
            case Pane::BandVolume: return self->bandVolume;
        }
        return self->price;
    }
    void Drawn(const std::string& kind, ChartFile& file1) {
        ++kindDraws[kind];
        if (!file1.IsOpen()) ++kindDraws["without file 1"];
    }
};

}  // namespace ranvik::test
