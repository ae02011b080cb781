// The mouse over a chart window's price pane: one move with the crosshair,
// its price tag and the bar read-out, over the whole of a 4,681-bar daily
// file on a 1920 x 1080 window (pixel ratio 1), the chart itself not
// redrawn; a move must stay well within a 60 Hz frame (target: 2 ms).  And
// the read-out's walk of the monthly file of a 32,767-record daily file to
// its last month (target: 1 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <cstdlib>
#include <memory>

#include "chart/drawing/bar_readout.h"
#include "chart/drawing/redraw.h"
#include "chart/window/form3.h"
#include "core/program_state.h"
#include "platform/surface/screen_surface.h"
#include "tests/support/data_files.h"

namespace ranvik {
namespace {

struct ShownChart {
    ShownChart(int bars, const char* name) {
        Program().app.AppDir = dir.Path();
        test::WriteDataFile(dir.File(name), bars);
        Program().windows.NewWindowNo = 1;
        window.resize(1920, 1080);
        for (ScreenSurface* pane : {window.Picture1, window.Picture3, window.Picture5, window.Picture11}) {
            pane->SetPixelRatio(1);
        }
        window.Load();
        window.Fields().DataFileName = dir.File(name);
        ShowFullView(window);
    }
    test::TempFolder dir;
    Form3 window;
};

std::unique_ptr<ShownChart>& Holder(int which) {
    static std::unique_ptr<ShownChart> charts[2];
    return charts[which];
}

ShownChart& Daily() {
    if (!Holder(0)) {
        Holder(0) = std::make_unique<ShownChart>(4681, "1301d.KDT");
        Form3& w = Holder(0)->window;
        w.Item("mnuMisc", 0).SetChecked(true);
        w.Item("mnuFuncExItem", 5).SetChecked(true);
        w.Check6.SetValue(1);
    }
    return *Holder(0);
}

ShownChart& Monthly() {
    if (!Holder(1)) {
        Holder(1) = std::make_unique<ShownChart>(32766, "6501d.KDT");
        Holder(1)->window.Check8.SetValue(1);
    }
    return *Holder(1);
}

void BM_CrosshairMoveWithTagAndReadout(benchmark::State& state) {
    Form3& w = Daily().window;
    const auto& f = w.Fields();
    const Surface& p = *w.Picture1;
    // Across the pane and up and down the prices, a new bar every move.
    const double x0 = p.ScaleLeft() + 3;
    const double dx = (p.ScaleWidth() - 10) / 997;
    const double y0 = f.PriceBottom;
    const double dy = (f.PriceTop - f.PriceBottom) / 101;
    int k = 0;
    for (auto _ : state) {
        w.Picture1_MouseMove(0, 0, x0 + dx * (k % 997), y0 + dy * (k % 101));
        ++k;
        benchmark::DoNotOptimize(w.Picture1->Image().constBits());
    }
    if (f.ChartShown != 1 || f.RecordCount != 4682) state.SkipWithError("the chart was not shown");
    if (f.CrossX == ChartWindowState::kNoCross || w.Label14->isHidden()) state.SkipWithError("no crosshair");
    if (Program().store.QuoteBufA.QuoteDate == "xx/xx/xx") state.SkipWithError("no bar read out");
}
BENCHMARK(BM_CrosshairMoveWithTagAndReadout)->Unit(benchmark::kMicrosecond);

void BM_MonthlyWalkToTheLastMonth(benchmark::State& state) {
    Form3& w = Monthly().window;
    ChartWindowState& f = w.Fields();
    // The last month's right edge, a little short of it.
    const double x = w.Picture1->ScaleLeft() + w.Picture1->ScaleWidth() - 1;
    BarReadout readout;
    for (auto _ : state) {
        readout = ReadBarUnderCursor(f, x, true, false);
        benchmark::DoNotOptimize(readout.texts.data());
    }
    if (f.RecordCount != 32767 || f.MonthlyRecordCount < 1000) state.SkipWithError("no monthly file of the whole");
    if (!readout.hasBar) state.SkipWithError("no month under the cursor");
    state.counters["months"] = f.MonthlyRecordCount - f.MonthlyFirstRecord + 1;
}
BENCHMARK(BM_MonthlyWalkToTheLastMonth)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ranvik::Holder(0).reset();
    ranvik::Holder(1).reset();
    return 0;
}
