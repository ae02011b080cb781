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
    // A page that cannot be read leaves every placeholder and the title.
    if (!page) {
        fuzz::Check(q.Label15 == " -" && q.Label7 == " -" && q.Label12 == " -" && q.Label16 == " --" && q.Label11 == " -" &&
                        !q.Label17 && !q.Label18 && q.PriceLine == input.priceLine,
                    "a page that cannot be read changes nothing shown");
    }
    // The title carries the price line the window keeps, and the marks.
    if (q.Label17) {
        fuzz::Check(*q.Label17 == (input.maximized ? input.stockTitle : std::string()) + q.PriceLine,
                    "the title is the stock's title and the price line");
        fuzz::Check(q.Label18 && *q.Label18 == q.BenefitMark + q.IndexMarks, "the mark label shows the marks read");
    }
    fuzz::Check(q.PriceLine == input.priceLine || q.PriceLine == q.SavedPriceLine,
                "a price line read is kept as the saved one too");
    // Each value is the placeholder or a text cut from one line of the page
    // (a line ends at its CR; a lone LF is the page's own text) up to the
    // next tag.
    for (const std::string* label : {&q.Label15, &q.Label7, &q.Label12, &q.Label16, &q.Label11}) {
        fuzz::Check(label->find_first_of("<\r") == std::string::npos, "a value holds no tag and no line end");
    }
    fuzz::CheckPagesKept(pages);
    return 0;
}
