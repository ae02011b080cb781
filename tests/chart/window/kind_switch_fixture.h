#pragma once
// Chart windows whose other chart kinds only count their drawing passes and
// whose main-window signal (Activate10) counts its raises.
#include "tests/chart/window/chart_window_fixture.h"

namespace ranvik::test {

class KindCountingForm3 : public RecordingForm3 {
public:
    KindCountingForm3() {
        auto sync = Activate10.OnClick;
        Activate10.OnClick = [this, sync] {
            if (Activate10.Value() == 1) ++raisedSignals;
            sync();
        };
    }
    // A recording quick bar in the main window's bar's place, when set.
    Surface& QuickBar() override { return quickBar != nullptr ? *quickBar : RecordingForm3::QuickBar(); }
    void DrawStockCompare(ChartFile&) override { ++kindDraws; }
    void DrawReverseWatch(ChartFile&) override { ++kindDraws; }
    void DrawPointFigure(ChartFile&) override { ++kindDraws; }
    void DrawYearCompare(ChartFile&) override { ++kindDraws; }
    void DrawThreeLineBreak(ChartFile&) override { ++kindDraws; }

    // Drawing passes since the last Forget: candle drawings and the other
    // kinds' drawers.
    int Passes() const { return Draws() + kindDraws; }
    void Forget() {
        price.ClearLog();
        kindDraws = 0;
        raisedSignals = 0;
    }

    Surface* quickBar = nullptr;
    int kindDraws = 0;
    int raisedSignals = 0;
};

class KindSwitchTest : public ChartWindowTest {
protected:
    void SetUp() override {
        ChartWindowTest::SetUp();
        Makers().chartWindow = [] { return new KindCountingForm3; };
    }
    KindCountingForm3& W(int no = 1) { return *static_cast<KindCountingForm3*>(Program().windows.ChartWindow(no)); }
    // The window with a stock drawn as candles, counters cleared.
    KindCountingForm3& Drawn(const std::string& file = "6501d.KDT") {
        StartShown();
        KindCountingForm3& w = W();
        // A window of its own size, whose panes the resize has laid out.
        w.Frame()->showNormal();
        w.Frame()->resize(900, 700);
        w.Form_Resize();
        RequestFile(file, "d");
        w.Forget();
        return w;
    }
    // A hidden box set to `value` as stored, without running its handler.
    static void SetQuietly(HiddenCheckBox& box, int value) {
        auto handler = std::move(box.OnClick);
        box.OnClick = nullptr;
        box.SetValue(value);
        box.OnClick = std::move(handler);
    }
    // The kind boxes 1 to 4 and 10 as stored, only `kind` set, without
    // their handlers' redraws.
    static void SetKindBoxes(KindCountingForm3& w, int kind) {
        for (int no : {1, 2, 3, 4, 10}) SetQuietly(*w.CheckBox(no), no == kind ? 1 : 0);
    }
};

// The kind boxes, their chart-menu items and toolbar keys.
struct KindBox {
    int box;
    const char* item;  // "mnuChartItem" or "mnuChartItemeyc"
    int index;
    const char* key;
};
inline constexpr KindBox kKinds[] = {
    {1, "mnuChartItem", 1, "ローソク"},         {2, "mnuChartItem", 2, "比較"},
    {3, "mnuChartItem", 3, "逆ウオッチ"},       {4, "mnuChartItem", 4, "Ｐ＆Ｆ"},
    {10, "mnuChartItemeyc", 1, "年毎比較"},     {11, "mnuChartItem", 6, "新値足非時系列"},
    {12, "mnuChartItem", 7, "新値足時系列"},
};

}  // namespace ranvik::test
