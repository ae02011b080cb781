#include "core/quote_record.h"

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

namespace {

std::string FieldBytes(const std::string& text, const std::string& read, std::size_t width) {
    if (read.size() == width && UnpackField(read) == text) return read;
    return PackField(text, width);
}

}  // namespace

std::string QuoteRecord::DateField() const { return FieldBytes(QuoteDate, readBytes.date, 8); }

std::string QuoteRecord::Encode() const {
    std::string r(kLength, '\0');
    PutInteger(r, 0, RecordNo);
    r.replace(2, 2, FieldBytes(CorrectionMultiplier, readBytes.multiplier, 2));
    PutSingle(r, 4, RangeMax);
    PutSingle(r, 8, RangeMin);
    PutSingle(r, 12, Open);
    PutSingle(r, 16, Close);
    PutSingle(r, 20, High);
    PutSingle(r, 24, Low);
    r.replace(28, 8, DateField());
    PutSingle(r, 36, Volume);
    PutSingle(r, 40, BuyBalance);
    PutSingle(r, 44, SellBalance);
    PutSingle(r, 48, Reserved);
    return r;
}

QuoteRecord QuoteRecord::Decode(std::string_view b) {
    QuoteRecord q;
    q.RecordNo = GetInteger(b, 0);
    q.readBytes.multiplier = b.substr(2, 2);
    q.CorrectionMultiplier = UnpackField(q.readBytes.multiplier);
    q.RangeMax = GetSingle(b, 4);
    q.RangeMin = GetSingle(b, 8);
    q.Open = GetSingle(b, 12);
    q.Close = GetSingle(b, 16);
    q.High = GetSingle(b, 20);
    q.Low = GetSingle(b, 24);
    q.readBytes.date = b.substr(28, 8);
    q.QuoteDate = UnpackField(q.readBytes.date);
    q.Volume = GetSingle(b, 36);
    q.BuyBalance = GetSingle(b, 40);
    q.SellBalance = GetSingle(b, 44);
    q.Reserved = GetSingle(b, 48);
    return q;
}

}  // namespace ranvik
