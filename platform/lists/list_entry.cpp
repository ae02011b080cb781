#include "platform/lists/list_entry.h"

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/record_file.h"

namespace ranvik {

namespace {
constexpr std::size_t kCodeAt = 2;
constexpr std::size_t kNameAt = 6;
constexpr std::size_t kMarketAt = 58;
constexpr std::size_t kSectionAt = 59;
constexpr std::size_t kUniAt = 60;
constexpr std::size_t kUnitAt = 64;
constexpr std::size_t kReservedAt = 66;
}  // namespace

std::string ListEntry::Encode() const {
    std::string r(kLength, '\0');
    PutInteger(r, 0, RecordNo);
    r.replace(kCodeAt, kCodeWidth, PackField(Code, kCodeWidth));
    r.replace(kNameAt, kNameWidth, PackField(StockName, kNameWidth));
    r.replace(kMarketAt, kMarketWidth, PackField(Market, kMarketWidth));
    r[kSectionAt] = static_cast<char>(Section);
    r.replace(kUniAt, kUniWidth, PackField(UNI, kUniWidth));
    PutInteger(r, kUnitAt, TradingUnit);
    PutInteger(r, kReservedAt, Reserved);
    return r;
}

ListEntry ListEntry::Decode(std::string_view b) {
    std::string bytes(b.substr(0, kLength));
    bytes.resize(kLength, '\0');  // a short record reads as zeros past its end
    ListEntry e;
    e.RecordNo = GetInteger(bytes, 0);
    e.Code = UnpackField(std::string_view(bytes).substr(kCodeAt, kCodeWidth));
    e.StockName = UnpackField(std::string_view(bytes).substr(kNameAt, kNameWidth));
    e.Market = UnpackField(std::string_view(bytes).substr(kMarketAt, kMarketWidth));
    e.Section = static_cast<std::uint8_t>(bytes[kSectionAt]);
    e.UNI = UnpackField(std::string_view(bytes).substr(kUniAt, kUniWidth));
    e.TradingUnit = GetInteger(bytes, kUnitAt);
    e.Reserved = GetInteger(bytes, kReservedAt);
    return e;
}

}  // namespace ranvik
