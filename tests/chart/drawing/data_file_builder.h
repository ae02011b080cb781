#pragma once
// Stock data files made in a test.  Bars stand on consecutive weekdays,
// weeks or days from a start date, with prices the test can work out from
// the record number; any field may be changed afterwards.  (Two-digit years
// order 1960 to 2059: a file meant to stay in date order keeps inside them.)  Seal gives the header
// what the store leaves in it: the last record number, the highest high, the
// lowest low and the largest volume and balances; its multiplier and date
// are the test's to set.
#include <algorithm>
#include <string>
#include <vector>

#include "core/quote_record.h"
#include "platform/runtime/dates.h"
#include "tests/support/test_support.h"

namespace ranvik::test {

enum class Spacing { Weekdays, Weeks, Days };

class DataFileBuilder {
public:
    explicit DataFileBuilder(int bars, Spacing spacing = Spacing::Weekdays, Date first = {2020, 1, 6}) {
        records_.resize(static_cast<std::size_t>(bars) + 1);
        Date day = first;
        for (int r = 2; r <= bars + 1; ++r) {
            QuoteRecord& bar = (*this)[r];
            bar.QuoteDate = FormatMmDdYy(day);
            bar.Open = Price(r);
            bar.High = bar.Open + 15;
            bar.Low = bar.Open - 10;
            bar.Close = bar.Open + 5;
            bar.Volume = static_cast<float>(10000 + 10 * r);
            day = AddDays(day, spacing == Spacing::Weeks ? 7 : 1);
            while (spacing == Spacing::Weekdays && (Weekday(day) == 1 || Weekday(day) == 7)) day = AddDays(day, 1);
        }
        Header().QuoteDate = "01/04/20";
        Seal();
    }

    // The opening price of record r as made: a saw-tooth of 50 bars from 1000.
    static float Price(int r) { return static_cast<float>(1000 + (r % 50) * 2); }

    QuoteRecord& operator[](int record) { return records_.at(static_cast<std::size_t>(record) - 1); }
    QuoteRecord& Header() { return records_.front(); }
    int LastRecord() const { return static_cast<int>(records_.size()); }

    // A point on record r: its multiplier and, when the header names it, the
    // header's multiplier and date.
    DataFileBuilder& Point(int record, const std::string& multiplier) {
        (*this)[record].CorrectionMultiplier = multiplier;
        return *this;
    }
    DataFileBuilder& HeaderPoint(int record, const std::string& multiplier) {
        Header().CorrectionMultiplier = multiplier;
        Header().QuoteDate = (*this)[record].QuoteDate;
        return *this;
    }

    DataFileBuilder& Seal() {
        QuoteRecord& h = Header();
        h.RecordNo = static_cast<std::int16_t>(LastRecord());
        h.High = 0;
        h.Low = 200000000;
        h.Volume = h.BuyBalance = h.SellBalance = 0;
        for (int r = 2; r <= LastRecord(); ++r) {
            const QuoteRecord& bar = (*this)[r];
            h.High = std::max(h.High, bar.High);
            h.Low = std::min(h.Low, bar.Low);
            h.Volume = std::max(h.Volume, bar.Volume);
            h.BuyBalance = std::max(h.BuyBalance, bar.BuyBalance);
            h.SellBalance = std::max(h.SellBalance, bar.SellBalance);
        }
        return *this;
    }

    std::string Bytes() const {
        std::string bytes;
        bytes.reserve(records_.size() * QuoteRecord::kLength);
        for (const QuoteRecord& r : records_) bytes += r.Encode();
        return bytes;
    }
    void Write(const std::string& path) const { WriteBytes(path, Bytes()); }

private:
    std::vector<QuoteRecord> records_;
};

}  // namespace ranvik::test
