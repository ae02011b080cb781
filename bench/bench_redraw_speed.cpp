// The redraw's speed, side by side with QCustomPlot, in one run:
//   BM_RedrawOurSurface/<bars>   the daily chart of bench_surface (candles,
//                          volume boxes, four moving averages) on a 1920 x
//                          1080 screen surface, with 4,681, 16,384 and
//                          32,767 bars;
//   BM_RedrawQCustomPlot/<bars>  the same bars drawn by QCustomPlot into an
//                          image of the same size: two-coloured candles with
//                          bodies 6/7 of a bar, volume bars 4/7 of a bar on a
//                          hidden axis, four averages 1 px antialiased, no
//                          legend and no labels;
//   BM_RedrawEveryLayer    RedrawChart of a 4,681-bar file with the heaviest
//                          set of layers the menus allow, on screen panes;
//   BM_RedrawLayer/<name>  the same chart with one heavy overlay alone
//                          (Ichimoku, pivot, Bollinger band), and with none;
//   BM_ScrollStep          a chart window's scroll bar dragged across a
//                          32,767-bar file, one step and its redraw.
// The repetitions of all of them run interleaved (random order), so the
// shared machine's load falls on each alike; the ratio of the two charts'
// medians at each length is printed at the end.
//
//   bench_redraw_speed [--png=<prefix>]   also writes both charts' pictures
//                                         at each length
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/every_layer_chart.h"
#include "bench/surface_chart.h"
#include "chart/drawing/redraw.h"
#include "chart/window/form3.h"
#include "platform/surface/screen_surface.h"
#include "tests/support/data_files.h"

#ifdef RANVIK_HAVE_QCUSTOMPLOT
#include <qcustomplot.h>
#endif

