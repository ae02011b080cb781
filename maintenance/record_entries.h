#pragma once
// What the record grid's cell editor accepts, apart from the window: dates,
// numbers, the keys that do not beep, and the texts a loaded file shows.
#include <optional>
#include <string>
#include <string_view>

namespace ranvik {

// The number of an entry: the whole text must be a number (blanks around
// it, thousands commas and full-width digits allowed) that fits a Single.
// nullopt otherwise, so that a cell never shows a text while the file holds
// another value.
std::optional<float> EntryNumber(std::string_view entry);

// A date entry: exactly "mm/dd/yy" and a day of the calendar.
bool IsAcceptedDate(std::string_view entry);
// The year a date entry means to the editor: a two-digit year above 70 is
// 19yy, any other 20yy.
int YearOfEntry(std::string_view entry);

// Keys whose release the editor lets pass without a beep: Delete,
// Backspace, left arrow, Alt, I, the period and the keypad decimal point.
bool IsQuietKey(int keyCode);
// Keys of the date typing aid: digits, keypad digits and the right arrow.
bool IsTypingAidKey(int keyCode);

// A date field as stored in a file is a date: month, day and two-digit year
// of one or two digits each, separated by "/", blanks around allowed.
bool IsStoredDate(std::string_view field);

// A multiplier field as the correction table shows it: trimmed, and a
// stored "0" with a digit as "0." and that digit ("05" is one half).
std::string MultiplierShown(std::string_view field);

// A stock code for a new data file: four ASCII digits, not all zero.  A
// looser number ("1.50", "1e03", "+123") would name a file the name-based
// lookups cannot read back.
bool IsNewFileCode(std::string_view entry);

}  // namespace ranvik
