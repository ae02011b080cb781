#pragma once
// The layers the candlestick drawer hands over to once its own part is done
// or, for the cloud, topics and scale, in between: each one a routine of its
// own that draws on the window's panes or its printed page.  The window
// draws with these routines; a test puts recorders in their place to see
// which run, in what order and with what arguments.
#include <cstdint>
#include <functional>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"
#include "chart/drawing/ichimoku.h"
#include "chart/drawing/price_pane.h"
#include "chart/drawing/regression_trend.h"
#include "chart/drawing/topics.h"
#include "chart/panes/price_band_volume.h"
#include "chart/panes/volume_pane.h"
#include "chart/panes/volume_scale.h"

namespace ranvik {

struct CandleLayers {
    // The cloud pass (IchimokuCloudPass -1) or the line pass (0).
    std::function<void(ChartHost&, ChartFile&)> ichimoku = DrawIchimoku;
    // One year's topics from x; x and the text height are given back.
    std::function<void(ChartHost&, double& x, double& textHeight, int twoDigitYear)> topics = DrawTopics;
    std::function<void(ChartHost&, double& maxVolume, int unit)> volumeScale = DrawVolumeScale;
    // The regression lines up to the last drawn record and its x.
    std::function<void(ChartHost&, ChartFile&, std::int64_t& lastRecord, double& lastX)> regression =
        DrawRegressionTrend;
    std::function<void(ChartHost&, ChartFile&)> pricePane = DrawPricePane;
    // The indicator pane: the window's gcv.
    std::function<void(ChartHost&, ChartFile&)> indicatorPane = [](ChartHost& w, ChartFile& file1) {
        w.gcv(file1);
    };
    std::function<void(ChartHost&, ChartFile&)> volumePane = DrawVolumePane;
    std::function<void(ChartHost&, ChartFile&)> priceBandVolume = DrawPriceBandVolume;
};

}  // namespace ranvik
