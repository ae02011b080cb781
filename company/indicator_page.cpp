// The indicator page reader.
#include "company/indicator_page.h"

#include "company/page_reader.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// The text between the ">" at character `open` and the next "<" after it on
// the same line; nullopt when there is no such "<".
std::optional<std::string> CutAfter(std::string_view line, std::size_t open) {
    if (open == 0) return std::nullopt;
    const std::size_t lt = FindIn(line, "<", open + 1);
    if (lt == 0) return std::nullopt;
    return MidChars(line, open + 1, lt - open - 1);
}

std::string WithUnit(const std::string& value, const char* unit) {
    return IsNumeric(value) ? value + unit : value;
}

// PER and PBR: the value after the first ">" from the "detail_value" found;
// the page may put the value itself on the next line, blanks around it,
// which the label does not show.
std::optional<std::string> CutRatio(PageCursor& page, std::size_t valueAt) {
    const std::size_t open = FindIn(page.Line(), ">", valueAt);
    if (open == 0) return std::nullopt;
    if (auto value = CutAfter(page.Line(), open)) return value;
    if (!page.ReadLine()) return std::nullopt;
    const std::string next = Trim(page.Line());
    const std::size_t lt = FindIn(next, "<");
    if (lt == 0) return std::nullopt;
    return Trim(LeftChars(next, lt - 1));
}

// Dividend yield, ROE and earnings yield: after the marker, the
// "detail_value" twenty characters on, and the value after the first ">"
// of that line.  A missing marker leaves the placeholder.
std::optional<std::string> CutRow(PageCursor& page, std::size_t markerAt, std::size_t* openOut = nullptr) {
    if (markerAt == 0) return std::nullopt;
    if (page.Seek("detail_value", markerAt + 20) == 0) return std::nullopt;
    const std::size_t open = FindIn(page.Line(), ">");
    if (openOut != nullptr) *openOut = open;
    return CutAfter(page.Line(), open);
}

}  // namespace

QuoteIndicators ParseQuoteIndicators(const PageText* page, const IndicatorPageInput& input) {
    QuoteIndicators out;
    out.PriceLine = input.priceLine;
    out.SavedPriceLine = input.savedPriceLine;
    if (page == nullptr) return out;
    PageCursor cursor(page);

    // Index memberships: a JPX mark ends the scan where it stands; without
    // one the reading starts over from the top.
    bool jpx = false;
    while (cursor.ReadLine()) {
        if (FindIn(cursor.Line(), "日経平均採用<") > 0) out.IndexMarks = " 日経平均採用";
        if (FindIn(cursor.Line(), "JPX日経400採用<") > 0) {
            out.IndexMarks += " JPX日経400採用";
            jpx = true;
            break;
        }
    }
    if (!jpx) cursor.Rewind();

    const std::size_t nowAt = cursor.Advance("現在値");
    if (nowAt == 0) {
        cursor.Rewind();
    } else {
        std::string time;
        const std::size_t bracket = FindIn(cursor.Line(), "(", nowAt);
        if (bracket > 0) {
            if (const std::size_t close = FindIn(cursor.Line(), ")", bracket + 1); close > 0)
                time = MidChars(cursor.Line(), bracket + 1, close - bracket - 1);
        }
        std::string price;
        if (const std::size_t valueAt = cursor.Seek("value now", bracket); valueAt > 0)
            price = CutAfter(cursor.Line(), FindIn(cursor.Line(), ">", valueAt)).value_or("");

        if (const std::size_t perAt = cursor.Seek("PER", 1); perAt > 0) {
            if (const std::size_t valueAt = cursor.Seek("detail_value", perAt + 10); valueAt > 0) {
                if (auto value = CutRatio(cursor, valueAt)) out.Label15 = WithUnit(*value, " 倍");
            }
        }

        std::size_t pos = 0;
        if (auto value = CutRow(cursor, cursor.Advance("配当利回り"), &pos)) out.Label7 = WithUnit(*value, " %");

        std::string date;
        if (const std::size_t dateAt = cursor.Seek("m-stockInfo_date", pos + 20); dateAt > 0) {
            if (const std::size_t year = cursor.Seek("20", dateAt); year > 0) {
                const std::size_t lt = FindIn(cursor.Line(), "<", year);
                date = lt > 0 ? MidChars(cursor.Line(), year, lt - year) : MidChars(cursor.Line(), year);
            }
        }
        // A date written as "2025/03/14(金)" or with a closing bracket loses
        // its last character, which is no digit.
        std::string line(" ");
        line.append(date);
        if (const char last = line.back(); last < '0' || last > '9') line = LeftChars(line, CharCount(line) - 1);
        line.append(" ").append(time).append(" 株価：").append(price);
        out.PriceLine = line;
        out.SavedPriceLine = line;
    }

    const std::size_t pbrAt = cursor.Seek("PBR", 1);
    const std::size_t pbrValueAt = pbrAt > 0 ? cursor.Seek("detail_value", pbrAt + 10) : 0;
    if (pbrValueAt == 0) return out;
    if (auto value = CutRatio(cursor, pbrValueAt)) out.Label12 = WithUnit(*value, " 倍");

    if (auto value = CutRow(cursor, cursor.Advance("ROE"))) out.Label16 = WithUnit(*value, " %");
    if (auto value = CutRow(cursor, cursor.Advance("株式益回り"))) out.Label11 = WithUnit(*value, " %");

    if (cursor.Advance("株主優\xE5\xBE") > 0 && cursor.Advance("m-stockInfo_detail_unit") > 0 &&
        cursor.Seek("/span>", 1) > 0 && FindIn(cursor.Line(), "無") == 0)
        out.BenefitMark = "  株主優待";

    out.Label17 = input.maximized ? input.stockTitle + out.PriceLine : out.PriceLine;
    out.Label18 = out.BenefitMark + out.IndexMarks;
    return out;
}

}  // namespace ranvik
