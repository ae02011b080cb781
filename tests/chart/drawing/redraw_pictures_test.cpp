// The redraw's pictures on the screen surface, pixel for pixel: fixed charts
// (every layer the menus allow together, each exclusive overlay with an
// oscillator; daily and monthly, upright and inverted, sparse and dense)
// drawn into screen panes and compared with reference images.  The speed
// work on the screen backend and the drawers must not move a pixel.
//
// RANVIK_UPDATE_PICTURES=1 writes the references anew instead (only when a
// change of the pictures is intended).  A picture that differs is saved
// beside the test program as redraw_picture_<name>_actual.png.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "chart/drawing/chart_setup.h"
#include "chart/drawing/redraw.h"
#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/text_file.h"
#include "platform/surface/screen_surface.h"
#include "tests/chart/drawing/data_file_builder.h"
#include "tests/chart/drawing/test_chart_host.h"

namespace ranvik {
namespace {

constexpr int kWidth = 800;
constexpr int kPriceHeight = 380;
constexpr int kIndicatorHeight = 120;
constexpr int kBandWidth = 70;

// The test window with screen panes in place of the recording ones (the
// recording ones keep the same sizes, which the drawers read).
class ScreenHost : public test::TestChartHost {
public:
    ScreenHost()
        : TestChartHost({.paneWidth = kWidth * 15, .priceHeight = kPriceHeight * 15,
                         .indicatorHeight = kIndicatorHeight * 15}) {
        bandVolume.Resize(kBandWidth * 15, kPriceHeight * 15);
        for (auto [pane, w, h] : {std::tuple{&price_, kWidth, kPriceHeight},
                                  std::tuple{&indicator_, kWidth, kIndicatorHeight},
                                  std::tuple{&band_, kBandWidth, kPriceHeight}}) {
            pane->resize(w, h);
            pane->SetPixelRatio(1);
        }
    }
    Surface& PricePane() override { return price_; }
    Surface& IndicatorPane() override { return indicator_; }
    Surface& BandVolumePane() override { return band_; }

    // The three panes side by side: price, band, and the indicator below.
    QImage Picture() {
        QImage all(kWidth + kBandWidth, kPriceHeight + kIndicatorHeight, QImage::Format_RGB32);
        all.fill(Qt::black);
        QPainter p(&all);
        p.drawImage(0, 0, price_.Image());
        p.drawImage(kWidth, 0, band_.Image());
        p.drawImage(0, kPriceHeight, indicator_.Image());
        p.end();
        return all;
    }

private:
    ScreenSurface price_;
    ScreenSurface indicator_;
    ScreenSurface band_;
};

// A random walk that always gives the same bars, with volumes and margin
// balances that move too.
void WriteBars(const std::string& path, int bars) {
    test::DataFileBuilder file(bars);
    unsigned state = 20240517;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return ((state >> 16) & 0x7fff) / 32767.0;
    };
    double price = 1500;
    for (int r = 2; r <= bars + 1; ++r) {
        QuoteRecord& bar = file[r];
        const double open = price;
        const double close = std::max(100.0, open * (1 + (next() - 0.495) * 0.05));
        bar.Open = static_cast<float>(std::round(open));
        bar.Close = static_cast<float>(std::round(close));
        bar.High = static_cast<float>(std::round(std::max(open, close) * (1 + next() * 0.02)));
        bar.Low = static_cast<float>(std::round(std::min(open, close) * (1 - next() * 0.02)));
        bar.Volume = static_cast<float>(std::round(100000 + next() * 900000));
        bar.BuyBalance = static_cast<float>(std::round(50000 + next() * 200000));
        bar.SellBalance = static_cast<float>(std::round(20000 + next() * 100000));
        price = close;
    }
    file.Seal().Write(path);
}

// Three topics a year, written down the pane.
void WriteTopics(const std::string& path) {
    std::vector<std::string> topics;
    for (int year = 2019; year <= 2040; ++year) {
        topics.push_back(std::to_string(year));
        for (const char* topic : {"-3/10 日経平均 最安値", "-8/30 衆院選 圧勝", "-10/31 1ドル75円"}) {
            topics.push_back(topic);
        }
    }
    topics.push_back("<END>");
    WriteTextLines(path, topics);
}

using Items = std::vector<std::pair<std::string, int>>;

// The largest set the menus allow together: one overlay, one deviation
// rate, one oscillator, one volume indicator and every independent layer.
const Items kEveryLayer = {{"mnuIdouHeikin", 1}, {"mnuKairiRitsu", 1}, {"mnuRCI", 1},     {"mnuDekiIdou", 1},
                           {"mnuDekidaka", 1},   {"mnuSinyouBB", 1},   {"mnuParabolic", 1}, {"mnuKagiAshi", 1},
                           {"mnu線形回帰", 1},   {"mnuTopicsDisp", 2}, {"mnuFuncExItem", 1}};

struct PictureCase {
    std::string name;
    Items items;
    int bars = 300;
    bool monthly = false;
    bool inverted = false;
    bool bandPane = false;
};

std::vector<PictureCase> Cases() {
    std::vector<PictureCase> cases = {
        {"every_layer_daily", kEveryLayer, 300, false, false, true},
        {"every_layer_daily_inverted", kEveryLayer, 300, false, true, true},
        {"every_layer_monthly", kEveryLayer, 1500, true, false, true},
        {"every_layer_monthly_inverted", kEveryLayer, 1500, true, true, true},
        {"every_layer_daily_dense", kEveryLayer, 4681, false, false, true},
    };
    // Each exclusive overlay once, with an oscillator of its own.
    const std::pair<const char*, const char*> pairs[] = {
        {"mnu一目", "mnuRSI"},          {"mnuボリンジャ", "mnuストキャス"}, {"mnuEnvelope", "mnuPerOscillator"},
        {"mnuHLband", "mnuモメンタム"}, {"mnuBBdaikin", "mnuMACD"},        {"mnu陰陽足", "mnuVector"},
        {"mnu3Days", "mnuOBV"},         {"mnuPibott", "mnuPSY"},           {"mnu一目雲のみ", "mnu2LineKairiRitsu"},
    };
    int n = 0;
    for (const auto& [overlay, oscillator] : pairs) {
        cases.push_back({"overlay_" + std::to_string(++n), {{overlay, 1}, {oscillator, 1}, {"mnuDekidaka", 1}}});
    }
    return cases;
}

class RedrawPictures : public ::testing::TestWithParam<PictureCase> {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().app.AppDir = dir.Path();
    }
    void TearDown() override { ResetProgramState(); }

