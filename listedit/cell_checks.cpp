// The checks of the cell editor's text by column.
#include "listedit/cell_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "platform/lists/list_entry.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik::listedit {

namespace {

bool IsCode(std::string_view text) { return CharCount(text) == 4 && text >= "0000" && text <= "9999"; }

// What the saved field holds: the text without blanks at either end, which
// must fit the field's bytes in the table's code page.
bool FitsField(std::string_view text, std::size_t width) { return AnsiLength(Trim(text)) <= width; }

}  // namespace

bool IsMarketLetter(std::string_view text) {
    static constexpr std::array<std::string_view, 10> kLetters = {"t", "x", "n", "s", "k", "f", "m", "j", "q", "o"};
    return std::find(kLetters.begin(), kLetters.end(), text) != kLetters.end();
}

bool IsSectionDigit(std::string_view text) {
    return text == "0" || text == "1" || text == "2" || text == "3" || text == "5";
}

bool IsStorableUnit(std::string_view text) {
    if (!IsNumeric(text)) return false;
    std::string whole = ToNarrow(text);
    whole.erase(std::remove(whole.begin(), whole.end(), ','), whole.end());
    const double typed = RoundHalfEven(Val(whole));
    const double saved = RoundHalfEven(Val(text));
    return FitsInteger(typed) && typed == saved;
}

bool CellValueTaken(int editMode, int col, std::string_view text, std::string_view code) {
    if (editMode == kAddRow) {
        const bool heading = code == kHeadingCode;
        switch (col) {
            case 1: return IsCode(text) || Trim(text) == kHeadingCode;
            case 2: return !Trim(text).empty() && FitsField(text, ListEntry::kNameWidth);
            case 3: return heading || IsMarketLetter(text);
            case 4: return heading || IsSectionDigit(text);
            case 5: return heading || IsStorableUnit(text);
            case 6: return FitsField(text, ListEntry::kUniWidth);
            default: return false;
        }
    }
    if (editMode == kModifyCell) {
        switch (col) {
            case 1: return IsCode(text);
            case 2: return FitsField(text, ListEntry::kNameWidth);
            case 3: return IsMarketLetter(text);
            case 4: return IsSectionDigit(text);
            case 5: return IsStorableUnit(text);
            case 6: return FitsField(text, ListEntry::kUniWidth);
            default: return false;
        }
    }
    return false;
}

}  // namespace ranvik::listedit
