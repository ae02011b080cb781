// BM_Activation: a chart window making the main window show it (caption,
// window tabs, toolbar, the quick parameter bar cleared and refilled, then
// the parameter panel's synchronisation), as every activation and kind
// change does, for the candlestick chart with an overlay, an oscillator, the
// parabolic and MACD on, and for the point and figure.  Nothing is redrawn;
// one activation should stay under 2 ms.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_main.h"
#include "chart/window/form3.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "core/window_management.h"
#include "platform/runtime/help_service.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/process.h"
#include "platform/surface/recording_surface.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

// A chart window whose price pane counts its clears: every redraw begins
// with one, and an activation must start none.
class CountingForm3 : public Form3 {
public:
    Surface& PricePane() override { return price; }
    RecordingSurface price;
};

struct Fixture {
    test::TempFolder dir;
    ScopedRecordingMessages messages;
    ScopedRecordingHelp help;
    std::unique_ptr<MDIForm1> main;
    CountingForm3* window = nullptr;
    Fixture() {
        ResetProgramState();
        SetProgramFolder(dir.Path());
        Makers().chartWindow = [] { return new CountingForm3; };
        main = std::make_unique<MDIForm1>();
        main->resize(1280, 900);
        main->MDIForm_Load();
        window = dynamic_cast<CountingForm3*>(Program().windows.ChartWindow(1));
    }
    ~Fixture() {
        main.reset();
        SetProgramFolder("");
        Makers() = {};
        ResetProgramState();
    }
};

// Made at first use, ended before the application object.
Fixture& Shared() { return bench::MadeOnce<Fixture>(); }

void BM_Activation(benchmark::State& state) {
    CountingForm3* w = Shared().window;
    if (w == nullptr) {
        state.SkipWithError("no chart window opened");
        return;
    }
    const bool pointFigure = state.range(0) != 0;
    w->Check1.SetValue(pointFigure ? 0 : 1);
    if (pointFigure) w->Check4.SetValue(1);
    for (const char* item : {"mnu一目", "mnuRSI", "mnuParabolic", "mnuMACD"}) w->Item(item, 1).SetChecked(true);
    auto& f = w->Fields();
    f.PeriodUnit = "日";
    f.OverlayPeriods = {9, 26, 52, 0};
    f.ParabolicAF = 0.02f;
    f.MacdShortPeriod = 12;
    f.MacdLongPeriod = 26;
    f.MacdSignalPeriod = 9;
    f.PnfBoxSize = 12.5f;
    w->price.ClearLog();
    for (auto _ : state) {
        w->Activate10.SetValue(1);
        benchmark::DoNotOptimize(Program().windows.ActiveWindowNo);
    }
    if (w->Activate10.Value() != 0) state.SkipWithError("the activation did not finish");
    if (!w->price.CallsOf(RecordedCall::Kind::Clear).empty()) state.SkipWithError("the activation redrew the chart");
}
BENCHMARK(BM_Activation)->Arg(0)->Arg(1)->ArgName("pointFigure")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    return ranvik::bench::RunBenchmarks(argc, argv, [] { ranvik::bench::Held<ranvik::Fixture>().reset(); });
}
