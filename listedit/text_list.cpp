// Reading and writing the URL list and the topics list.
#include "listedit/text_list.h"

#include <cstddef>
#include <unordered_map>

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
        std::string line = FromAnsi(std::string_view(b).substr(start, end - start));
        if (end < b.size() && b[end] == '\r') ++end;
        else if (end < b.size()) ++end;  // a lone LF
        if (end < b.size() && b[end - 1] == '\r' && b[end] == '\n') ++end;
        contents.shown += line + "\r\n";
        const bool last = IsListEnd(line);
        contents.lines.push_back(ReadLine{std::move(line), b.substr(start, end - start)});
        start = end;
        if (last) {
            contents.rest = b.substr(start);
            break;
        }
    }
    return contents;
}

namespace {

// The shown text's lines: CR LF ends each; a last piece without one is a
// line too.
std::vector<std::string_view> ShownLines(std::string_view shown) {
    std::vector<std::string_view> lines;
    while (!shown.empty()) {
        const std::size_t end = shown.find("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(shown);
            break;
        }
        lines.push_back(shown.substr(0, end));
        shown.remove_prefix(end + 2);
    }
    return lines;
}

// For each shown line, the index of the read line it is kept as, or -1 for
// a line the user typed or changed.  The lines both ends share are matched
// first, so that one edit anywhere keeps every other line; in between each
// line takes the next unused read line of the same text.  Every match lies
// after the previous one, so kept lines keep their order.
std::vector<std::ptrdiff_t> KeptLines(const std::vector<std::string_view>& shown,
                                      const std::vector<ReadLine>& read) {
    std::vector<std::ptrdiff_t> kept(shown.size(), -1);
    std::size_t head = 0;
    while (head < shown.size() && head < read.size() && shown[head] == read[head].text) {
        kept[head] = static_cast<std::ptrdiff_t>(head);
        ++head;
    }
    std::size_t tail = 0;
    while (tail < shown.size() - head && tail < read.size() - head &&
           shown[shown.size() - 1 - tail] == read[read.size() - 1 - tail].text) {
        kept[shown.size() - 1 - tail] = static_cast<std::ptrdiff_t>(read.size() - 1 - tail);
        ++tail;
    }
    std::unordered_map<std::string_view, std::vector<std::size_t>> where;
    for (std::size_t r = read.size() - tail; r-- > head;) where[read[r].text].push_back(r);
    std::size_t after = head;  // the first read line a match may take
    for (std::size_t s = head; s < shown.size() - tail; ++s) {
        const auto found = where.find(shown[s]);
        if (found == where.end()) continue;
        std::vector<std::size_t>& places = found->second;  // last place first
        while (!places.empty() && places.back() < after) places.pop_back();
        if (places.empty()) continue;
        kept[s] = static_cast<std::ptrdiff_t>(places.back());
        after = places.back() + 1;
        places.pop_back();
    }
    return kept;
}

}  // namespace

std::string TextListBytes(std::string_view shown, const TextListContents& asRead) {
    const std::vector<std::string_view> lines = ShownLines(shown);
    const std::vector<std::ptrdiff_t> kept = KeptLines(lines, asRead.lines);
    std::string bytes;
    for (std::size_t s = 0; s < lines.size(); ++s) {
        if (kept[s] < 0) {
            bytes += ToAnsi(lines[s]);
            bytes += "\r\n";
            continue;
        }
        const std::string& original = asRead.lines[static_cast<std::size_t>(kept[s])].bytes;
        bytes += original;
        const bool ended = !original.empty() && (original.back() == '\n' || original.back() == '\r');
        if (!ended && (s + 1 < lines.size() || !asRead.rest.empty())) bytes += "\r\n";
    }
    bytes += asRead.rest;
    return bytes;
}

}  // namespace ranvik::listedit
