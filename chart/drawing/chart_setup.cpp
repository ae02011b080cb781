// ShowChart: the data file's header, the period, the split correction, the captions, the view set-up and the draw.
#include "chart/drawing/chart_setup.h"

#include <QLabel>
#include <QScrollBar>

#include "chart/drawing/candle_chart.h"
#include "chart/drawing/split_correction.h"
#include "chart/drawing/view_setup.h"
#include "chart/drawing/year_candles.h"
#include "core/program_state.h"
#include "core/quote_record.h"
#include "core/stock_list.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/number_format.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/twips.h"

namespace ranvik {

namespace {

void Message(std::string_view text) {
    ShowMessage(std::string(text), std::string(kMainWindowTitle), MessageIcon::Exclamation);
}

void SetCaption(QLabel& label, const std::string& text) {
    label.setText(QString::fromStdString(text));
    label.adjustSize();
}

// The header, or nothing when the file holds no bar: it ends inside its
// header, or the header counts none.  A header that counts more records
// than the file holds is taken at what the file holds.
std::optional<QuoteRecord> ReadHeaderOfBars(ChartWindowState& f, ChartFile& file1) {
    const std::optional<QuoteRecord> header = file1.ReadHeader();
    if (!header) return std::nullopt;
    const std::int64_t held = file1.RecordsHeld();
    f.RecordCount = static_cast<std::int16_t>(std::min<std::int64_t>(header->RecordNo, held));
    if (f.RecordCount < 2) return std::nullopt;
    return header;
}

// 4.
void TakePeriodFromTheName(ChartWindowState& f) {
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
}

// 10 to 13.
void SetTitleAndPriceCaptions(ChartHost& w, const QuoteRecord& header) {
    ChartWindowState& f = w.Fields();
    const bool exchangeRate = IsExchangeRateCode(f);
    MenuItem invert = w.Item("mnuChart上下", 1);
    f.InvertedChart = invert.Checked() && exchangeRate ? kTrue : kFalse;

    QLabel& title = w.LabelNo(1);
    SetForeColor(&title, RGB(0, 120, 255));
    SetCaption(title, f.StockTitle + f.StockUnitText);
    w.SetMainWindowCaption(Program().app.AppTitle + f.StockTitle);

    // An exchange-rate series is shown upside down on request, and then its
    // low is the top of the chart: the labels name the ends the other way.
    std::string top, bottom;
    if (exchangeRate) {
        if (w.CheckValue(1) == 1 || w.CheckValue(11) == 1 || w.CheckValue(12) == 1) invert.SetEnabled(true);
        top = PriceCaption(header.Low, true);
        bottom = PriceCaption(header.High, true);
        w.LabelNo(5).setText("安値");
        w.LabelNo(6).setText("高値");
    } else {
        invert.SetEnabled(false);
        top = PriceCaption(header.High, false);
        bottom = PriceCaption(header.Low, false);
        w.LabelNo(5).setText("高値");
        w.LabelNo(6).setText("安値");
    }
    QLabel& information = w.LabelNo(20);
    SetCaption(information, " 最高値：" + top + "  最安値：" + bottom);
    SetLeft(&information, LeftOf(&title) + WidthOf(&title) + 10);
}

// 15.
void SetWindowTab(ChartHost& w) {
    const ChartWindowState& f = w.Fields();
    if (f.WindowNo < 1 || f.WindowNo > 3) return;
    Program().windows.ActiveWindowNo = f.WindowNo;
    w.SetWindowTab(f.WindowNo, WindowTabText(f.StockTitle), f.StockTitle);
}

// 20.
void SetZoomButtons(ChartHost& w) {
    const ChartWindowState& f = w.Fields();
    if (w.CheckValue(10) != 0) return;
    const bool zoomIn = f.ViewWidth > 385;
    const bool zoomOut = !(f.ViewWidth >= f.ViewWidthMax);
    w.SetToolbarButtonEnabled("拡大", zoomIn);
    w.SetToolbarButtonEnabled("縮小", zoomOut);
    if (w.CheckValue(1) == 1) {
        for (int i : {3, 4}) w.Item("mnu表示ボタン", i).SetEnabled(zoomIn);
        for (int i : {5, 6}) w.Item("mnu表示ボタン", i).SetEnabled(zoomOut);
    }
    if (w.ScrollBar().maximum() == kLargestScrollValue) w.SetToolbarButtonEnabled("拡大", false);
}

// 22 and 23.
void DrawChartOfKind(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    if (w.CheckValue(1) == 1) {
        w.PricePane().SetScaleWidth(f.ViewWidth);
        w.IndicatorPane().SetScaleWidth(f.ViewWidth);
        DrawCandleChart(w, file1);
        f.ParamsIsDaily = f.IsDaily;
    } else if (w.CheckValue(2) == 1) {
        w.DrawStockCompare(file1);
    } else if (w.CheckValue(3) == 1) {
        w.DrawReverseWatch(file1);
    } else if (w.CheckValue(4) == 1) {
        // A box size worked out for another stock is worked out afresh.
        if (w.LabelNo(12).text().toStdString() != f.StockTitle + f.StockUnitText || f.StockCode != f.ShownCode) {
            f.PnfBoxSize = 0;
        }
        w.DrawPointFigure(file1);
    } else if (w.CheckValue(10) == 1) {
        f.YearCompareRestart = kTrue;
        w.DrawYearCompare(file1);
    } else if (w.CheckValue(11) == 1 || w.CheckValue(12) == 1) {
        w.DrawThreeLineBreak(file1);
    }
    if (w.CheckValue(7) == 1 &&
        (w.CheckValue(1) == 1 || w.CheckValue(10) == 1 || w.CheckValue(11) == 1 || w.CheckValue(12) == 1)) {
        DrawYearCandles(w, file1);
    }
}

void SetUp(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    auto& store = Program().store;
    // 2, 3.
    const std::optional<QuoteRecord> read = ReadHeaderOfBars(f, file1);
    if (!read) {
        file1.Close();
        ReportNoData(w);
        return;
    }
    store.QuoteBufA = *read;
    // 4.
    TakePeriodFromTheName(f);
    // 5.
    const QuoteRecord header = SetUpSplitCorrection(w, file1, *read);
    // 6 to 9.
    w.LabelNo(21).hide();
    w.LabelNo(10).hide();
    if (w.CheckValue(10) == 1) {
        f.ViewWidth = 1;
    } else if (w.CheckValue(2) == 0) {
        w.QuickBar().Cls();
    }
    w.LabelNo(7).setText(QString::fromStdString(w.CheckValue(8) == 1 ? std::string("前月比")
                                                                     : "前" + f.PeriodUnit.Text() + "比"));
    if (w.CheckValue(1) == 1) {
        w.DataPanel().Cls();
        w.SyncParamPanel();
    }
    // 10 to 13.
    SetTitleAndPriceCaptions(w, header);
    // 14.
    f.FileHigh = header.High;
    f.FileLow = header.Low;
    // 15.
    SetWindowTab(w);
    // 16 to 18.
    f.ShownFileName = f.DataFileName;
    f.DataFileName.clear();
    SetUpView(w, file1);
    f.DataFileName = f.ShownFileName;
    f.ViewHigh = 0;
    f.ViewLow = static_cast<float>(f.FileHigh);
    // 19.
    w.ScrollBar().setSingleStep(w.CheckValue(8) == 1 ? 30 : 14);
    // 20.
    SetZoomButtons(w);
    // 21.
    store.QuoteBufB = file1.ReadHeader().value_or(QuoteRecord{});
    f.FileMaxVolume = store.QuoteBufB.Volume;
    w.StopBlink();
    w.SetPaneVisible(Pane::YearCandles, false);
    // 22, 23.
    DrawChartOfKind(w, file1);
    // 24.
    file1.Close();
    f.ChartShown = 1;
}

}  // namespace

std::string WindowTabText(const std::string& title) {
    const std::size_t paren = FindChars(title, ")");
    const std::size_t angle = FindChars(title, ">");
    if (paren >= 1 && paren <= 5) return MidChars(title, paren + 1);
    if (angle >= 1 && angle <= 5) return MidChars(title, angle + 1);
    if (angle >= 6) return "";
    return title;
}

std::string PriceCaption(double price, bool exchangeRate) {
    std::string text = FormatNumber(price, "#,###.##");
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (!exchangeRate || text.empty() || text.front() != '.') return text;
    std::string withZero = "0";
    withZero += text;
    return withZero;
}

bool IsExchangeRateCode(const ChartWindowState& f) { return f.StockCode4 >= "0010" && f.StockCode4 <= "0500"; }

void ReportNoData(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    f.DataFileName.clear();
    f.ChartShown = 0;
    w.StopBlink();
    // The chart drawn before goes first: the message must not stand over
    // another stock's chart under this stock's title.
    w.ShowNoData();
    Message(kMessage302);
}

bool OpenChartFile(ChartHost& w, ChartFile& file1) {
    try {
        file1.Open(w.Fields().DataFileName);
        return true;
    } catch (const FileError&) {
        ReportNoData(w);
        return false;
    }
}

void ShowChart(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    // 1.
    if (f.DataFileName.empty()) {
        Message(kMessage300);
        return;
    }
    // 2.
    w.LabelNo(14).hide();
    ChartFile file1;
    if (!OpenChartFile(w, file1)) return;
    try {
        SetUp(w, file1);
    } catch (const FileError&) {
        // The file went away or turned unreadable under the set-up.
        file1.Close();
        ReportNoData(w);
    }
}

}  // namespace ranvik
