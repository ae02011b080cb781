// BM_SidePanes: the layers beside and over the price pane of a 4,681-bar
// daily file in the full view, after the candlestick chart has set up the
// view, on a 1920 x 1080 screen (pixel ratio 1) and on recording surfaces of
// the same size: the price-band volume pane (DrawPriceBandVolume), the
// vertical topics of every year shown (DrawTopics from a list of three
// topics a year, as dense as the delivered list), and the yearly candle pane redrawn after the user has widened it
// to 600 x 300 pixels (DrawYearCandles).  The whole redraw must fit in one
// 60 Hz frame (16 ms), so each of these should take a small share of it.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_main.h"
#include "bench/screen_host.h"
#include "chart/drawing/chart_file.h"
#include "chart/drawing/redraw.h"
#include "chart/drawing/topics.h"
#include "chart/drawing/year_candles.h"
#include "chart/panes/price_band_volume.h"
#include "core/program_state.h"
#include "tests/chart/drawing/data_file_builder.h"

namespace ranvik {
namespace {

constexpr int kBars = 4681;

// The price pane, the price-band pane and the yearly candle pane on the
// screen; the indicator pane is not drawn here.
class BenchHost : public bench::ScreenHost {
public:
    explicit BenchHost(bool screen) : ScreenHost(screen, {.indicator = false, .band = true, .year = true}) {}
};

struct Chart {
    Chart() {
        Program().app.AppDir = dir.Path();
        test::DataFileBuilder file(kBars);
        for (int r = 2; r <= kBars + 1; ++r) {
            file[r].Volume = static_cast<float>(20000 + (r * 7919) % 50000);
            if (r % 3 == 0) file[r].Close = file[r].Open - 5;
        }
        file.Seal().Write(dir.File("1301d.KDT"));
        bench::WriteDenseTopics(dir.File("チャートNEWS.etxt"));
    }
    test::TempFolder dir;
};

std::unique_ptr<Chart>& Holder() {
    static std::unique_ptr<Chart> chart;
    return chart;
}

enum class Layer { PriceBand, Topics, YearCandles };

void SidePanes(benchmark::State& state, bool screen, Layer layer) {
    if (!Holder()) Holder() = std::make_unique<Chart>();
    Program().windows.ActiveWindowNo = 1;
    BenchHost w(screen);
    w.fields.WindowNo = 1;
    w.fields.DataFileName = Holder()->dir.File("1301d.KDT");
    w.SetItem("mnuDekidaka", 1, true);
    w.SetItem("mnuTopicsDisp", 2, true);
    w.fields.StockUnitText = "(100株)";
    ShowFullView(w);
    // The first bar of each year and its x, as the bar pass meets them.
    std::vector<std::pair<int, double>> years;
    {
        ChartFile file;
        file.Open(w.fields.DataFileName);
        std::string year;
        for (int r = w.fields.FirstRecord; r <= w.fields.RecordCount; ++r) {
            QuoteRecord bar;
            file.Read(r, bar);
            const std::string y = bar.QuoteDate.substr(6, 2);
            if (y != year) years.emplace_back(std::stoi(y), 7.0 * (r - w.fields.FirstRecord));
            year = y;
        }
    }
    const double q = (w.fields.PriceTop - w.fields.PriceBottom) * 100 / w.PricePane().Height();
    ChartFile file1;
    file1.Open(w.fields.DataFileName);
    for (auto _ : state) {
        switch (layer) {
            case Layer::PriceBand: DrawPriceBandVolume(w, file1); break;
            case Layer::Topics:
                for (auto [year, x0] : years) {
                    double x = x0;
                    double height = q;
                    DrawTopics(w, x, height, year);
                }
                break;
            case Layer::YearCandles: DrawYearCandles(w, file1); break;
        }
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
    if (!w.Item("mnuTopicsDisp", 2).Checked()) state.SkipWithError("the topics list was not found");
}

void RegisterAll() {
    const std::pair<Layer, const char*> layers[] = {
        {Layer::PriceBand, "price_band"}, {Layer::Topics, "vertical_topics"}, {Layer::YearCandles, "year_candles"}};
    for (const auto& [layer, label] : layers) {
        for (bool screen : {true, false}) {
            const std::string name = std::string("BM_SidePanes/") + (screen ? "screen/" : "recording/") + label;
            const Layer l = layer;
            benchmark::RegisterBenchmark(name.c_str(), [screen, l](benchmark::State& state) {
                SidePanes(state, screen, l);
            })->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
        }
    }
}

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    return ranvik::bench::RunBenchmarks(
        argc, argv, [] { ranvik::Holder().reset(); }, [](int&, char**) { ranvik::RegisterAll(); });
}
