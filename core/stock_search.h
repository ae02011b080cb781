#pragma once
// Finding a stock of the list grid by a part of its code or name.  The key is
// turned into its converted forms once per search step, not once per row, so
// a step over the all-stocks list costs no more than a few text scans a row.
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

class FlexGrid;

// A search key with the forms a row's name is tested against.
class StockSearchKey {
public:
    explicit StockSearchKey(std::string_view key);

    bool Empty() const { return key_.empty(); }

    // Whether a row holds the key: the name holds it as typed, the code holds
    // it as typed, or the name holds it in upper case, in lower case, in
    // upper case and wide, in wide or in narrow characters.  Every test is an
    // exact, case-sensitive containment.
    bool Matches(std::string_view code, std::string_view name) const;

private:
    std::string key_;
    // The key as typed followed by those converted forms that differ from
    // every form before them: a form met twice would only repeat a scan.
    std::vector<std::string> nameForms_;
};

// Searches the list grid's rows SearchRow + 1 to SearchEnd (never past the
// grid's last row) for the key.  At the first matching row: SearchRow
// becomes that row, the grid scrolls it to the top and makes it its current
// row, and the result is true.  An empty key or no match gives false and
// leaves SearchRow as it was.
bool FindNextInGrid(FlexGrid& grid, const std::string& key);

}  // namespace ranvik
