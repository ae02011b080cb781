// Split correction: the header's point, the points collected, the corrected copy, the whole-file range, the per-bar rule.
#include "chart/drawing/split_correction.h"

#include <algorithm>
#include <cmath>

#include "core/data_store.h"
#include "core/program_state.h"
#include "core/stock_list.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/fixed_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/number_format.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr std::size_t kLen = QuoteRecord::kLength;
constexpr int kMostPoints = 5;

void Message(std::string_view text) {
    ShowMessage(std::string(text), std::string(kMainWindowTitle), MessageIcon::Exclamation);
}

std::string_view MultiplierBytes(std::string_view record) { return record.substr(2, 2); }
std::string_view DateBytes(std::string_view record) { return record.substr(28, 8); }

bool Tenths(std::string_view text) { return !text.empty() && text.front() == '0'; }

int PointCount(const ChartWindowState& f) {
    return std::clamp(static_cast<int>(RoundHalfEven(f.CorrectionFactors[0])), 0, kMostPoints);
}

void HeaderRange(QuoteRecord& header) {
    if (header.RangeMax > header.High) {
        header.High = header.RangeMax;
        header.Low = header.RangeMin;
    }
}

// Only a file: whatever else took the copy's name is not ours to remove.
void DeleteDataFile(const std::string& path) {
    if (FileExists(path)) DeleteFile(path);
}

// The state of a file shown without correction.
void NoCorrection(ChartHost& w) {
    ChartWindowState& f = w.Fields();
    f.CorrectionRecord = 2;
    f.CorrectionFactor = 1;
    f.CorrectionRecords.fill(0);
    f.CorrectionFactors.fill(0);
    w.Item("mnuHosei", 1).SetChecked(false);
    w.Item("mnuHosei", 1).SetEnabled(false);
}

// The writes go through a handle of their own: file number 1 reads only.
RecordFile OpenForWriting(const std::string& path) {
    if (!FileExists(path)) throw FileError("the stock data file " + path + " is gone");
    return RecordFile(path, kLen, FileAccess::ReadWrite);
}

// Step 1: the point the header names by its date.  A FileError when the
// file cannot be written.
void LookUpFirstPoint(ChartWindowState& f, ChartFile& file1, const QuoteRecord& header) {
    const std::string date = header.DateField();
    std::int64_t i = 1;
    for (std::int64_t r = f.RecordCount; r >= 2; --r) {
        if (DateBytes(file1.Bytes(r)) == date) {
            i = r;
            break;
        }
    }
    f.CorrectionRecord = static_cast<std::int16_t>(i);
    if (i >= 3) {
        QuoteRecord point = QuoteRecord::Decode(file1.Bytes(i));
        if (header.CorrectionMultiplier != "99" && IsNumeric(point.CorrectionMultiplier)) return;
        const QuoteRecord before = QuoteRecord::Decode(file1.Bytes(i - 1));
        // Prices that give no multiplier leave the file as it is: the chart
        // is shown without this point rather than with a factor of 0.
        const std::optional<std::string> text = DerivedMultiplier(before.Open, point.Open);
        if (!text) return;
        point.CorrectionMultiplier = *text;
        RecordFile file = OpenForWriting(file1.Path());
        file.Write(i, point.Encode());
        QuoteRecord written = QuoteRecord::Decode(file.Read(1));
        if (PackField(written.CorrectionMultiplier, 2) != PackField(*text, 2)) {
            written.CorrectionMultiplier = *text;
            file.Write(1, written.Encode());
        }
    } else {
        // A point on the first bar, or a date no bar has: the file's
        // correction stays off until the data maintenance sets it again.
        QuoteRecord cleared = header;
        cleared.CorrectionMultiplier = "";
        OpenForWriting(file1.Path()).Write(1, cleared.Encode());
    }
}

