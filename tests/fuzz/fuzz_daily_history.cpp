// The daily history reader on pages of any bytes: up to eight pages merged
// into a small daily data file, for a volume code, a rate series and a code
// without volume, in each calling mode.
// The data file is a small valid one, or any file (a damaged one too) that
// the input carries after "<!--data file-->".  A merge keeps every bar the
// file held (or replaces it by one of the same date), leaves a valid stock
// data file, and changes no file but the data file.
#include "collect/daily_history.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    const std::string before = fuzz::DataFileOf(bytes, 20, false);
    const std::vector<std::string> pages = fuzz::SplitPages(bytes, 8);
    fuzz::SavePages(pages);
    const std::string dataFile = fuzz::FileIn("7203d.KDT");
    fuzz::WriteFile(dataFile, before);
    const fuzz::FolderFiles folder = fuzz::FolderSnapshot();
    static const char* const kCodes[] = {"7203", "13", "5"};
    static const int kModes[] = {0, 1, 4, 2};
    ImportDailyHistory(dataFile, kCodes[options % 3], "2024/05/17 12:00:00", kModes[options / 3 % 4]);
    fuzz::CheckMerge(before, dataFile);
    fuzz::CheckFolderKept(folder, {"7203d.KDT"});
    fuzz::CheckPagesKept(pages);
    return 0;
}
