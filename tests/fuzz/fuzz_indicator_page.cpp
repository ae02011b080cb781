// The indicator page reader of the company results window on a page of any
// bytes, saved as the window's quote page file and read back from it, for a
// maximized and a normal window, with and without a price line kept from
// before.
#include "collect/page_text.h"
#include "company/indicator_page.h"
#include "core/program_state.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    // The window reads the indicators from the second page file.
    const std::vector<std::string> pages{std::string(), std::string(bytes)};
    fuzz::SavePages(pages);
    // An empty input leaves no page file, which the reader must bear too.
    const std::optional<PageText> page = PageText::Load(Program().download.PageFile2);
    IndicatorPageInput input;
    input.maximized = (options & 1) == 0;
    input.stockTitle = (options & 2) == 0 ? "<東証>テスト工業100株" : "";
    input.priceLine = (options & 4) == 0 ? "" : " 2024/05/16 15:00 株価：1,000";
    input.savedPriceLine = (options & 8) == 0 ? " old" : "";
    const QuoteIndicators q = ParseQuoteIndicators(page ? &*page : nullptr, input);
    fuzz::Check(q.Label18.has_value() == q.Label17.has_value(), "the mark label is set with the title");
    fuzz::CheckPagesKept(pages);
    return 0;
}