// Step 3: the points from the newest bar back, at most five.
void CollectPoints(ChartWindowState& f, ChartFile& file1) {
    int n = 1;
    f.CorrectionFactor = 1;
    for (std::int64_t r = f.RecordCount; r >= 2 && n <= kMostPoints; --r) {
        const std::string_view bytes = MultiplierBytes(file1.Bytes(r));
        if (bytes == "  ") continue;
        const std::string text = UnpackField(bytes);
        if (!IsPointMultiplier(text)) continue;
        f.CorrectionRecords[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(r);
        f.CorrectionRecord = static_cast<std::int16_t>(r);
        f.CorrectionFactor = static_cast<float>(f.CorrectionFactor * Val(text));
        if (Tenths(text)) f.CorrectionFactor = f.CorrectionFactor / 10;
        f.CorrectionFactors[static_cast<std::size_t>(n)] = f.CorrectionFactor;
        ++n;
    }
    f.CorrectionFactors[0] = static_cast<float>(n - 1);
    for (std::size_t k = static_cast<std::size_t>(n); k <= kMostPoints; ++k) {
        f.CorrectionRecords[k] = 0;
        f.CorrectionFactors[k] = 0;
    }
}

// Step 7: the highest high and lowest low of the whole file, corrected, and
// its largest corrected volume, which the stored maximum is not.
void ScanWholeFileRange(ChartWindowState& f, ChartFile& file1, QuoteRecord& header) {
    const int k = PointCount(f);
    f.CorrectionFactor = f.CorrectionFactors[static_cast<std::size_t>(k)];
    // Record 2 goes through the per-bar rule like the others: a point on the
    // first bar leaves that bar as stored.
    BarValues first = file1.Values(2);
    ApplyCorrection(f, 2, first);
    double high = first.High;
    double low = first.Low;
    float volume = first.Volume;
    for (std::int64_t r = 3; r <= f.RecordCount; ++r) {
        BarValues bar = file1.Values(r);
        ApplyCorrection(f, r, bar);
        if (bar.High > high) high = bar.High;
        if (bar.Low < low) low = bar.Low;
        if (bar.Volume > volume) volume = bar.Volume;
    }
    header.High = static_cast<float>(high);
    header.Low = static_cast<float>(low);
    f.CorrectedMaxVolume = volume;
}

// The copy's records, stored as MergeQuoteRecord stores them one by one into
// the fresh copy: each bar that comes after the last stored one is appended
// (blank multiplier, Reserved 0, the header's extremes widened), written in
// one block; any other bar goes through the merge itself.
void WriteCorrectedRecords(const ChartWindowState& f, ChartFile& source, RecordFile& copy) {
    StoreState& store = Program().store;
    QuoteRecord header = QuoteRecord::Decode(copy.Read(1));
    std::int64_t n = header.RecordNo;
    std::string lastDate;
    DateKey lastKey;
    std::string pending;
    pending.reserve(static_cast<std::size_t>(f.RecordCount) * kLen);
    std::int64_t pendingFrom = n + 1;
    auto flush = [&] {
        copy.WriteBlock(pendingFrom, pending);
        copy.Write(1, header.Encode());
        pending.clear();
    };

    int next = PointCount(f);
    float c = f.CorrectionFactors[static_cast<std::size_t>(next)];
    std::string bytes;
    for (std::int64_t r = 2; r <= f.RecordCount; ++r) {
        bytes.assign(source.Bytes(r));
        // Only the points collected move the factor: a sixth or unusable
        // multiplier is none.
        if (next >= 1 && r == f.CorrectionRecords[static_cast<std::size_t>(next)]) {
            const std::string text = UnpackField(MultiplierBytes(bytes));
            if (Tenths(text)) c = c * 10;
            c = static_cast<float>(c / Val(text));
            --next;
        }
        if (c != 1) {
            PutSingle(bytes, 20, GetSingle(bytes, 20) / c);
            PutSingle(bytes, 24, GetSingle(bytes, 24) / c);
            PutSingle(bytes, 12, GetSingle(bytes, 12) / c);
            PutSingle(bytes, 16, GetSingle(bytes, 16) / c);
            PutSingle(bytes, 36, GetSingle(bytes, 36) * c);
            PutSingle(bytes, 40, GetSingle(bytes, 40) * c);
            PutSingle(bytes, 44, GetSingle(bytes, 44) * c);
        }
        const std::string_view date = DateBytes(bytes);
        const DateKey key = DateKeyOf(date);
        if (n == 1 || key > lastKey || (key == lastKey && date != lastDate)) {
            const BarValues bar = ValuesOf(bytes);
            HeaderRange(header);
            header.RecordNo = static_cast<std::int16_t>(++n);
            header.Volume = std::max(header.Volume, bar.Volume);
            header.High = std::max(header.High, bar.High);
            header.BuyBalance = std::max(header.BuyBalance, bar.BuyBalance);
            header.SellBalance = std::max(header.SellBalance, bar.SellBalance);
            header.Low = std::min(header.Low, bar.Low);
            lastDate.assign(date);
            lastKey = key;
            bytes.replace(2, 2, "  ");
            PutSingle(bytes, 48, 0);
            pending += bytes;
            continue;
        }
        flush();
        store.QuoteBufB = QuoteRecord::Decode(bytes);
        MergeQuoteRecord(copy);
        header = QuoteRecord::Decode(copy.Read(1));
        n = header.RecordNo;
        pendingFrom = n + 1;
        lastDate = std::string(DateBytes(copy.Read(n)));
        lastKey = DateKeyOf(lastDate);
    }
    flush();
}

// "0" and the tenth digit of the ratio written "0.#" into three characters.
std::string TenthsMultiplier(float ratio) {
    const FixedText<3> tenths = FormatNumber(ratio, "0.#");
    std::string text(1, '0');
    text += RightChars(tenths.Text(), 1);
    return text;
}

}  // namespace

