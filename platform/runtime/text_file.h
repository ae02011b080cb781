#pragma once
// Line-oriented text files in the ANSI code page (CP932) with CR LF line ends.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

struct TextLine {
    std::string text;          // UTF-8, without its line end
    std::int64_t offset = 0;   // byte offset of the line's first byte in the file
    std::int64_t length = 0;   // byte length of the line in the file, line end excluded
};

// Every line of the file, as the original's Line Input reads them: a line
// ends at CR LF, at a lone CR or a lone LF; a last line without a line end
// still counts; an empty file has no line.  nullopt when it cannot be read.
std::optional<std::vector<TextLine>> ReadTextLines(const std::string& path);
// The first line only, or nullopt when the file is missing or empty.
std::optional<std::string> ReadFirstTextLine(const std::string& path);

// Raw bytes of a whole file; nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);
// Writes the bytes to a temporary file in the same folder and renames it over
// `path`, so the old file stays whole if anything fails on the way.  Returns
// false (and leaves the old file) on failure.
bool ReplaceFileBytes(const std::string& path, std::string_view bytes);
// The rename that ends ReplaceFileBytes, replaceable so that a test can make
// it fail: a test run as root gets past every permission, so only a seam
// shows what a failed rename leaves.  An empty function puts the system's
// rename back.
using RenameFunction = std::function<bool(const std::string& from, const std::string& to)>;
void SetReplaceRename(RenameFunction rename);

// Lines (UTF-8) turned into CP932 text with CR LF after each line.
std::string EncodeTextLines(const std::vector<std::string>& lines);
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace ranvik
