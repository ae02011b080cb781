// ShowChart: the data file's header, the period, the view set-up and the draw.
#include "chart/drawing/chart_setup.h"

#include <QLabel>
#include <QScrollBar>
#include <cmath>

#include "chart/drawing/candle_chart.h"
#include "core/program_state.h"
#include "core/quote_record.h"
#include "core/stock_list.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// The 16-bit scroll value addresses 32767 \ 7 = 4681 bars.
constexpr int kScrollLimit = 32767;
constexpr int kScrollBars = 4681;

void Message(std::string_view text) {
    ShowMessage(std::string(text), std::string(kMainWindowTitle), MessageIcon::Exclamation);
}

bool MonthlyFromDaily(ChartHost& w) {
    return w.Fields().IsDaily == kTrue && w.CheckValue(8) == 1 && w.CheckValue(1) == 1;
}

bool DataCutView(ChartHost& w) {
    return w.Item("mnuGamen比", 5).Checked() && w.Fields().RecordCount > kScrollBars;
}

int Rounded(double value) { return static_cast<int>(RoundHalfEven(value)); }

void HideScrollBar(QScrollBar& bar) {
    bar.setRange(bar.minimum(), 14);
    bar.setValue(14);
    bar.hide();
}

// The widest view, the scroll range and the first shown record.  Runs with
// DataFileName empty, so that the scroll bar's changes draw nothing.
void SetUpView(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    QScrollBar& bar = w.ScrollBar();
    const bool monthly = MonthlyFromDaily(w);
    const bool dataCut = DataCutView(w);
    const double n = f.RecordCount - 1;

    f.ViewWidthMax = static_cast<float>(monthly ? f.RecordCount + 100 : f.RecordCount * 7 + 100);
    if (f.ViewWidth == 1) f.ViewWidth = f.ViewWidthMax;
    bar.show();
    if (f.ViewWidthMax > f.ViewWidth) {
        double max;
        if (monthly) {
            max = n - f.ViewWidth + 50;
        } else {
            max = n * 7 - f.ViewWidth + 63;
            if (f.ViewWidth < 950) max -= Fix((950 - f.ViewWidth) / 25);
        }
        if (max > kScrollLimit) max = dataCut ? kScrollLimit - f.ViewWidth + 50 : kScrollLimit;
        bar.setRange(monthly ? 2 : 14, Rounded(max));
        bar.setValue(bar.maximum());
    } else if (w.CheckValue(2) == 0) {
        bar.setMinimum(14);
        HideScrollBar(bar);
        f.ViewWidth = f.ViewWidthMax;
    }

    int first;
    if (monthly) {
        first = f.RecordCount - Rounded(f.ViewWidth * 7) / 7 + 50;
    } else if (dataCut) {
        first = f.RecordCount - Rounded(f.ViewWidth) / 7 + 7;
    } else {
        first = bar.value() / 7;
    }
    if (first < 2) {
        first = 2;
        HideScrollBar(bar);
    }
    f.FirstRecord = static_cast<std::int16_t>(std::min(first, kScrollLimit));
}

}  // namespace

void ReportNoData(ChartHost& w) {
    Message(kMessage302);
    ChartWindowState& f = w.Fields();
    f.DataFileName.clear();
    f.ChartShown = 0;
    w.StopBlink();
}

bool OpenChartFile(ChartHost& w, RecordFile& file1) {
    try {
        file1.Open(w.Fields().DataFileName, kDataRecordLength, FileAccess::ReadOnly);
        return true;
    } catch (const FileError&) {
        ReportNoData(w);
        return false;
    }
}

void ShowChart(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    auto& store = Program().store;
    if (f.DataFileName.empty()) {
        Message(kMessage300);
        return;
    }
    w.LabelNo(14).hide();
    RecordFile file1;
    if (!OpenChartFile(w, file1)) return;
    try {
        const std::optional<std::string> headerBytes = file1.ReadWhole(1);
        store.QuoteBufA = QuoteRecord::Decode(headerBytes.value_or(std::string(kDataRecordLength, '\0')));
        f.RecordCount = store.QuoteBufA.RecordNo;
        if (!headerBytes || f.RecordCount < 2) {
            file1.Close();
            ReportNoData(w);
            return;
        }
    } catch (const FileError&) {
        ReportNoData(w);
        return;
    }

    // The period from the letter before ".KDT"; a stock fetched from the web
    // keeps the period its update set.
    if (f.StockSource == 1) {
        const std::size_t length = CharCount(f.DataFileName);
        if (length >= 5) {
            const std::string letter = MidChars(f.DataFileName, length - 4, 1);
            if (letter == "d") f.IsDaily = kTrue;
            if (letter == "w") f.IsDaily = kFalse;
        }
    }
    f.PeriodUnit = f.IsDaily == kTrue ? "日" : "週";
    f.YearPaneDragX = 0;
    f.YearPaneDragY = 0;

    // A header whose range maximum lies above its high takes the range as
    // the file's extremes (in memory only).
    QuoteRecord header = store.QuoteBufA;
    if (header.RangeMax > header.High) {
        header.High = header.RangeMax;
        header.Low = header.RangeMin;
    }
    w.LabelNo(21).hide();
    w.LabelNo(10).hide();
    QLabel& title = w.LabelNo(1);
    title.setText(QString::fromStdString(f.StockTitle + f.StockUnitText));
    f.FileHigh = header.High;
    f.FileLow = header.Low;

    f.ShownFileName = f.DataFileName;
    f.DataFileName.clear();
    SetUpView(w);
    f.DataFileName = f.ShownFileName;
    f.ViewHigh = 0;
    f.ViewLow = static_cast<float>(f.FileHigh);
    w.ScrollBar().setSingleStep(w.CheckValue(8) == 1 ? 30 : 14);

    if (w.CheckValue(10) == 0) {
        const bool zoomIn = f.ViewWidth > 385;
        const bool zoomOut = f.ViewWidth < f.ViewWidthMax;
        w.SetToolbarButtonEnabled("拡大", zoomIn);
        w.SetToolbarButtonEnabled("縮小", zoomOut);
        if (w.CheckValue(1) == 1) {
            for (int i : {3, 4}) w.Item("mnu表示ボタン", i).SetEnabled(zoomIn);
            for (int i : {5, 6}) w.Item("mnu表示ボタン", i).SetEnabled(zoomOut);
        }
        if (w.ScrollBar().maximum() == kScrollLimit) w.SetToolbarButtonEnabled("拡大", false);
    }

    f.FileMaxVolume = header.Volume;
    w.StopBlink();
    if (w.CheckValue(1) == 1) {
        w.PricePane().SetScaleWidth(f.ViewWidth);
        w.IndicatorPane().SetScaleWidth(f.ViewWidth);
        DrawCandleChart(w, file1);
        f.ParamsIsDaily = f.IsDaily;
    }
    file1.Close();
    f.ChartShown = 1;
}

}  // namespace ranvik
