#include "collect/page_head_price.h"

#include "collect/page_text.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik {

std::string PageHeadPrice(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const std::size_t marker = line.find("<span class=");
        if (marker == std::string::npos) continue;
        std::size_t at = marker;
        while (true) {
            const std::size_t open = line.find('>', at);
            if (open == std::string::npos) return {};
            const std::size_t close = line.find('<', open + 1);
            if (close == std::string::npos) return {};
            const std::string_view text(line.data() + open + 1, close - open - 1);
            at = close;
            if (CharCount(text) < 2) continue;
            if (text == "---" && line.compare(close, 2, "</") == 0) return std::string(text);
            if (IsNumeric(text) && CharCount(text) != 4) return std::string(text);
        }
    }
    return {};
}

std::string PageHeadPriceOf(const std::string& path) {
    const std::optional<PageText> page = PageText::Load(path);
    return page ? PageHeadPrice(page->Lines()) : std::string();
}

}  // namespace ranvik
