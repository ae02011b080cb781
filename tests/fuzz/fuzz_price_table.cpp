// The table-dialect price reader on a page of any bytes, merged into a
// small daily or weekly data file, for a volume code and a code without
// volume, in each calling mode.
// The data file is a small valid one, or any file (a damaged one too) that
// the input carries after "<!--data file-->".  A merge keeps every bar the
// file held (or replaces it by one of the same date), leaves a valid stock
// data file, and changes no file but the data file.
#include "collect/price_table.h"
#include "core/program_state.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    Program().collection.QuoteSiteKind2 = kTrue;
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    const bool daily = options % 2 == 0;
    const std::string before = fuzz::DataFileOf(bytes, daily ? 20 : 6, !daily);
    const std::vector<std::string> pages{std::string(bytes)};
    fuzz::SavePages(pages);
    const std::string dataFile = fuzz::FileIn(daily ? "7203d.KDT" : "7203w.KDT");
    fuzz::WriteFile(dataFile, before);
    const fuzz::FolderFiles folder = fuzz::FolderSnapshot();
    static const char* const kCodes[] = {"7203", "5"};
    static const int kModes[] = {0, 4, 1};
    ImportPriceTable(dataFile, kCodes[options / 2 % 2], daily ? -1 : 0, kModes[options / 4 % 3]);
    fuzz::CheckMerge(before, dataFile);
    fuzz::CheckFolderKept(folder, {daily ? "7203d.KDT" : "7203w.KDT"});
    fuzz::CheckPagesKept(pages);
    return 0;
}
