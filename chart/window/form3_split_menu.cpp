// The chart menu's split correction item: the correction switched on or off
// for this window, with the whole file's extremes taken again; the width of
// the information label that shows the extremes.
#include <algorithm>

#include <QLabel>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/redraw.h"
#include "chart/drawing/year_candles.h"
#include "chart/window/form3.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/record_file.h"
#include "platform/runtime/values.h"

namespace ranvik {

void Form3::FitInformationLabel() {
    if (Label20->width() != Label20->sizeHint().width()) Label20->adjustSize();
}

void Form3::mnuHosei_Click() {
    ChartWindowState& f = fields_;
    if (f.DataFileName.empty()) return;
    // Only a drawn file whose points this window collected is walked: without
    // a point the factor would be 0, and a file other than the one drawn
    // (another pick, the corrected copy) does not carry these points.
    const int points = std::clamp(static_cast<int>(RoundHalfEven(f.CorrectionFactors[0])), 0, 5);
    if (f.ChartShown != 1 || points < 1) return;
    ChartFile file1;
    try {
        file1.Open(f.DataFileName);
    } catch (const FileError&) {
        return;
    }
    const std::optional<QuoteRecord> read = file1.ReadHeader();
    if (!read || !IsNumeric(read->CorrectionMultiplier)) return;

    // 1.
    StoreState& store = Program().store;
    store.QuoteBufA = *read;
    QuoteRecord& header = store.QuoteBufA;
    if (header.RangeMax > header.High) {
        header.High = header.RangeMax;
        header.Low = header.RangeMin;
    }
    MenuItem item = Item("mnuHosei", 1);
    if (item.Checked()) {
        // 2.  Off: the file's own extremes.
        item.SetChecked(false);
        f.CorrectionWanted = 0;
        f.FileHigh = header.High;
        f.FileLow = header.Low;
        f.FileMaxVolume = header.Volume;
    } else {
        // 3.  On: from the oldest point, whatever the last drawing left.
        item.SetChecked(true);
        f.CorrectionWanted = kTrue;
        const auto n = static_cast<std::size_t>(points);
        f.CorrectionRecord = f.CorrectionRecords[n];
        f.CorrectionFactor = f.CorrectionFactors[n];
        QuoteRecord& bar = store.QuoteBufB;
        file1.Read(2, bar);
        f.FileHigh = bar.High / f.CorrectionFactor;
        f.FileLow = bar.Low / f.CorrectionFactor;
        f.FileMaxVolume = bar.Volume * f.CorrectionFactor;
        for (std::int64_t i = 3; i <= f.RecordCount; ++i) {
            file1.Read(i, bar);
            if (i >= f.CorrectionRecord && points > 1) {
                for (std::size_t j = n; j >= 1; --j) {
                    if (f.CorrectionRecords[j] > i) {
                        f.CorrectionRecord = f.CorrectionRecords[j];
                        f.CorrectionFactor = f.CorrectionFactors[j];
                        break;
                    }
                }
            }
            if (i < f.CorrectionRecord) {
                bar.High = bar.High / f.CorrectionFactor;
                bar.Low = bar.Low / f.CorrectionFactor;
                bar.Volume = bar.Volume * f.CorrectionFactor;
            }
            if (bar.High > f.FileHigh) f.FileHigh = bar.High;
            if (bar.Low < f.FileLow) f.FileLow = bar.Low;
            if (bar.Volume > f.FileMaxVolume) f.FileMaxVolume = bar.Volume;
        }
        // The volume scale takes the corrected largest volume while the
        // correction is on.
        f.CorrectedMaxVolume = static_cast<float>(f.FileMaxVolume);
    }
    // 4.
    std::string caption = " 最高値：";
    caption.append(FormatNumber(f.FileHigh, f.AxisFormat)).append("  最安値：").append(FormatNumber(f.FileLow, f.AxisFormat));
    Label20->setText(QString::fromStdString(caption));
    // 5.  A box size taken from the old range is dropped.
    f.PnfBoxSize = 0;
    // 6.
    if (PaneVisible(Pane::YearCandles)) DrawYearCandles(*this, file1);
    // 7.
    file1.Close();
    RedrawChart(*this);
}

}  // namespace ranvik
