// BM_Kinds: each of the other chart kinds redrawn (RedrawChart, every pass
// included) on a 1920 x 1080 screen (price pane and indicator pane, pixel
// ratio 1) from a file of 32,767 records of daily bars, in the widest view.
// Each should fit in one 60 Hz frame (16 ms).  The same on recording
// surfaces of the screen's size tells the drawers' own share from the
// screen's rasterising.
//
//   bench_kinds [--png=<prefix>]   also saves each kind's price pane as drawn
//                                  on the screen, <prefix>_<kind>.png
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

#include "bench/bench_main.h"
#include "bench/screen_host.h"
#include "chart/drawing/chart_setup.h"
#include "chart/drawing/redraw.h"
#include "chart/kinds/point_figure.h"
#include "chart/kinds/reverse_watch.h"
#include "chart/kinds/stock_compare.h"
#include "chart/kinds/three_line_break.h"
#include "chart/kinds/year_compare.h"
#include "core/program_state.h"
#include "core/startup_checks.h"
#include "tests/chart/drawing/data_file_builder.h"

namespace ranvik {
namespace {

constexpr int kBars = 32766;

class BenchHost : public bench::ScreenHost {
public:
    explicit BenchHost(bool screen) : ScreenHost(screen) { mainBoxes = {{52, "25"}, {53, "13"}, {74, "1"}}; }
    void DrawStockCompare(ChartFile& file1) override { ranvik::DrawStockCompare(*this, file1); }
    void DrawReverseWatch(ChartFile& file1) override { ranvik::DrawReverseWatch(*this, file1); }
    void DrawPointFigure(ChartFile& file1) override { ranvik::DrawPointFigure(*this, file1); }
    void DrawYearCompare(ChartFile& file1) override { ranvik::DrawYearCompare(*this, file1); }
    void DrawThreeLineBreak(ChartFile& file1) override { ranvik::DrawThreeLineBreak(*this, file1); }
};

struct LongFile {
    LongFile() {
        Program().app.AppDir = dir.Path();
        FillCalendarTables();
        // A bar a day from 1960 with closes that wander up and down, so that
        // every kind has columns, lines and reversals to draw.
        test::DataFileBuilder b(kBars, test::Spacing::Days, {1960, 1, 1});
        for (int r = 2; r <= b.LastRecord(); ++r) {
            const float wave = static_cast<float>((r * 37) % 101) - 50;
            b[r].Close = b[r].Open + wave;
            b[r].High = b[r].Open + 60;
            b[r].Low = b[r].Open - 60;
        }
        b.Seal();
        b.Write(dir.File("1301d.KDT"));
    }
    test::TempFolder dir;
};

std::string& PicturePrefix() {
    static std::string prefix;
    return prefix;
}

std::unique_ptr<LongFile>& Holder() {
    static std::unique_ptr<LongFile> file;
    return file;
}

void Kind(benchmark::State& state, const std::string& name, int box, bool admin, bool screen) {
    if (!Holder()) Holder() = std::make_unique<LongFile>();
    Program().app.AdminMode = admin ? kTrue : kFalse;
    BenchHost w(screen);
    w.fields.WindowNo = 1;
    Program().windows.ActiveWindowNo = 1;
    w.fields.CompareTopPct = 100;
    w.fields.CompareBottomPct = 100;
    w.ShowKind(box);
    w.fields.DataFileName = Holder()->dir.File("1301d.KDT");
    ShowFullView(w);
    for (auto _ : state) {
        RedrawChart(w);
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
    if (screen && !PicturePrefix().empty()) w.SavePng(PicturePrefix() + "_" + name + ".png");
    state.counters["records"] = w.fields.RecordCount;
    Program().app.AdminMode = kFalse;
}

void RegisterAll() {
    const struct {
        const char* name;
        int box;
        bool admin;
    } kinds[] = {{"stock_comparison", 2, false}, {"year_comparison", 10, false}, {"reverse_watch", 3, false},
                 {"point_and_figure", 4, false}, {"three_line_break_columns", 11, false},
                 {"three_line_break_time_scaled", 12, false},
                 {"three_line_break_time_scaled_admin", 12, true}};
    for (bool screen : {true, false}) {
        for (const auto& k : kinds) {
            std::string name = "BM_Kinds/";
            name += screen ? "screen/" : "recording/";
            name += k.name;
            const int box = k.box;
            const bool admin = k.admin;
            const std::string kind = k.name;
            benchmark::RegisterBenchmark(name.c_str(), [kind, box, admin, screen](benchmark::State& state) {
                Kind(state, kind, box, admin, screen);
            })->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
        }
    }
}

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    return ranvik::bench::RunBenchmarks(
        argc, argv, [] { ranvik::Holder().reset(); },
        [](int& argc, char** argv) {
            for (int i = 1; i < argc; ++i) {
                if (std::strncmp(argv[i], "--png=", 6) != 0) continue;
                ranvik::PicturePrefix() = argv[i] + 6;
                for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
                --argc;
                --i;
            }
            ranvik::RegisterAll();
        });
}
