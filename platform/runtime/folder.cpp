#include "platform/runtime/folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/runtime/text_file.h"

namespace ranvik {

namespace fs = std::filesystem;

namespace {

fs::path ToPath(const std::string& utf8) { return fs::path(reinterpret_cast<const char8_t*>(utf8.c_str())); }

std::string FromPath(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Byte-wise wildcard match; "?" takes one UTF-8 character.
bool Match(const char* n, const char* p) {
    while (*p != '\0') {
        if (*p == '*') {
            while (*p == '*') ++p;
            if (*p == '\0') return true;
            for (const char* s = n; *s != '\0'; ++s)
                if (Match(s, p)) return true;
            return false;
        }
        if (*n == '\0') return false;
        if (*p == '?') {
            ++n;
            while ((static_cast<unsigned char>(*n) & 0xC0) == 0x80) ++n;
            ++p;
            continue;
        }
        if (FoldAscii(*n) != FoldAscii(*p)) return false;
        ++n;
        ++p;
    }
    return *n == '\0';
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    return Match(name.c_str(), pattern.c_str());
}

std::vector<std::string> ListFolder(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(ToPath(folder.empty() ? "." : folder), ec);
    if (ec) return names;
    // The error_code forms throughout: an entry that cannot be examined (a
    // loop of links, a name past the limit) is passed over, and a listing
    // that fails half way keeps what it found; nothing throws.
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = FromPath(it->path().filename());
        if (MatchesPattern(name, pattern)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(ToPath(path), ec);
}

bool FolderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(ToPath(path), ec);
}

bool DeleteFile(const std::string& path) {
    std::error_code ec;
    // A folder that carries a file's name is the user's, not ours to remove
    // (the file system would remove an empty one); a link goes, not its target.
    if (fs::is_directory(fs::symlink_status(ToPath(path), ec))) return false;
    return fs::remove(ToPath(path), ec) && !ec;
}

bool RenameFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(ToPath(from), ToPath(to), ec);
    return !ec;
}

bool CopyFile(const std::string& from, const std::string& to) {
    // Through a temporary file, so a failed copy never leaves half a target.
    const auto bytes = ReadFileBytes(from);
    return bytes && ReplaceFileBytes(to, *bytes);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace ranvik
