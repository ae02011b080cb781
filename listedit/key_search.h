#pragma once
// The stock-table search without the window: how a key is read, how a grid
// row is tested against it, and the two passes over the rows (from the row
// below the top one down to the end, then from the top back to where the
// search began).
#include <functional>
#include <string>
#include <string_view>

namespace ranvik::listedit {

// The key as the row tests use it.  A key of three characters ending in a
// digit is a market letter, any character and a section digit: `key`
// becomes its first character and `section` its last.  `length` is the
// length of the key as typed.
struct SearchKey {
    std::string key;
    std::string section;
    std::size_t length = 0;
};
SearchKey AnalyseKey(std::string_view typed);

// The cells a row test reads: column 1 code, 2 name, 3 market, 4 section.
struct SearchRow {
    std::string code;
    std::string name;
    std::string market;
    std::string section;
};

struct RowTest {
    bool match = false;    // the row holds the key
    bool heading = false;  // an empty key met a row with an empty code
    int col = 0;           // the column of the match (1 for a heading)
};
// In this order: the code holds the key in upper case (a key of length 0
// never matches here); else, with a section key, the market holds the key
// and the section holds the section key; else an empty key finds the rows
// whose code is empty; else the name holds the key as typed, in upper case,
// in lower case, in upper case and wide, wide, or narrow (Latin letters,
// digits and katakana).
RowTest TestRow(const SearchKey& key, const SearchRow& row);

// The state of the stock-table search; FindRow 0 means no search under way.
struct FindState {
    int FindRow = 0;
    int FindWrapped = 0;
    int FindWrapRow = 0;
    int FindStartRow = 0;
};

struct FindResult {
    bool found = false;  // false: the end message, and the state was reset
    int row = 0;
    int col = 0;
};
// One press of the search button over the grid rows 1 to lastRow (the
// blank last row of the grid included); `row(r)` gives row r's cells.
// A found row also moves FindWrapRow past it.
FindResult FindNext(FindState& state, const SearchKey& key, int topRow, int lastRow,
                    const std::function<SearchRow(int)>& row);

}  // namespace ranvik::listedit
