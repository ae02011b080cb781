// Key analysis, row tests and the two passes of the stock-table search.
#include "listedit/key_search.h"

#include <algorithm>

#include "platform/runtime/ansi_text.h"

namespace ranvik::listedit {

namespace {

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool IsDigit(std::string_view character) { return character.size() == 1 && character[0] >= '0' && character[0] <= '9'; }

}  // namespace

SearchKey AnalyseKey(std::string_view typed) {
    SearchKey k;
    k.key = std::string(typed);
    k.length = CharCount(typed);
    if (k.length == 3 && IsDigit(RightChars(typed, 1))) {
        // The middle character, the separator between market and section, is
        // not looked at.
        k.section = RightChars(typed, 1);
        k.key = LeftChars(typed, 1);
    }
    return k;
}

RowTest TestRow(const SearchKey& k, const SearchRow& row) {
    if (k.length != 0 && Contains(row.code, ToUpper(k.key))) return {true, false, 1};
    if (!k.section.empty()) {
        if (Contains(row.market, k.key) && Contains(row.section, k.section)) return {true, false, 4};
        return {};
    }
    if (k.length == 0) return row.code.empty() ? RowTest{false, true, 1} : RowTest{};
    for (const std::string& form : {k.key, ToUpper(k.key), ToLower(k.key), ToWide(ToUpper(k.key)), ToWide(k.key),
                                    ToNarrow(k.key)}) {
        if (Contains(row.name, form)) return {true, false, 2};
    }
    return {};
}

FindResult FindNext(FindState& s, const SearchKey& key, int topRow, int lastRow,
                    const std::function<SearchRow(int)>& row) {
    if (s.FindRow == 0) {
        s.FindRow = topRow + 1;
        s.FindStartRow = s.FindRow;
        s.FindWrapRow = 1;
    }
    FindResult result;
    bool secondPass = false;
    if (s.FindWrapped == 0) {
        for (int r = s.FindRow; r <= lastRow; ++r) {
            const RowTest t = TestRow(key, row(r));
            if (!t.match && !t.heading) continue;
            s.FindRow = r + 1;
            // The blank last row is no heading line of the table.
            if (t.match || r != lastRow) result = {true, r, t.col};
            break;
        }
    }
    if (!result.found) {
        if (s.FindWrapped == 0) s.FindWrapRow = 1;
        s.FindWrapped = 1;
        secondPass = true;
        // Rows past the grid's end, which deletions may leave behind
        // FindRow, are not tested.
        const int last = std::min(s.FindRow, lastRow);
        for (int r = s.FindWrapRow; r <= last; ++r) {
            const RowTest t = TestRow(key, row(r));
            if (!t.match && !t.heading) continue;
            if (t.match || r <= s.FindStartRow) result = {true, r, t.col};
            break;
        }
    }
    if (!result.found || (secondPass && result.row > s.FindStartRow)) {
        s.FindRow = 0;
        s.FindWrapped = 0;
        return {};
    }
    s.FindWrapRow = result.row + 1;
    return result;
}

}  // namespace ranvik::listedit
