// Reading and writing the URL list and the topics list.
#include "listedit/text_list.h"

#include "listedit/start_up.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/text_file.h"

namespace ranvik::listedit {

std::optional<TextListContents> ReadTextList(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    const std::string& b = *bytes;
    TextListContents contents;
    // Lines end at CR LF, a lone CR or a lone LF, as the runtime reads them.
    std::size_t start = 0;
    while (start < b.size()) {
        std::size_t end = start;
        while (end < b.size() && b[end] != '\r' && b[end] != '\n') ++end;
        const std::string line = FromAnsi(std::string_view(b).substr(start, end - start));
        if (end < b.size() && b[end] == '\r') ++end;
        else if (end < b.size()) ++end;  // a lone LF
        if (end < b.size() && b[end - 1] == '\r' && b[end] == '\n') ++end;
        contents.shown += line + "\r\n";
        start = end;
        if (IsListEnd(line)) {
            contents.rest = b.substr(start);
            break;
        }
    }
    return contents;
}

std::string TextListBytes(std::string_view shown, std::string_view rest) {
    std::string bytes = ToAnsi(shown);
    if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0) bytes += "\r\n";
    bytes += rest;
    return bytes;
}

}  // namespace ranvik::listedit
