#include "core/stock_selection.h"

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik {

std::string CodeOfFileName(std::string_view fileCell) { return LeftChars(Trim(fileCell), 4); }

std::string MarketOfCell(std::string_view marketCell) {
    std::string market = ".";
    return market.append(LeftChars(marketCell, 1));
}

std::string SectionOfCell(std::string_view marketCell) { return RightChars(marketCell, 1); }

std::string UnitTextOf(std::string_view unitCell) {
    if (!(Val(unitCell) > 0)) return "";
    std::string text = "(";
    return text.append(unitCell).append("株)");
}

bool IsHeadingCode(std::string_view codeCell) { return codeCell.empty() || codeCell == "****"; }

std::string CutAtRemark(std::string_view addressText) {
    const std::size_t blank = FindChars(addressText, " ", 2);
    if (blank > 10) return LeftChars(addressText, blank - 1);
    return std::string(addressText);
}

bool IsDailyFileName(std::string_view fileName) { return MidChars(fileName, 5, 1) == "d"; }

}  // namespace ranvik
