#pragma once
// The chart window of the drawing benchmarks: the test window's controls,
// with panes of a 1920 x 1080 screen (price pane 820 pixels high, indicator
// pane 260, pixel ratio 1) in place of the recording ones when asked, so
// that one run times the drawers with the screen's rasterising and the
// other the drawers alone on recording surfaces of the same size.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/runtime/text_file.h"
#include "platform/surface/screen_surface.h"
#include "tests/chart/drawing/test_chart_host.h"

namespace ranvik::bench {

constexpr int kPricePixels = 820;  // and 260 for the indicator pane: 1080 in all
constexpr int kIndicatorPixels = 260;

// The panes besides the price pane that go on the screen; the others stay
// recording surfaces in both runs.
struct ScreenPanes {
    bool indicator = true;
    bool band = false;  // the price-band volume pane, 70 pixels wide
    bool year = false;  // the yearly candle pane, widened to 600 x 300
};

class ScreenHost : public test::TestChartHost {
public:
    explicit ScreenHost(bool screen, ScreenPanes panes = {})
        : TestChartHost({.paneWidth = 1920 * 15, .priceHeight = kPricePixels * 15,
                         .indicatorHeight = kIndicatorPixels * 15}),
          screen_(screen),
          panes_(panes) {
        screenPrice_.resize(1920, kPricePixels);
        screenPrice_.SetPixelRatio(1);
        if (panes_.indicator) {
            screenIndicator_.resize(1920, kIndicatorPixels);
            screenIndicator_.SetPixelRatio(1);
        }
        if (panes_.band) {
            screenBand_.resize(70, kPricePixels);
            screenBand_.SetPixelRatio(1);
        }
        if (panes_.year) {
            screenYear_.resize(600, 300);
            screenYear_.SetPixelRatio(1);
            yearPane.Resize(600 * 15, 300 * 15);
        }
    }
    Surface& PricePane() override { return screen_ ? static_cast<Surface&>(screenPrice_) : price; }
    Surface& IndicatorPane() override {
        return screen_ && panes_.indicator ? static_cast<Surface&>(screenIndicator_) : indicator;
    }
    Surface& BandVolumePane() override {
        return screen_ && panes_.band ? static_cast<Surface&>(screenBand_) : bandVolume;
    }
    Surface& YearPane() override { return screen_ && panes_.year ? static_cast<Surface&>(screenYear_) : yearPane; }
    // The drawing finished: the images as they stand, and the recordings
    // emptied so that they do not grow from one round to the next.
    void Finish() {
        if (screen_) {
            benchmark::DoNotOptimize(screenPrice_.Image().constBits());
            if (panes_.indicator) benchmark::DoNotOptimize(screenIndicator_.Image().constBits());
            if (panes_.band) benchmark::DoNotOptimize(screenBand_.Image().constBits());
            if (panes_.year) benchmark::DoNotOptimize(screenYear_.Image().constBits());
        }
        price.ClearLog();
        indicator.ClearLog();
        bandVolume.ClearLog();
        yearPane.ClearLog();
        quickBar.ClearLog();
    }
    bool SavePng(const std::string& path) { return screenPrice_.SavePng(path); }
    bool SaveIndicatorPng(const std::string& path) { return screenIndicator_.SavePng(path); }

private:
    bool screen_;
    ScreenPanes panes_;
    ScreenSurface screenPrice_;
    ScreenSurface screenIndicator_;
    ScreenSurface screenBand_;
    ScreenSurface screenYear_;
};

// A topics list as dense as the delivered one, three topics a year, written
// to `path`.
inline void WriteDenseTopics(const std::string& path) {
    std::vector<std::string> topics;
    for (int year = 2015; year <= 2040; ++year) {
        topics.push_back(std::to_string(year));
        for (const char* topic : {"-3/10 日経平均7054円 バブル後最安値", "-8/30 衆院選（与党）圧勝 政権交代",
                                  "-10/31 1ドル75円32銭 ｶﾞｿﾘﾝ高"}) {
            topics.push_back(topic);
        }
    }
    topics.push_back("<END>");
    WriteTextLines(path, topics);
}

}  // namespace ranvik::bench
