#pragma once
// Split correction: the points marked in a stock data file, the multiplier
// derived for the point the header names, the window's correction state, the
// corrected copy drawn when a file has several points, and the per-bar rule
// every drawer applies to the bars it reads.
//
// A point is a bar whose CorrectionMultiplier holds a number ("2" twice,
// "10", "05" one half: a leading "0" means tenths); bars before it are on
// the old price level.  Prices before a point are divided by its factor
// (its own multiplier times those of all newer points), volumes and margin
// balances multiplied.  Only a multiplier above 0 marks a point: "00", "0 "
// or "-2" would divide by nothing or turn the chart over.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"
#include "core/quote_record.h"

namespace ranvik {

// The message shown when the bookkeeping cannot write the stock data file or
// the corrected copy; the chart is then drawn uncorrected.
inline constexpr std::string_view kCorrectionNotWritten =
    "株価データファイルに補正データを書き込めません。補正せずに表示します";
inline constexpr std::string_view kCorrectedCopyNotMade =
    "補正済みの株価データファイルを作成できません。補正せずに表示します";

bool IsPointMultiplier(std::string_view text);

// The multiplier text a point takes from the opening prices across it
// (`before` on the bar before the point, `at` on the point): "0" and the
// tenth digit of a ratio below 1, else the ratio rounded into two
// characters.  None when a price is 0 or the ratio rounds to no usable
// multiplier (from 0.95 up to 1, below 0.05).
std::optional<std::string> DerivedMultiplier(float before, float at);

// The set-up's part, run by ShowChart on file number 1 with the header just
// read: the point the header names (its multiplier derived and written back
// where asked), the points collected, the corrected copy when there are
// several (file number 1 and DataFileName then name the copy), the menu
// item, and with the correction on the highest high and lowest low of the
// whole file.  Returns the header as the captions take it: its High and Low
// the file's range, corrected when the correction is on.
QuoteRecord SetUpSplitCorrection(ChartHost& window, ChartFile& file1, const QuoteRecord& header);

// Writes the corrected copy of DataFileName and switches file number 1 and
// DataFileName to it.  False when the copy could not be written: nothing of
// it is left, DataFileName and file number 1 stay on the source.
bool MakeCorrectedDataFile(ChartHost& window, ChartFile& file1);

// Whether the drawers correct the bars they read: item 1 of mnuHosei.
bool CorrectionOn(ChartHost& window);

// The point in force for a view that starts at `firstRecord`: the oldest
// point after it (none: the state stays).  For two or more points.
void SetPointInForce(ChartWindowState& fields, std::int64_t firstRecord);

// The per-bar rule for record r, the records read in ascending order, while
// the correction is on and never on the monthly file.  First the point in
// force advances past r, then the bar's values before it are corrected.
void AdvanceCorrection(ChartWindowState& fields, std::int64_t r);

template <class Bar>
void CorrectBar(const ChartWindowState& f, std::int64_t r, Bar& bar) {
    if (r >= f.CorrectionRecord) return;
    const float c = f.CorrectionFactor;
    bar.Open = bar.Open / c;
    bar.High = bar.High / c;
    bar.Low = bar.Low / c;
    bar.Close = bar.Close / c;
    bar.Volume = bar.Volume * c;
    bar.BuyBalance = bar.BuyBalance * c;
    bar.SellBalance = bar.SellBalance * c;
}

template <class Bar>
void ApplyCorrection(ChartWindowState& f, std::int64_t r, Bar& bar) {
    AdvanceCorrection(f, r);
    CorrectBar(f, r, bar);
}

}  // namespace ranvik
