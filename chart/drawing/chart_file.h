#pragma once
// File number 1 of a chart draw: the stock data file (or, for a moment, the
// monthly file) that the set-up, the redraw and every drawer read.  It is
// opened for reading only: nothing is written during a draw, and a reader
// sent to a name that is not there must not leave an empty file behind.
//
// Records are fetched in blocks, which gives exactly what reading them one
// at a time gives: the bytes the file holds, and zero bytes for a record
// wholly or partly past its end.  The file must not change under an open
// ChartFile; the split-correction bookkeeping, which writes through a handle
// of its own, calls Forget afterwards.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/quote_record.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

// The numbers of a bar that the drawers correct and scan, read straight from
// its bytes: a whole-file pass needs no decoded texts.
struct BarValues {
    std::int16_t RecordNo = 0;  // in the monthly file: the month's width
    float Open = 0;
    float Close = 0;
    float High = 0;
    float Low = 0;
    float Volume = 0;
    float BuyBalance = 0;
    float SellBalance = 0;
};

class ChartFile {
public:
    ChartFile() = default;
    ChartFile(const ChartFile&) = delete;
    ChartFile& operator=(const ChartFile&) = delete;

    // FileError when the file cannot be opened for reading (missing, a
    // folder).
    void Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_.IsOpen(); }
    const std::string& Path() const { return file_.Path(); }

    // Whole records the file holds.
    std::int64_t RecordsHeld();
    // Record 1, when the file holds every byte of it.
    std::optional<QuoteRecord> ReadHeader();
    // Record r into `into` (QuoteBufA or QuoteBufB), which is returned.
    QuoteRecord& Read(std::int64_t r, QuoteRecord& into);
    // The 52 bytes of record r; valid until the next call.
    std::string_view Bytes(std::int64_t r);
    BarValues Values(std::int64_t r);  // inline, below
    // Drops what was read ahead: the file was written meanwhile.
    void Forget();

private:
    void DropBlock();

    RecordFile file_;
    std::string block_;
    std::int64_t first_ = 0;  // record number of the block's first record
    std::int64_t count_ = 0;
};

// Inline, as Values: a whole-file walk takes the numbers where it keeps
// them.  Returned through memory from a call they are written in small
// pieces and read back in large ones, which stalls every record.
inline BarValues ValuesOf(std::string_view record) {
    BarValues v;
    v.RecordNo = GetInteger(record, 0);
    v.Open = GetSingle(record, 12);
    v.Close = GetSingle(record, 16);
    v.High = GetSingle(record, 20);
    v.Low = GetSingle(record, 24);
    v.Volume = GetSingle(record, 36);
    v.BuyBalance = GetSingle(record, 40);
    v.SellBalance = GetSingle(record, 44);
    return v;
}

inline BarValues ChartFile::Values(std::int64_t r) { return ValuesOf(Bytes(r)); }

}  // namespace ranvik
