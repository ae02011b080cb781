// Builds a delivered text file from its readable source: the source is UTF-8
// with LF (or CR LF) line ends; the output is what the programs read, CP932
// with CR LF after every line.  A character the code page cannot hold stops
// the build instead of turning silently into "?".
//
//   delivered_text <source> <output>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/text_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: delivered_text <source> <output>\n");
        return 2;
    }
    const std::string source = argv[1];
    const std::string output = argv[2];
    const auto bytes = ranvik::ReadFileBytes(source);
    if (!bytes) {
        std::fprintf(stderr, "%s: cannot be read\n", source.c_str());
        return 1;
    }
    std::string_view text = *bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }

    bool ok = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (ranvik::FromAnsi(ranvik::ToAnsi(lines[i])) != lines[i]) {
            std::fprintf(stderr, "%s:%zu: a character is not UTF-8 or has no CP932 form: %s\n", source.c_str(),
                         i + 1, lines[i].c_str());
            ok = false;
        }
    }
    if (!ok) return 1;
    if (!ranvik::ReplaceFileBytes(output, ranvik::EncodeTextLines(lines))) {
        std::fprintf(stderr, "%s: cannot be written\n", output.c_str());
        return 1;
    }
    return 0;
}
