// Entry rules of the record grid's cell editor and the texts of loaded records.
#include "maintenance/record_entries.h"

#include <cmath>
#include <limits>

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/values.h"

namespace ranvik {

std::optional<float> EntryNumber(std::string_view entry) {
    if (!IsNumeric(entry)) return std::nullopt;
    std::string plain;
    for (char c : ToNarrow(entry)) {
        if (c != ',') plain += c;
    }
    const double value = Val(plain);
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(value);
}

bool IsAcceptedDate(std::string_view entry) { return entry.size() == 8 && ParseMmDdYy(entry).has_value(); }

int YearOfEntry(std::string_view entry) {
    const std::string last = RightChars(entry, 2);
    const int yy = static_cast<int>(Fix(Val(last)));
    return yy > 70 ? 1900 + yy : 2000 + yy;
}

bool IsQuietKey(int keyCode) {
    switch (keyCode) {
        case 46:
        case 8:
        case 37:
        case 18:
        case 73:
        case 190:
        case 110: return true;
        default: return false;
    }
}

bool IsTypingAidKey(int keyCode) {
    return (keyCode >= 48 && keyCode <= 57) || (keyCode >= 96 && keyCode <= 105) || keyCode == 39;
}

bool IsStoredDate(std::string_view field) {
    const std::string text = Trim(field);
    int parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    for (char c : text) {
        if (c == '/') {
            if (digits == 0 || part == 2) return false;
            ++part;
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > 2) return false;
            parts[part] = parts[part] * 10 + (c - '0');
        } else {
            return false;
        }
    }
    if (part != 2 || digits == 0) return false;
    return IsValidDate({FullYearOf(parts[2]), parts[0], parts[1]});
}

std::string MultiplierShown(std::string_view field) {
    const std::string text = Trim(field);
    if (!text.empty() && text[0] == '0') return "0." + RightChars(text, 1);
    return text;
}

bool IsNewFileCode(std::string_view entry) {
    if (entry.size() != 4 || entry == "0000") return false;
    for (char c : entry)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace ranvik
