#pragma once
// The checks the start-up makes on the files delivered with the program
// before it reads them: the settings file's version, the URL list's version
// and the stock list tables' versions.  Plain file work, no window.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings_file.h"
#include "core/url_list.h"
#include "platform/runtime/program_version.h"

namespace ranvik {

// The program's version, kProgramVersion, is shared with the list editor.
// URL lists older than this lack lines the downloads need.
constexpr VersionNumber kUrlListMinimumVersion{4, 4, 16};
inline constexpr std::string_view kHelpFileName = "RanvikCManual.chm";

// A version text with its first two dots removed ("4.4.16" -> "4416"); a
// text without a dot is returned unchanged, further dots stay.  This is the
// form the version is shown and kept in (UrlListVersion).
std::string VersionDigits(std::string_view text);

// A version text "major.minor.revision" read part by part as numbers, each
// part from its leading digits; a missing minor or revision counts as 0 and
// further parts are ignored.  nullopt when the text has no leading number at
// all (empty, blanks, letters): such a file has no usable version.
std::optional<VersionNumber> ParseVersion(std::string_view text);

// True when the settings file must be restored from its backup before it is
// read: its "Version=" value is empty or not exactly kSettingsVersion.
bool SettingsNeedRestore(std::string_view versionValue);

// The URL list's version text: the first line, trimmed, after "Version=";
// empty when the file is missing or empty or its first line holds no
// "Version=".
std::string ReadUrlListVersion(const std::string& path);

struct UrlListCheck {
    bool existed = false;     // the list was there at start
    std::string version;      // its version digits (UrlListVersion)
    bool deleted = false;     // outdated or without a version, and deleted
};
// Deletes "MyURL.txt" of `appDir` when it has no version line or its
// version is older than kUrlListMinimumVersion.  Nothing is shown; a
// deletion that fails is ignored (the list is then read as it is).
UrlListCheck PurgeOutdatedUrlList(const std::string& appDir);

// The version text kept in a stock list table's header (StockName of
// record 1), trimmed; nullopt when the file cannot be read.
std::optional<std::string> ReadListTableVersion(const std::string& path);

// Deletes every "*.eTBL" of `appDir` whose header version is older than this
// program's, or that has no version, in listing order; returns the names
// deleted.  Nothing is deleted in administrator mode.  A table that cannot
// be read or deleted is skipped.
std::vector<std::string> PurgeOutdatedListTables(const std::string& appDir, bool adminMode);

// Days per month (February 28) and days before each month, elements 1 to 12.
void FillCalendarTables();

}  // namespace ranvik