bool IsPointMultiplier(std::string_view text) {
    if (!IsNumeric(text)) return false;
    double value = Val(text);
    if (Tenths(text)) value /= 10;
    return value > 0;
}

std::optional<std::string> DerivedMultiplier(float before, float at) {
    if (before == 0 || at == 0) return std::nullopt;
    const float ratio = before / at;
    if (!(ratio > 0) || !std::isfinite(ratio)) return std::nullopt;
    const std::string text = ratio < 1 ? TenthsMultiplier(ratio) : FixedText<2>(FormatNumber(ratio, "##")).Text();
    if (!IsPointMultiplier(text)) return std::nullopt;
    return text;
}

bool CorrectionOn(ChartHost& w) { return w.Item("mnuHosei", 1).Checked(); }

QuoteRecord SetUpSplitCorrection(ChartHost& w, ChartFile& file1, const QuoteRecord& header) {
    ChartWindowState& f = w.Fields();
    MenuItem hosei = w.Item("mnuHosei", 1);
    // 1.
    f.CorrectionRecord = 2;
    bool written = true;
    if (IsNumeric(header.CorrectionMultiplier)) {
        try {
            LookUpFirstPoint(f, file1, header);
        } catch (const FileError&) {
            written = false;
        }
        file1.Forget();
    }
    // 2.
    QuoteRecord shown = file1.ReadHeader().value_or(header);
    HeaderRange(shown);
    f.CorrectionFactor = 1;
    hosei.SetChecked(false);
    hosei.SetEnabled(false);
    if (!written) {
        Message(kCorrectionNotWritten);
        NoCorrection(w);
        Program().store.QuoteBufA = shown;
        return shown;
    }
    // 3.
    f.CorrectionRecords.fill(0);
    f.CorrectionFactors.fill(0);
    if (IsNumeric(shown.CorrectionMultiplier)) CollectPoints(f, file1);
    if (PointCount(f) == 0) {
        NoCorrection(w);
    } else {
        hosei.SetEnabled(true);
        hosei.SetChecked(true);
    }
    // 4.
    if (PointCount(f) > 1) {
        if (MakeCorrectedDataFile(w, file1)) {
            shown = file1.ReadHeader().value_or(QuoteRecord{});
            HeaderRange(shown);
        } else {
            Message(kCorrectedCopyNotMade);
            NoCorrection(w);
        }
    }
    // 6.  The user's choice survives every load.
    if (f.CorrectionWanted == 0 && hosei.Checked()) hosei.SetChecked(false);
    // 7.
    if (hosei.Checked()) ScanWholeFileRange(f, file1, shown);
    Program().store.QuoteBufA = shown;
    return shown;
}

