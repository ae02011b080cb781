// Removing, changing, adding and moving single records of a stock data file, and the header's extremes.
#include "maintenance/record_store.h"

#include <algorithm>

#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"

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

void RecomputeHeader(RecordFile& file) {
    StoreState& s = Program().store;
    QuoteRecord start = ReadHeader(file);
    if (start.RangeMax > start.High) {
        start.High = start.RangeMax;
        start.Low = start.RangeMin;
    }
    float high = 0;
    float low = start.High;
    float volume = 0;
    float sell = 0;
    float buy = 0;
    const int n = start.RecordNo;
    if (n >= 2) {
        const std::string block = file.ReadBlock(2, n - 1);
        for (std::size_t i = 0; i < static_cast<std::size_t>(n - 1); ++i) {
            const QuoteRecord r = RecordAt(block, i);
            if (r.High > high) high = r.High;
            if (r.Low < low) low = r.Low;
            if (r.Volume > volume) volume = r.Volume;
            if (r.SellBalance > sell) sell = r.SellBalance;
            if (r.BuyBalance > buy) buy = r.BuyBalance;
        }
    }
    QuoteRecord header = ReadHeader(file);
    header.High = high;
    header.Low = low;
    header.Volume = volume;
    header.SellBalance = sell;
    header.BuyBalance = buy;
    file.Write(1, header.Encode());
    s.QuoteBufB = header;
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
