// The start-up's purge of outdated lists on files of any bytes: the URL list
// and the five stock list tables, with a data file and a file of another
// kind beside them, in user and in administrator mode.  The purge deletes
// exactly the lists whose version is missing or older than the program
// needs (no table in administrator mode), says so, and touches no other
// file.
#include <algorithm>

#include "core/startup_checks.h"
#include "platform/lists/list_table.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    const bool admin = (options & 1) != 0;
    const std::vector<std::string> files = fuzz::SplitPages(bytes, 6);
    static const std::string_view kTables[] = {kAllStocksTable, kPrimeTable, kStandardTable, kGrowthTable,
                                               kNagoyaTable};
    // A list the input leaves empty is missing, unless the options keep it.
    const std::string urlList(kUrlListFileName);
    if (!files[0].empty() || (options & 2) != 0) fuzz::WriteFile(fuzz::FileIn(urlList), files[0]);
    std::vector<std::string> outdated;
    for (std::size_t k = 0; k < 5; ++k) {
        const std::string name(kTables[k]);
        if (files[k + 1].empty() && (options >> (k + 2) & 1) == 0) continue;
        fuzz::WriteFile(fuzz::FileIn(name), files[k + 1]);
        const std::optional<std::string> text = ReadListTableVersion(fuzz::FileIn(name));
        const std::optional<VersionNumber> version = text ? ParseVersion(*text) : std::nullopt;
        if (text && (!version || *version < kProgramVersion)) outdated.push_back(name);
    }
    fuzz::WriteFile(fuzz::FileIn("1301d.KDT"), files[1]);
    fuzz::WriteFile(fuzz::FileIn("メモ.txt"), files[0]);
    const bool urlThere = fuzz::FolderSnapshot().count(urlList) > 0;
    const std::optional<VersionNumber> urlVersion = ParseVersion(ReadUrlListVersion(fuzz::FileIn(urlList)));
    const bool urlOutdated = urlThere && (!urlVersion || *urlVersion < kUrlListMinimumVersion);
    const fuzz::FolderFiles before = fuzz::FolderSnapshot();

    const UrlListCheck url = PurgeOutdatedUrlList(fuzz::FileIn(""));
    fuzz::Check(url.existed == urlThere, "the purge tells whether the URL list was there");
    fuzz::Check(url.deleted == urlOutdated, "the purge deletes a URL list exactly when it is outdated");
    std::vector<std::string> deleted = PurgeOutdatedListTables(fuzz::FileIn(""), admin);
    std::sort(deleted.begin(), deleted.end());
    std::sort(outdated.begin(), outdated.end());
    fuzz::Check(deleted == (admin ? std::vector<std::string>{} : outdated),
                "the purge deletes exactly the outdated tables, none in administrator mode");
    if (url.deleted) deleted.push_back(urlList);
    fuzz::CheckFolderKept(before, deleted);
    const fuzz::FolderFiles after = fuzz::FolderSnapshot();
    for (const std::string& name : deleted) fuzz::Check(after.count(name) == 0, "a list said deleted is gone");
    return 0;
}
