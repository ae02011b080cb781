#include "platform/runtime/text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <utility>

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/path_guard.h"

namespace ranvik {

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::FILE* file = OpenForReading(path);
    if (file == nullptr) return std::nullopt;
    // Read whole in one go at the size the file has now; a file that grows
    // meanwhile is read to its end all the same.
    struct stat st {};
    std::string bytes(::fstat(::fileno(file), &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0,
                      '\0');
    std::size_t held = std::fread(bytes.data(), 1, bytes.size(), file);
    bytes.resize(held);
    char buffer[16384];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

std::optional<std::vector<TextLine>> ReadTextLines(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    std::vector<TextLine> lines;
    const std::string& b = *bytes;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < b.size()) {
        if (b[i] == '\r' || b[i] == '\n') {
            lines.push_back({FromAnsi(std::string_view(b).substr(start, i - start)),
                             static_cast<std::int64_t>(start), static_cast<std::int64_t>(i - start)});
            if (b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n') ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < b.size())
        lines.push_back({FromAnsi(std::string_view(b).substr(start)), static_cast<std::int64_t>(start),
                         static_cast<std::int64_t>(b.size() - start)});
    return lines;
}

std::optional<std::string> ReadFirstTextLine(const std::string& path) {
    auto lines = ReadTextLines(path);
    if (!lines || lines->empty()) return std::nullopt;
    return std::move(lines->front().text);
}

namespace {
RenameFunction& ReplaceRename() {
    static RenameFunction rename;
    return rename;
}
}  // namespace

void SetReplaceRename(RenameFunction rename) { ReplaceRename() = std::move(rename); }

bool ReplaceFileBytes(const std::string& path, std::string_view bytes) {
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    std::string temp = folder + "/.ranvik-write-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) return false;
    // mkstemp makes the file private; the replaced file keeps the mode a
    // new file of the folder would have.
    struct stat old {};
    const mode_t umaskNow = ::umask(0);
    ::umask(umaskNow);
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~umaskNow));
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) ok = false;
        else done += static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok) {
        const RenameFunction& rename = ReplaceRename();
        ok = rename ? rename(temp, path) : std::rename(temp.c_str(), path.c_str()) == 0;
    }
    if (!ok) std::remove(temp.c_str());
    return ok;
}

std::string EncodeTextLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += ToAnsi(line);
        out += "\r\n";
    }
    return out;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    return ReplaceFileBytes(path, EncodeTextLines(lines));
}

}  // namespace ranvik
