#include "core/startup_checks.h"

#include <cstdio>

#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/path_guard.h"
#include "platform/runtime/text_file.h"

namespace ranvik {

namespace {

// ListEntry header: RecordNo (2 bytes), Code (4), StockName (52) ...
constexpr std::size_t kListEntryLength = 68;
constexpr std::size_t kStockNameOffset = 6;
constexpr std::size_t kStockNameWidth = 52;

// Leading decimal digits of `part`, blanks before them skipped.
std::optional<int> LeadingNumber(std::string_view part) {
    std::size_t i = 0;
    while (i < part.size() && part[i] == ' ') ++i;
    long value = 0;
    std::size_t digits = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i, ++digits) {
        if (value < 100000000) value = value * 10 + (part[i] - '0');
    }
    if (digits == 0) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::string VersionDigits(std::string_view text) {
    const auto p1 = text.find('.');
    if (p1 == std::string_view::npos) return std::string(text);
    const auto p2 = text.find('.', p1 + 1);
    std::string out(text.substr(0, p1));
    if (p2 == std::string_view::npos) {
        // One dot only: the part after it has no end, so it is all kept.
        out += text.substr(p1 + 1);
    } else {
        out += text.substr(p1 + 1, p2 - p1 - 1);
        out += text.substr(p2 + 1);
    }
    return out;
}

std::optional<VersionNumber> ParseVersion(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::array<int, 3> parts{0, 0, 0};
    std::size_t start = 0;
    for (int k = 0; k < 3; ++k) {
        const auto dot = trimmed.find('.', start);
        const std::string_view part =
            std::string_view(trimmed).substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        const auto number = LeadingNumber(part);
        if (!number) {
            if (k == 0) return std::nullopt;
            break;
        }
        parts[static_cast<std::size_t>(k)] = *number;
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return VersionNumber{parts[0], parts[1], parts[2]};
}

bool SettingsNeedRestore(std::string_view versionValue) {
    return versionValue.empty() || versionValue != kSettingsVersion;
}

std::string ReadUrlListVersion(const std::string& path) {
    const auto first = ReadFirstTextLine(path);
    if (!first) return {};
    const std::string line = Trim(*first);
    const auto at = line.find("Version=");
    if (at == std::string::npos) return {};
    return Trim(std::string_view(line).substr(at + 8));
}

UrlListCheck PurgeOutdatedUrlList(const std::string& appDir) {
    UrlListCheck check;
    const std::string path = JoinPath(appDir, std::string(kUrlListFileName));
    check.existed = FileExists(path);
    if (!check.existed) return check;
    const std::string text = ReadUrlListVersion(path);
    check.version = VersionDigits(text);
    const auto version = ParseVersion(text);
    if (!version || *version < kUrlListMinimumVersion) check.deleted = DeleteFile(path);
    return check;
}

std::optional<std::string> ReadListTableVersion(const std::string& path) {
    std::FILE* in = OpenForReading(path);
    if (in == nullptr) return std::nullopt;
    std::string header(kListEntryLength, '\0');
    std::fread(header.data(), 1, header.size(), in);
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed) return std::nullopt;
    // A short file reads as zero bytes where it has none, as a record read
    // past the end does.
    std::string name = header.substr(kStockNameOffset, kStockNameWidth);
    for (char& c : name) {
        if (c == '\0') c = ' ';
    }
    return Trim(UnpackField(name));
}

std::vector<std::string> PurgeOutdatedListTables(const std::string& appDir, bool adminMode) {
    std::vector<std::string> deleted;
    if (adminMode) return deleted;
    for (const std::string& name : ListFolder(appDir, "*.eTBL")) {
        const std::string path = JoinPath(appDir, name);
        const auto text = ReadListTableVersion(path);
        if (!text) continue;
        const auto version = ParseVersion(*text);
        if (version && !(*version < kProgramVersion)) continue;
        if (DeleteFile(path)) deleted.push_back(name);
    }
    return deleted;
}

void FillCalendarTables() {
    auto& calendar = Program().calendar;
    constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int before = 0;
    for (std::size_t month = 1; month <= 12; ++month) {
        calendar.MonthDays[month] = days[month - 1];
        calendar.DaysBeforeMonth[month] = before;
        before += days[month - 1];
    }
}

}  // namespace ranvik
