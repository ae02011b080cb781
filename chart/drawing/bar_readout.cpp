#include "chart/drawing/bar_readout.h"

#include <cmath>
#include <optional>

#include "chart/drawing/split_correction.h"
#include "core/program_state.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/record_file.h"

namespace ranvik {
namespace {

constexpr const char* kNoDate = "xx/xx/xx";

std::optional<QuoteRecord> ReadRecord(RecordFile& file, std::int64_t k) {
    if (k < 2) return std::nullopt;  // the header is never a bar
    std::optional<std::string> bytes = file.ReadWhole(k);
    if (!bytes) return std::nullopt;
    return QuoteRecord::Decode(*bytes);
}

// Record `r` and the one before it (record 2 is compared with itself).
bool ReadPair(RecordFile& file, std::int64_t r, BarReadout& out) {
    std::optional<QuoteRecord> a = ReadRecord(file, r);
    std::optional<QuoteRecord> b = ReadRecord(file, r == 2 ? 2 : r - 1);
    if (!a || !b) return false;
    out.shown = *a;
    out.before = *b;
    return true;
}

bool ReadDaily(ChartWindowState& f, double x, bool correctionOn, BarReadout& out) {
    const std::int64_t r = static_cast<std::int64_t>(std::trunc(x / 7)) + f.FirstRecord;
    if (r < 2 || r > f.RecordCount) return false;
    try {
        RecordFile file(f.DataFileName, QuoteRecord::kLength, FileAccess::ReadOnly);
        if (!ReadPair(file, r, out)) return false;
    } catch (const FileError&) {
        return false;
    }
    if (correctionOn) {
        const std::int64_t p = r == 2 ? 2 : r - 1;
        AdvanceCorrection(f, r);
        CorrectBar(f, r, out.shown);
        if (f.CorrectionRecord > p) out.before.Close = out.before.Close / f.CorrectionFactor;
    }
    return true;
}

bool ReadMonthly(const ChartWindowState& f, double x, BarReadout& out) {
    const std::int64_t first = f.MonthlyFirstRecord;
    const std::int64_t last = f.MonthlyRecordCount;
    if (first < 2 || last < first) return false;
    try {
        if (f.MonthlyFileName.empty()) return false;
        RecordFile file(Program().app.AppDir + f.MonthlyFileName, QuoteRecord::kLength, FileAccess::ReadOnly);
        // One read for the whole walk: a month's width is all it needs.
        const std::string block = file.ReadBlock(first, last - first + 1);
        const auto width = [&](std::int64_t m) {
            return GetInteger(block, static_cast<std::size_t>(m - first) * QuoteRecord::kLength);
        };
        double edge = static_cast<double>(width(first)) - f.MonthCutDays;
        for (std::int64_t m = first; m <= last; ++m) {
            if (x <= edge) return ReadPair(file, m, out);
            if (m < last) edge += width(m + 1);
        }
    } catch (const FileError&) {
    }
    return false;
}

std::string WithoutTrailingPoint(std::string text) {
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

std::string ReadoutPricePattern(const std::string& axisFormat) {
    return axisFormat == "#,###" ? std::string("#,###.##") : axisFormat;
}

std::string ReadoutPrice(double value, const std::string& axisFormat) {
    return WithoutTrailingPoint(FormatNumber(value, ReadoutPricePattern(axisFormat)));
}

BarReadout ReadBarUnderCursor(ChartWindowState& f, double x, bool monthly, bool correctionOn) {
    BarReadout out;
    out.hasBar = monthly ? ReadMonthly(f, x, out) : ReadDaily(f, x, correctionOn, out);
    if (!out.hasBar) {
        out.shown = QuoteRecord{};
        out.before = QuoteRecord{};
        out.shown.QuoteDate = kNoDate;
    }
    const auto at = [&](std::size_t label, std::string text, int colour) {
        out.texts.push_back(
            {std::move(text), kReadoutLabels[label].left, kReadoutLabelTop + kReadoutLabelHeight + kReadoutGap, colour});
    };
    // "mm/dd/yy" read as yy/mm/dd; months as yy/mm followed by " --".
    std::string date = out.shown.QuoteDate;
    date.resize(8, ' ');
    std::string d = date.substr(6, 2);
    d.append("/").append(date.substr(0, 5));
    if (monthly) d = d.substr(0, 5).append(" --");
    at(0, d, 13);
    if (!out.hasBar) return out;

    const int colour = f.BackColorNo == 2 ? 7 : 3;
    const QuoteRecord& a = out.shown;
    at(1, ReadoutPrice(a.Open, f.AxisFormat), colour);
    at(2, ReadoutPrice(a.Close, f.AxisFormat), colour);
    at(3, ReadoutPrice(a.High, f.AxisFormat), colour);
    at(4, ReadoutPrice(a.Low, f.AxisFormat), colour);
    const float change = a.Close - out.before.Close;
    std::string changeText = ReadoutPrice(change, f.AxisFormat);
    // Built by appending: an insert at the front draws a false overlap
    // warning from the optimiser.
    if (change > 0) changeText = std::string("+").append(changeText);
    at(5, changeText, colour);
    at(6, FormatNumber(a.Volume, "#,##0"), colour);
    at(7, FormatNumber(a.SellBalance, "#,##0"), colour);
    at(8, FormatNumber(a.BuyBalance, "#,##0"), colour);
    at(9, a.SellBalance != 0 ? FormatNumber(a.BuyBalance / a.SellBalance, "0.##") : std::string("-"), colour);
    return out;
}

}  // namespace ranvik
