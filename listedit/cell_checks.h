#pragma once
// Whether the cell editor's text is taken for a column of a stock table,
// while a row is added and while a cell is modified.  Texts are compared as
// texts, exactly and in character-code order: the code range "0000" to
// "9999" is a comparison of four characters, not a test for digits.
#include <string_view>

namespace ranvik::listedit {

// Grid operations (EditMode).
inline constexpr int kNoOperation = 0;
inline constexpr int kAddRow = 91;
inline constexpr int kModifyCell = 92;
inline constexpr int kDeleteRow = 93;
inline constexpr int kMoveRow = 94;

// True when `text` is taken for column `col` (1 code, 2 name, 3 market,
// 4 section, 5 trading unit, 6 UNI) in `editMode` (kAddRow or kModifyCell);
// `code` is what column 1 of the row holds.  While a row is added, a row
// whose column 1 holds exactly "****" becomes a heading and takes any text
// in columns 3 to 5.  Any other mode takes nothing.
//
// A trading unit is taken only when the table can hold it as typed: the
// number at its start, rounded halves to even, is what the whole text reads
// as and lies within -32768 to 32767.  A text such as "100000" or "1e9"
// would be cut to the field's limit on saving, and "1,000" or a unit in
// wide digits would be saved as another number ("1", "0").
bool CellValueTaken(int editMode, int col, std::string_view text, std::string_view code);

// The market letters and sections the checks take.
bool IsMarketLetter(std::string_view text);
bool IsSectionDigit(std::string_view text);
// The trading-unit rule above, on its own.
bool IsStorableUnit(std::string_view text);

}  // namespace ranvik::listedit
