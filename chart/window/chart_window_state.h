#pragma once
// The fields of one chart window (Form3), in their declaration order: what
// the window shows and is about to show, its view, its price scale, the
// values typed for it in the quick parameter bar and the working state of
// the drawers.  The window owns one; the drawing, printing and web-update
// routines of the other parts read and write it through the window.  Plain
// data, header only, so that the drawers use it without the window.
//
// Types as the fields were declared: 16-bit integers, 32-bit floats, "number"
// fields that hold exactly the value assigned (a double), texts, and
// fixed-length texts that every assignment pads or cuts.  Flags are -1 for
// true and 0 for false.  The values below are those a new window starts
// with (its load handler sets them again).
#include <array>
#include <cstdint>
#include <string>

#include "platform/runtime/fixed_text.h"

namespace ranvik {

struct ChartWindowState {
    // Zoom slider Slider1: its value when the window is created, the width of
    // the partial view.
    static constexpr std::int16_t kSliderStart = 903;
    // Height of the indicator pane Picture3 when the window is created.
    static constexpr float kIndicatorPaneStart = 1310;
    // CrossX and CrossY when no crosshair line is drawn.
    static constexpr double kNoCross = -2000;

    std::int16_t CompareRestart = 0;  // -1: the next comparison draw starts afresh
    std::int16_t PrintingNow = 0;     // -1 while the window prints
    std::int16_t IchimokuCloudPass = 0;
    double KagiDirection = 0;
    std::int16_t ParabolicUp = 0;
    std::int16_t PnfAbsolute = 0;
    std::int16_t IsDaily = 0;  // -1 daily data, 0 weekly
    std::int16_t ParamsIsDaily = 0;
    std::int16_t InvertedChart = 0;
    std::int16_t BlinkPhase = 0;  // title blink: 0 the next tick paints grey
    std::int16_t CorrectionWanted = -1;
    std::int16_t YearCompareRestart = 0;
    std::int16_t CompareTopPct = 0;
    std::int16_t CompareBottomPct = 0;
    std::int16_t CorrectionRecord = 0;
    std::array<std::int16_t, 6> CorrectionRecords{};  // points 1 to 5
    std::int16_t RecordCount = 0;  // last record of the file drawn (its header's RecordNo)
    std::int16_t SavedRecordCount = 0;
    std::int16_t SavedFirstRecord = 0;
    std::int16_t MonthlyFirstRecord = 0;
    std::int16_t MonthlyRecordCount = 0;
    std::int16_t MonthCutDays = 0;
    std::int16_t BackColorNo = 1;  // background colour 1 to 7
    std::int16_t FirstRecord = 0;  // first shown record, at least 2 once drawn
    std::int16_t PartialViewWidth = kSliderStart;
    std::int16_t BandVolumeScale = 8;
    std::int16_t LineColorNo = 0;
    std::int16_t VolumeAreaRatio = 7;  // 3 while the volume area is enlarged
    double ChartShown = 0;             // 1 once the current data file is drawn
    double StockSource = 1;            // 1 a local data file, 2 a list stock from the web
    std::int16_t WindowNo = 0;         // 1 to 3
    std::int16_t DeviationScale = 0;
    std::array<std::int16_t, 3> VolumeAvgPeriods{};
    std::array<std::int16_t, 4> OverlayPeriods{};
    std::array<std::int16_t, 4> RegressionPeriods{};
    double MacdShortPeriod = 0;
    double MacdLongPeriod = 0;
    std::int16_t MacdSignalPeriod = 0;
    std::int16_t ReversePeriod = 0;
    std::int16_t VolumeIndicatorPeriod = 0;
    double OscPeriodWeekly = 0;
    std::int16_t OscPeriodDaily = 0;
    std::int16_t BandPeriod = 0;
    float EnvelopePct = 0;
    float PanelGrabX = 0;
    float PanelGrabY = 0;
    float CrossY = static_cast<float>(kNoCross);
    double CrossX = kNoCross;
    float PriceGridStep = 0;
    float KagiFraction = 0;
    float KagiLastPrice = 0;
    float KagiPct = 0;
    double ParabolicSar = 0;
    double ParabolicSarNext = 0;
    double ParabolicEP = 0;
    float ParabolicAFNow = 0;
    float ParabolicAF = 0;
    float PnfBoxSize = 0;
    float IndicatorPaneHeight = kIndicatorPaneStart;
    float PriceSpan = 0;
    double SavedScaleHeight = 0;
    float SavedScaleTop = 0;
    float MacdClipLevel = 0;
    double PriceTop = 5000;
    double PriceBottom = 1000;
    float SavedPricePaneHeight = 0;
    double ClipLevelH = 100;
    float ClipLevelL = 0;
    double VolumePaneFactor = 0;
    double FileMaxVolume = 0;
    // The largest volume of the whole file as corrected, while the split
    // correction is on: the fixed volume scale and the largest-volume bar
    // are taken from it, as the stored maximum is the uncorrected one.
    float CorrectedMaxVolume = 0;
    float MaxVolume = 0;
    double FileHigh = 0;
    double FileLow = 0;
    double ViewHigh = 0;  // 0 asks the next redraw for a new price range
    float ViewLow = 0;
    double ViewMaxSellBalance = 0;
    float ViewMaxBuyBalance = 0;
    float VolumeAreaHeight = 0;
    float CorrectionFactor = 0;
    std::array<float, 6> CorrectionFactors{};  // element 0: the number of points
    std::int16_t YearPaneDetail = 0;  // -1: the yearly pane is wide enough for its labels
    float YearPaneDragX = 0;
    float YearPaneDragY = 0;
    float ViewWidth = kSliderStart;  // x units, 7 a bar; 1 asks for the whole file
    float ViewWidthMax = 0;
    std::string WebPriceText;
    std::string WebPriceNote;
    FixedText<2> YearCompareStartYear;
    FixedText<2> YearCompareStartMonth;
    FixedText<8> FirstShownDate;
    FixedText<1> PeriodUnit;  // "日" or "週"
    std::string AxisFormat;
    std::string DataFileName;     // the file shown or about to be shown; empty: none
    std::string CommandLineFile;  // window 1: the command line's file until the first resize
    std::string StockTitle;
    std::string ShownCode;
    std::string StockCode;
    std::string QuoteAddress;
    std::string WebTempFileName;
    // The web update's page download: today as "mm/dd/yy" (the end date of
    // the history requests), the QBColor number of the title while requests
    // run, and the right end of the progress mark in the bar's scale.
    std::string TodayDate;
    std::int16_t StatusColorNo = 0;
    std::int16_t ProgressEnd = 0;
    FixedText<4> StockCode4;
    std::string ShownFileName;  // DataFileName when it was drawn; redraws act only while both agree
    std::string StockUnitText;
    std::string StockMarket;
    std::string MonthlyFileName;
    std::string CorrectedFileName;
    std::string CorrectedSourceName;
    // The other chart kinds' own state: the comparison charts' day of the
    // year, base date (day, month, four-digit year) and its day of the year,
    // the legend's next place, the price that counts as 100 % and the year
    // line's colour; the period kind the reverse watch period belongs to.
    std::int16_t YearDayNo = 0;
    std::array<double, 3> CompareBaseDate{};
    std::int16_t CompareBaseYearDay = 0;
    double LegendX = 0;
    float LegendY = 0;
    float LineBaseClose = 0;
    std::int16_t YearColorNo = 0;
    std::int16_t ReversePeriodIsDaily = 0;
};

}  // namespace ranvik