namespace ranvik {
namespace {

constexpr int kImageWidth = 1920;
constexpr int kImageHeight = 1080;
// The chart's lengths: the every-layer file's, and two long files'.
constexpr int kBarCounts[] = {bench::kBars, 16384, 32767};

void RedrawOurSurface(benchmark::State& state, int bars) {
    ScreenSurface surface;
    surface.resize(kImageWidth, kImageHeight);
    surface.SetPixelRatio(1);
    for (auto _ : state) {
        bench::DrawChart(surface, bars);
        benchmark::DoNotOptimize(surface.Image().constBits());  // the drawing finished
    }
}

#ifdef RANVIK_HAVE_QCUSTOMPLOT
// The chart of bench::DrawChart as a QCustomPlot: x in bars, the prices
// leaving the bottom sixth to the volume, which stands on a hidden axis of
// seven times the largest volume.
class QcpChart {
public:
    explicit QcpChart(int count) {
        plot_.resize(kImageWidth, kImageHeight);
        const auto& bars = bench::Bars(count);
        QVector<double> keys, open, high, low, close, volume;
        double top = 0, bottom = 1e30, maxVolume = 0;
        for (int i = 0; i < static_cast<int>(bars.size()); ++i) {
            const bench::Bar& b = bars[static_cast<std::size_t>(i)];
            keys << i + 0.5;
            open << b.open;
            high << b.high;
            low << b.low;
            close << b.close;
            volume << b.volume;
            top = std::max(top, double(b.high));
            bottom = std::min(bottom, double(b.low));
            maxVolume = std::max(maxVolume, double(b.volume));
        }
        plot_.plotLayout()->setRowSpacing(0);
        QCPAxisRect* rect = plot_.axisRect();
        rect->setAutoMargins(QCP::msNone);
        rect->setMargins(QMargins(0, 0, 0, 0));
        plot_.legend->setVisible(false);
        for (QCPAxis* axis : {plot_.xAxis, plot_.yAxis, plot_.xAxis2, plot_.yAxis2}) {
            axis->setTickLabels(false);
            axis->setVisible(false);
        }
        plot_.xAxis->setRange(0, bars.size());
        plot_.yAxis->setRange(bottom - (top - bottom) / 6, top);
        plot_.yAxis2->setRange(0, 7 * maxVolume);

        auto* volumeBars = new QCPBars(plot_.xAxis, plot_.yAxis2);
        volumeBars->setWidth(4.0 / 7);
        volumeBars->setPen(Qt::NoPen);
        volumeBars->setBrush(QColor(100, 220, 100));
        volumeBars->setAntialiased(false);
        volumeBars->setData(keys, volume, true);

        auto* candles = new QCPFinancial(plot_.xAxis, plot_.yAxis);
        candles->setChartStyle(QCPFinancial::csCandlestick);
        candles->setWidth(6.0 / 7);
        candles->setTwoColored(true);
        const QColor blue(0, 120, 200);
        candles->setBrushPositive(Qt::white);
        candles->setBrushNegative(blue);
        candles->setPenPositive(QPen(blue));
        candles->setPenNegative(QPen(blue));
        candles->setAntialiased(false);
        candles->setData(keys, open, high, low, close, true);

        const int periods[] = {5, 25, 75, 200};
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(255, 0, 255), QColor(0, 0, 255)};
        for (int m = 0; m < 4; ++m) {
            QVector<double> x, y;
            double sum = 0;
            for (int i = 0; i < static_cast<int>(bars.size()); ++i) {
                sum += bars[static_cast<std::size_t>(i)].close;
                if (i >= periods[m]) sum -= bars[static_cast<std::size_t>(i - periods[m])].close;
                if (i + 1 < periods[m]) continue;
                x << i + 0.5;
                y << sum / periods[m];
            }
            QCPGraph* graph = plot_.addGraph(plot_.xAxis, plot_.yAxis);
            graph->setPen(QPen(colours[m], 1));
            graph->setAntialiased(true);
            graph->setData(x, y, true);
        }
    }
    void Draw(QImage& image) {
        image.fill(Qt::white);
        QCPPainter painter(&image);
        plot_.toPainter(&painter, kImageWidth, kImageHeight);
    }

private:
    QCustomPlot plot_;
};

void RedrawQCustomPlot(benchmark::State& state, int bars) {
    QcpChart chart(bars);
    QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        chart.Draw(image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
#endif

// The every-layer chart with `layers` on, shown in full on screen panes.
void ShowLayers(bench::BenchHost& w, const bench::LayerSet& layers) {
    if (!bench::Holder()) bench::Holder() = std::make_unique<bench::Chart>();
    w.fields.WindowNo = 1;
    for (const auto& [array, index] : layers.items) w.SetItem(array, index, true);
    if (layers.priceBandPane) w.checks[9] = 1;
    w.fields.DataFileName = bench::Holder()->dir.File("1301d.KDT");
    ShowFullView(w);
}

void RedrawLayers(benchmark::State& state, const bench::LayerSet& layers) {
    bench::BenchHost w(true);
    ShowLayers(w, layers);
    for (auto _ : state) {
        RedrawChart(w);
        w.Finish();
    }
    if (w.fields.ChartShown != 1) state.SkipWithError("the chart was not shown");
}

void BM_RedrawEveryLayer(benchmark::State& state) { RedrawLayers(state, bench::EveryLayer()); }

// The overlays timed alone, by the menu item that switches each on, and the
// chart under them without any (the yardstick of what one overlay adds).
const std::pair<const char*, const char*> kSingleLayers[] = {
    {"none", nullptr}, {"ichimoku", "mnu一目"}, {"pivot", "mnuPibott"}, {"bollinger", "mnuボリンジャ"}};

bench::LayerSet SingleLayer(const char* name, const char* item) {
    bench::LayerSet layers{name, {}};
    if (item != nullptr) layers.items.push_back({item, 1});
    return layers;
}

// A chart window showing the newest bars of a 32,767-record daily file (the
// data-cut view); each step drags its scroll bar on by a fiftieth of the
// range, back to the start at the end, as a hand dragging the thumb does.
struct LongChart {
    LongChart() {
        Program().app.AppDir = dir.Path();
        test::WriteDataFile(dir.File("1301d.KDT"), 32766);
        Program().windows.NewWindowNo = 1;
        window.Load();
        // Shown, so that the window lays its panes out at full size.
        window.resize(kImageWidth, kImageHeight);
        window.show();
        QApplication::processEvents();
        window.Item("mnuGamen比", 5).SetChecked(true);
        window.Fields().DataFileName = dir.File("1301d.KDT");
        ShowPartialView(window);
    }
    test::TempFolder dir;
    Form3 window;
};

std::unique_ptr<LongChart>& LongChartHolder() {
    static std::unique_ptr<LongChart> chart;
    return chart;
}

void BM_ScrollStep(benchmark::State& state) {
    if (!LongChartHolder()) LongChartHolder() = std::make_unique<LongChart>();
    Form3& w = LongChartHolder()->window;
    QScrollBar& bar = *w.HScroll1;
    const int step = std::max(1, (bar.maximum() - bar.minimum()) / 50);
    for (auto _ : state) {
        const int next = bar.value() + step > bar.maximum() ? bar.minimum() : bar.value() + step;
        bar.setValue(next);
        benchmark::DoNotOptimize(w.Picture1->Image().constBits());
    }
    if (bar.maximum() - bar.minimum() < 1000) state.SkipWithError("the scroll range is too short");
}

// The console's report, keeping the medians for the ratio.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& run : reports) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(reports);
    }
    std::map<std::string, double> medians;
};

std::string OurName(int bars) { return "BM_RedrawOurSurface/" + std::to_string(bars); }
std::string QcpName(int bars) { return "BM_RedrawQCustomPlot/" + std::to_string(bars); }

void RegisterAll() {
    auto add = [](const std::string& name, std::function<void(benchmark::State&)> function) {
        benchmark::RegisterBenchmark(name.c_str(), std::move(function))
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(9)
            ->ReportAggregatesOnly(true);
    };
    for (int bars : kBarCounts) {
        add(OurName(bars), [bars](benchmark::State& state) { RedrawOurSurface(state, bars); });
#ifdef RANVIK_HAVE_QCUSTOMPLOT
        add(QcpName(bars), [bars](benchmark::State& state) { RedrawQCustomPlot(state, bars); });
#endif
    }
    add("BM_RedrawEveryLayer", BM_RedrawEveryLayer);
    for (const auto& [name, item] : kSingleLayers) {
        const bench::LayerSet layers = SingleLayer(name, item);
        add(std::string("BM_RedrawLayer/") + name,
            [layers](benchmark::State& state) { RedrawLayers(state, layers); });
    }
    add("BM_ScrollStep", BM_ScrollStep);
}

void SavePictures(const std::string& prefix) {
    for (int bars : kBarCounts) {
        const std::string name = prefix + "_" + std::to_string(bars);
        ScreenSurface surface;
        surface.resize(kImageWidth, kImageHeight);
        surface.SetPixelRatio(1);
        bench::DrawChart(surface, bars);
        surface.SavePng(name + "_ours.png");
#ifdef RANVIK_HAVE_QCUSTOMPLOT
        QcpChart chart(bars);
        QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
        chart.Draw(image);
        image.save(QString::fromStdString(name + "_qcustomplot.png"), "PNG");
#endif
    }
    // The heavy overlays' panes on the screen.
    std::vector<bench::LayerSet> sets = {bench::EveryLayer()};
    for (const auto& [name, item] : kSingleLayers) sets.push_back(SingleLayer(name, item));
    for (const bench::LayerSet& layers : sets) {
        bench::BenchHost w(true);
        ShowLayers(w, layers);
        w.SavePng(prefix + "_layer_" + layers.name + ".png");
        w.SaveIndicatorPng(prefix + "_layer_" + layers.name + "_indicator.png");
    }
}

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::vector<char*> args(argv, argv + argc);
    static char interleaving[] = "--benchmark_enable_random_interleaving=true";
    bool ordered = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (std::strncmp(args[i], "--png=", 6) == 0) {
            ranvik::SavePictures(args[i] + 6);
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i--));
        } else if (std::strncmp(args[i], "--benchmark_enable_random_interleaving", 38) == 0) {
            ordered = true;
        }
    }
    if (!ordered) args.insert(args.begin() + 1, interleaving);
    int count = static_cast<int>(args.size());
    ranvik::RegisterAll();
    benchmark::Initialize(&count, args.data());
    ranvik::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto& m = reporter.medians;
    for (int bars : ranvik::kBarCounts) {
        const std::string ours = ranvik::OurName(bars), qcp = ranvik::QcpName(bars);
        if (m.count(ours) && m.count(qcp)) {
            std::printf("%s / %s (medians): %.2f\n", ours.c_str(), qcp.c_str(), m.at(ours) / m.at(qcp));
        }
    }
#ifndef RANVIK_HAVE_QCUSTOMPLOT
    std::printf("QCustomPlot was not found at build time (tools/install-bench-packages.sh installs it).\n");
#endif
    ranvik::bench::Holder().reset();
    ranvik::LongChartHolder().reset();
    return 0;
}
