#include "core/stock_search.h"

#include <algorithm>

#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/ui/flex_grid.h"

namespace ranvik {

namespace {

constexpr int kCodeCol = 0;
constexpr int kNameCol = 1;

bool Holds(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

StockSearchKey::StockSearchKey(std::string_view key) : key_(key) {
    if (key_.empty()) return;
    const std::string upper = ToUpper(key_);
    const std::string forms[] = {key_, upper, ToLower(key_), ToWide(upper), ToWide(key_), ToNarrow(key_)};
    for (const std::string& form : forms) {
        // A conversion can leave nothing of a key only if the key was empty;
        // an empty form would match every row.
        if (form.empty()) continue;
        if (std::find(nameForms_.begin(), nameForms_.end(), form) == nameForms_.end()) nameForms_.push_back(form);
    }
}

bool StockSearchKey::Matches(std::string_view code, std::string_view name) const {
    if (key_.empty()) return false;
    // UTF-8 never starts a character inside another, so a byte containment
    // is a character containment.
    if (Holds(name, key_) || Holds(code, key_)) return true;
    for (std::size_t i = 1; i < nameForms_.size(); ++i)
        if (Holds(name, nameForms_[i])) return true;
    return false;
}

bool FindNextInGrid(FlexGrid& grid, const std::string& key) {
    const StockSearchKey search(key);
    if (search.Empty()) return false;
    auto& state = Program().search;
    const int last = std::min(state.SearchEnd, grid.Rows() - 1);
    for (int r = std::max(state.SearchRow, 0) + 1; r <= last; ++r) {
        if (!search.Matches(grid.TextMatrix(r, kCodeCol), grid.TextMatrix(r, kNameCol))) continue;
        state.SearchRow = r;
        grid.SetTopRow(r);
        grid.SetRow(r);
        return true;
    }
    return false;
}

}  // namespace ranvik
