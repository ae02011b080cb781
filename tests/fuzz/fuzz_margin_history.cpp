// The margin history reader on pages of any bytes: up to eight pages whose
// balances go into the bars of a small weekly data file.
// The data file is a small valid one, or any file (a damaged one too) that
// the input carries after "<!--data file-->".  A merge keeps every bar the
// file held (or replaces it by one of the same date), leaves a valid stock
// data file, and changes no file but the data file.
#include "collect/margin_history.h"
#include "core/program_state.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    Program().collection.QuoteSiteKind1 = kTrue;
    std::string_view bytes = fuzz::InputOf(data, size);
    fuzz::TakeOptions(bytes);
    const std::string before = fuzz::DataFileOf(bytes, 6, true);
    const std::vector<std::string> pages = fuzz::SplitPages(bytes, 8);
    fuzz::SavePages(pages);
    const std::string dataFile = fuzz::FileIn("7203w.KDT");
    fuzz::WriteFile(dataFile, before);
    const fuzz::FolderFiles folder = fuzz::FolderSnapshot();
    std::string reference = "2024/05/17 12:00:00";
    ImportMarginHistory(dataFile, "7203", reference, 0);
    fuzz::CheckMerge(before, dataFile);
    fuzz::CheckFolderKept(folder, {"7203w.KDT"});
    fuzz::CheckPagesKept(pages);
    return 0;
}