    test::FixedClock clock{{2024, 5, 17}};
    test::TempFolder dir;
    ScopedRecordingMessages messages;
};

int DifferingPixels(const QImage& a, const QImage& b, QPoint& first) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0) first = QPoint(x, y);
        }
    }
    return count;
}

TEST_P(RedrawPictures, StayPixelForPixel) {
    const PictureCase& c = GetParam();
    // A code of the exchange-rate range, which may be shown upside down.
    const std::string name = c.inverted ? "0100d.KDT" : "1301d.KDT";
    WriteBars(dir.File(name), c.bars);
    WriteTopics(dir.File("チャートNEWS.etxt"));
    ScreenHost w;
    w.fields.WindowNo = 1;
    w.fields.StockSource = 1;
    w.fields.StockCode4 = name.substr(0, 4);
    for (const auto& [array, index] : c.items) w.SetItem(array, index, true);
    w.SetItem("mnuChart上下", 1, c.inverted);
    if (c.monthly) w.checks[8] = 1;
    if (c.bandPane) w.checks[9] = 1;
    w.fields.DataFileName = dir.File(name);
    ShowFullView(w);
    ASSERT_EQ(w.fields.ChartShown, 1) << c.name;
    ASSERT_EQ(w.fields.InvertedChart, c.inverted ? kTrue : kFalse) << c.name;
    // The redraw of the same chart, as scrolling and zooming repeat it.
    RedrawChart(w);
    const QImage actual = w.Picture();

    const std::string reference = std::string(RANVIK_FIXTURE_DIR) + "/redraw_picture_" + c.name + ".png";
    if (std::getenv("RANVIK_UPDATE_PICTURES") != nullptr) {
        ASSERT_TRUE(actual.save(QString::fromStdString(reference), "PNG", 0)) << reference;
        return;
    }
    const QImage expected = QImage(QString::fromStdString(reference)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(expected.isNull()) << "no reference picture " << reference;
    ASSERT_EQ(expected.size(), actual.size()) << c.name;
    QPoint first;
    const int differing = DifferingPixels(expected, actual, first);
    if (differing > 0) actual.save(QString::fromStdString("redraw_picture_" + c.name + "_actual.png"), "PNG");
    EXPECT_EQ(differing, 0) << c.name << ": first at (" << first.x() << ", " << first.y() << ")";
}

INSTANTIATE_TEST_SUITE_P(Charts, RedrawPictures, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

}  // namespace
}  // namespace ranvik
