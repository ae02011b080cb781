#pragma once
// The two text lists, the URL list and the topics list: CP932 text with CR
// LF line ends.  The editor shows a list up to and including its end-marker
// line and keeps what follows the marker as it was read, so that a save
// changes nothing the user did not change: the chart program's readers stop
// at the marker too, and lines after it are the user's own notes.  For the
// same reason a shown line the user left alone goes back with the bytes and
// the line end it was read with: a byte that is not CP932, an LF-only line
// end or a last line without one stays as it was.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ranvik::listedit {

// One shown line as the file held it.
struct ReadLine {
    // As shown, UTF-8, without its line end.
    std::string text;
    // The file's bytes of the line, its line end included (none for a last
    // line that has none).
    std::string bytes;
};

struct TextListContents {
    // The lines up to and including the first one holding "<END>" or
    // "//END" (all lines when there is none), each followed by CR LF; UTF-8.
    std::string shown;
    // The file's bytes after that line and its line end, as they were.
    std::string rest;
    // The shown lines, one by one, as they were read.
    std::vector<ReadLine> lines;
};
// nullopt when the file cannot be read.
std::optional<TextListContents> ReadTextList(const std::string& path);

// The bytes a save writes for the shown text (UTF-8, CR LF line ends): each
// line that matches, in order, a line of `asRead` goes back with that line's
// bytes; every other line is written in CP932 followed by CR LF; then the
// kept rest.  A kept last line without a line end gets CR LF when lines
// follow it.  An unedited text gives the file's bytes.
std::string TextListBytes(std::string_view shown, const TextListContents& asRead);

}  // namespace ranvik::listedit
