// The table-dialect margin reader on a page of any bytes, its balances
// going into the bars of a small weekly data file.
#include "collect/margin_table.h"
#include "core/program_state.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    Program().collection.QuoteSiteKind2 = kTrue;
    std::string_view bytes = fuzz::InputOf(data, size);
    fuzz::TakeOptions(bytes);
    const std::vector<std::string> pages{std::string(bytes)};
    fuzz::SavePages(pages);
    const std::string dataFile = fuzz::FileIn("7203w.KDT");
    fuzz::WriteFile(dataFile, fuzz::SmallDataFile(6, true));
    ImportMarginTable(dataFile, "7203", 0);
    fuzz::CheckDataFile(dataFile);
    fuzz::CheckPagesKept(pages);
    return 0;
}
