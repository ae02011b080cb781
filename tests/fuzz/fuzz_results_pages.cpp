// The results readers of the company results window on pages of any bytes:
// the first piece is saved as the results page (the annual table, then the
// interim block), the second as the quote page (the dividend per share); a
// missing piece is a page file that cannot be read.
#include "collect/page_text.h"
#include "company/results_pages.h"
#include "core/program_state.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::optional<ranvik::PageText> LoadPage(const std::string& path) { return ranvik::PageText::Load(path); }

const ranvik::PageText* Page(const std::optional<ranvik::PageText>& page) { return page ? &*page : nullptr; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    const std::vector<std::string> pieces = fuzz::SplitPages(fuzz::InputOf(data, size), 2);
    // As the window's download leaves them: results page first, quote page third.
    const std::vector<std::string> pages{pieces[0], std::string(), pieces[1]};
    fuzz::SavePages(pages);
    const auto results = LoadPage(Program().download.PageFile1);
    const AnnualResults annual = ParseAnnualResults(Page(results));
    std::size_t cells = 0;
    WriteResultsGrid(annual.grid, [&cells](int row, int column, const std::string&) {
        fuzz::Check(row >= 0 && row < 11 && column >= 0 && column < 6, "a grid cell lies inside the grid");
        ++cells;
    });
    const InterimResults interim = ParseInterimResults(Page(results));
    for (const ChartTexts* chart : {&annual.MSChart1, &annual.MSChart2, &annual.MSChart3, &annual.MSChart5,
                                    &interim.MSChart4}) {
        fuzz::Check(chart->values.size() <= 4, "a chart gets no more rows than it has");
    }
    const auto quote = LoadPage(Program().download.PageFile3);
    ParseDividendPerShare(Page(quote));
    fuzz::CheckPagesKept(pages);
    return 0;
}
