#pragma once
// The two text lists, the URL list and the topics list: CP932 text with CR
// LF line ends.  The editor shows a list up to and including its end-marker
// line and keeps what follows the marker as it was read, so that a save
// changes nothing the user did not change: the chart program's readers stop
// at the marker too, and lines after it are the user's own notes.
#include <optional>
#include <string>
#include <string_view>

namespace ranvik::listedit {

struct TextListContents {
    // The lines up to and including the first one holding "<END>" or
    // "//END" (all lines when there is none), each followed by CR LF; UTF-8.
    std::string shown;
    // The file's bytes after that line and its line end, as they were.
    std::string rest;
};
// nullopt when the file cannot be read.
std::optional<TextListContents> ReadTextList(const std::string& path);

// The bytes a save writes: the shown text (UTF-8, CR LF line ends) in CP932,
// a CR LF when it does not end with one, then the kept rest.
std::string TextListBytes(std::string_view shown, std::string_view rest);

}  // namespace ranvik::listedit
