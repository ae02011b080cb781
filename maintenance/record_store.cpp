// Removing, changing, adding and moving single records of a stock data file, and the header's extremes.
#include "maintenance/record_store.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/text_file.h"

namespace ranvik {

namespace {

constexpr std::size_t kLen = QuoteRecord::kLength;

// A header too short to read or counting no record of its own is damage;
// moving records by such a count would write over what is there.
QuoteRecord ReadHeader(RecordFile& file) {
    const auto bytes = file.ReadWhole(1);
    if (!bytes) throw FileError("the stock data file " + file.Path() + " has no header");
    QuoteRecord header = QuoteRecord::Decode(*bytes);
    if (header.RecordNo < 1) throw FileError("the header of the stock data file " + file.Path() + " is damaged");
    return header;
}

QuoteRecord RecordAt(const std::string& block, std::size_t index) {
    return QuoteRecord::Decode(std::string_view(block).substr(index * kLen, kLen));
}

}  // namespace

bool DeleteRecord(RecordFile& file, int record) {
    StoreState& s = Program().store;
    QuoteRecord header = ReadHeader(file);
    const int n = header.RecordNo;
    if (record < 2 || record > n) return false;
    s.QuoteBufA = header;
    if (record < n) {
        // One block down, which leaves the same bytes as moving the records
        // one by one; the header's count follows once they have moved.
        const std::string block = file.ReadBlock(record + 1, n - record);
        file.WriteBlock(record, block);
        s.QuoteBufA = RecordAt(block, static_cast<std::size_t>(n - record - 1));
    }
    header.RecordNo = static_cast<std::int16_t>(n - 1);
    file.Write(1, header.Encode());
    if (record == n) s.QuoteBufA = header;
    return true;
}

namespace {

// The header as chgdata leaves it: `header` with the extremes of the `n` - 1
// data records in `records` (records 2 to n, one after another).
QuoteRecord WithExtremes(QuoteRecord header, const QuoteRecord& start, std::string_view records, int n) {
    float high = 0;
    float low = start.High;
    float volume = 0;
    float sell = 0;
    float buy = 0;
    for (std::size_t i = 0; n >= 2 && i < static_cast<std::size_t>(n - 1); ++i) {
        const QuoteRecord r = QuoteRecord::Decode(records.substr(i * kLen, kLen));
        if (r.High > high) high = r.High;
        if (r.Low < low) low = r.Low;
        if (r.Volume > volume) volume = r.Volume;
        if (r.SellBalance > sell) sell = r.SellBalance;
        if (r.BuyBalance > buy) buy = r.BuyBalance;
    }
    header.High = high;
    header.Low = low;
    header.Volume = volume;
    header.SellBalance = sell;
    header.BuyBalance = buy;
    return header;
}

// Step 1 of chgdata: a header whose range maximum lies above its High
// starts from the range.
QuoteRecord ExtremesStart(QuoteRecord start) {
    if (start.RangeMax > start.High) {
        start.High = start.RangeMax;
        start.Low = start.RangeMin;
    }
    return start;
}

}  // namespace

void RecomputeHeader(RecordFile& file) {
    const QuoteRecord start = ExtremesStart(ReadHeader(file));
    const int n = start.RecordNo;
    const std::string block = n >= 2 ? file.ReadBlock(2, n - 1) : std::string();
    const QuoteRecord header = WithExtremes(ReadHeader(file), start, block, n);
    file.Write(1, header.Encode());
    Program().store.QuoteBufB = header;
}

bool CommitCellEntry(const std::string& path, int record, int column, const std::string& entry, float value,
                     const HeaderExtremes& extremes, bool admin) {
    const std::optional<std::string> read = ReadFileBytes(path);
    if (!read) throw FileError("the stock data file " + path + " cannot be read");
    std::string bytes = *read;
    const std::int64_t held = static_cast<std::int64_t>(bytes.size() / kLen);
    if (held < 1) throw FileError("the stock data file " + path + " has no header");
    const QuoteRecord header = QuoteRecord::Decode(std::string_view(bytes).substr(0, kLen));
    // Everything is checked before anything is written: a header counting
    // records the file does not hold would put zeros into the extremes.
    if (header.RecordNo < 1 || header.RecordNo > held) {
        throw FileError("the header of the stock data file " + path + " is damaged");
    }
    if (record < 1 || record > header.RecordNo) {
        throw FileError("record " + std::to_string(record) + " is no longer in " + path);
    }
    const std::size_t at = static_cast<std::size_t>(record - 1) * kLen;
    QuoteRecord r = QuoteRecord::Decode(std::string_view(bytes).substr(at, kLen));
    const bool recompute = ApplyCellEntry(r, column, entry, value, extremes, admin);
    bytes.replace(at, kLen, r.Encode());
    QuoteRecord recomputed;
    if (recompute) {
        const int n = header.RecordNo;
        const QuoteRecord changed = QuoteRecord::Decode(std::string_view(bytes).substr(0, kLen));
        const std::string_view records = std::string_view(bytes).substr(kLen, static_cast<std::size_t>(n - 1) * kLen);
        recomputed = WithExtremes(changed, ExtremesStart(changed), records, n);
        bytes.replace(0, kLen, recomputed.Encode());
    }
    // The bar and the header reach the file together or not at all.
    if (!ReplaceFileBytes(path, bytes)) throw FileError("cannot write the stock data file " + path);
    if (recompute) Program().store.QuoteBufB = recomputed;
    return recompute;
}

bool ApplyCellEntry(QuoteRecord& record, int column, const std::string& entry, float value,
                    const HeaderExtremes& extremes, bool admin) {
    auto raise = [&](float& field, float extreme) {
        const bool recompute = field == extreme || value > extreme;
        field = value;
        return recompute;
    };
    switch (column) {
        case 2: record.Open = value; return false;
        case 3: record.Close = value; return false;
        case 4: return raise(record.High, extremes.high);
        case 5: {
            const bool recompute = record.Low == extremes.low || value < extremes.low;
            record.Low = value;
            return recompute;
        }
        case 6: return raise(record.Volume, extremes.volume);
        case 7: return raise(record.SellBalance, extremes.sellBalance);
        case 8: return raise(record.BuyBalance, extremes.buyBalance);
        case 13:
            // The field holds two bytes; "05" is one half, as the chart reads it.
            if (admin) record.CorrectionMultiplier = UnpackField(PackField(LeftChars(entry, 2), 2));
            return false;
        default: return false;
    }
}

MergeOutcome StoreNewRecord(RecordFile& file, const NewRecord& row) {
    QuoteRecord bar;
    bar.QuoteDate = UnpackField(PackField(row.date, 8));
    bar.Open = row.values[0];
    bar.Close = row.values[1];
    bar.High = row.values[2];
    bar.Low = row.values[3];
    bar.Volume = row.values[4];
    bar.SellBalance = row.values[5];
    bar.BuyBalance = row.values[6];
    bar.Reserved = 0;
    Program().store.QuoteBufB = bar;
    return MergeQuoteRecord(file);
}

bool MoveRecordToDate(RecordFile& file, int record, const std::string& date) {
    StoreState& s = Program().store;
    const int n = ReadHeader(file).RecordNo;
    if (record < 2 || record > n) return false;
    QuoteRecord moved = QuoteRecord::Decode(file.Read(record));
    moved.QuoteDate = date;
    const std::string multiplierBytes = moved.Encode().substr(2, 2);
    s.QuoteBufB = moved;
    DeleteRecord(file, record);
    MergeQuoteRecord(file);
    if (multiplierBytes == "  ") return true;
    // The merge stores every bar without a multiplier: the point goes back
    // onto the bar that now carries the date.
    const std::string field = moved.DateField();
    const int count = ReadHeader(file).RecordNo;
    if (count < 2) return true;
    const std::string block = file.ReadBlock(2, count - 1);
    for (int k = count; k >= 2; --k) {
        const std::size_t at = static_cast<std::size_t>(k - 2) * kLen;
        if (block.compare(at + 28, 8, field) != 0) continue;
        std::string bytes = block.substr(at, kLen);
        bytes.replace(2, 2, multiplierBytes);
        file.Write(k, bytes);
        break;
    }
    return true;
}

FileRestorePoint::FileRestorePoint(RecordFile& file) : file_(file) {
    const std::int64_t length = file.ByteLength();
    const std::int64_t records = (length + static_cast<std::int64_t>(kLen) - 1) / static_cast<std::int64_t>(kLen);
    bytes_ = file.ReadBlock(1, records);
    bytes_.resize(static_cast<std::size_t>(length));
}

void FileRestorePoint::Restore() noexcept {
    try {
        if (!bytes_.empty()) file_.WriteBlock(1, bytes_);
    } catch (...) {
    }
}

}  // namespace ranvik