bool MakeCorrectedDataFile(ChartHost& w, ChartFile& file1) {
    ChartWindowState& f = w.Fields();
    const std::string& appDir = Program().app.AppDir;
    // 1.
    file1.Close();
    const std::string letter = f.IsDaily == kTrue ? "d" : "w";
    // 2.  A copy of the other period gives way to one of this period.
    if (f.CorrectedFileName.empty() || FindChars(f.CorrectedFileName, letter) == 0) {
        if (!f.CorrectedFileName.empty()) DeleteDataFile(JoinPath(appDir, f.CorrectedFileName));
        const std::string no = std::to_string(f.WindowNo);
        std::string name = "Hosei" + no + letter + ".KDT";
        if (FileExistsIn(name, appDir) == 1) name = "Hosei" + no + no + letter + ".KDT";
        f.CorrectedFileName = name;
    }
    const std::string copyPath = JoinPath(appDir, f.CorrectedFileName);
    // The copy is written under a name that is no stock data file and
    // takes its own name only once whole: a write cut short, even by the
    // program's end, never leaves a part of it that the lists would offer
    // as a stock.  What an earlier cut left is started afresh (opening
    // never shortens a file).
    const std::string partPath = JoinPath(appDir, "." + f.CorrectedFileName + ".part");
    try {
        // 3 to 6.
        if (FileExists(partPath) && !DeleteFile(partPath)) throw FileError("cannot remove " + partPath);
        CreateDataFile(partPath);
        {
            RecordFile copy(partPath, kLen, FileAccess::ReadWrite);
            ChartFile source;
            source.Open(f.DataFileName);
            WriteCorrectedRecords(f, source, copy);
        }
        if (!RenameFile(partPath, copyPath)) throw FileError("cannot name the copy " + copyPath);
    } catch (const FileError&) {
        // Nothing half-written stays behind, nor an older copy of the same
        // name, and the window goes on with the source: a later pick of the
        // same file must not take a copy that is not there.
        DeleteDataFile(partPath);
        DeleteDataFile(copyPath);
        f.CorrectedFileName.clear();
        f.CorrectedSourceName.clear();
        file1.Open(f.DataFileName);
        return false;
    }
    // A picked file is named by what follows the program folder; a file from
    // elsewhere (the command line's) keeps its whole path, so that no file
    // of the same name in the program folder is taken for it.
    const bool inAppDir = f.DataFileName.compare(0, appDir.size(), appDir) == 0;
    f.CorrectedSourceName = inAppDir ? MidChars(f.DataFileName, CharCount(appDir) + 1) : f.DataFileName;
    // 7.
    w.Item("mnuHosei", 1).SetChecked(false);
    w.Item("mnuHosei", 1).SetEnabled(false);
    f.DataFileName = copyPath;
    file1.Open(copyPath);
    return true;
}

void SetPointInForce(ChartWindowState& f, std::int64_t firstRecord) {
    for (int j = PointCount(f); j >= 1; --j) {
        if (firstRecord < f.CorrectionRecords[static_cast<std::size_t>(j)]) {
            f.CorrectionRecord = f.CorrectionRecords[static_cast<std::size_t>(j)];
            f.CorrectionFactor = f.CorrectionFactors[static_cast<std::size_t>(j)];
            return;
        }
    }
}

void AdvanceCorrection(ChartWindowState& f, std::int64_t r) {
    if (f.CorrectionFactors[0] > 1 && f.CorrectionRecord <= r) SetPointInForce(f, r);
}

}  // namespace ranvik
