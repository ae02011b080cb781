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
    // The grid as the window leaves it, from cells that held another
    // company's texts.
    std::array<std::array<std::string, 6>, 11> grid;
    for (auto& row : grid) row.fill("old");
    WriteResultsGrid(annual.grid, [&grid](int row, int column, const std::string& text) {
        fuzz::Check(row >= 0 && row < 11 && column >= 0 && column < 6, "a grid cell lies inside the grid");
        grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    });
    for (std::size_t row = 0; row < 11; ++row) {
        for (std::size_t column = 0; column < 6; ++column) {
            const std::optional<std::string>& cell = annual.grid[row][column];
            if (cell) fuzz::Check(grid[row][column] == *cell, "every cell a run reads is shown in its place");
            // The value cells and the period row hold nothing of the company shown before.
            if (column >= 1) fuzz::Check(grid[row][column] != "old", "no text of the company shown before stays");
        }
    }
    const InterimResults interim = ParseInterimResults(Page(results));
    // Each chart gets at most the rows its design has.
    const std::pair<const ChartTexts*, std::size_t> charts[] = {
        {&annual.MSChart1, 4}, {&annual.MSChart2, 1}, {&annual.MSChart3, 2}, {&annual.MSChart5, 1}, {&interim.MSChart4, 4}};
    for (const auto& [chart, rows] : charts) fuzz::Check(chart->values.size() <= rows, "a chart gets no more rows than it has");
    for (const std::optional<int>& divisor : {annual.unitDivisor, interim.unitDivisor}) {
        fuzz::Check(!divisor || *divisor > 0, "a unit divisor read divides by a positive number");
    }
    const auto quote = LoadPage(Program().download.PageFile3);
    ParseDividendPerShare(Page(quote));
    fuzz::CheckPagesKept(pages);
    return 0;
}
