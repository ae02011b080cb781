// Page lines, cells, date cells, one-line table rows and the price block.
#include "collect/page_text.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/path_guard.h"
#include "platform/runtime/utf8.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

// Length of a well-formed UTF-8 sequence at `i`, 0 when the byte there does
// not start one.
std::size_t SequenceAt(std::string_view s, std::size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) return 1;
    const std::size_t len = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (len == 0 || i + len > s.size()) return 0;
    // Overlong forms and surrogates are malformed too.
    const char32_t min = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
    char32_t cp = lead & (0x7F >> len);
    for (std::size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

// The position of the first byte that does not belong to a well-formed
// UTF-8 sequence, or the size when every byte does.
std::size_t FirstMalformed(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (i + 8 <= bytes.size()) {
            std::uint64_t word;
            std::memcpy(&word, bytes.data() + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t len = SequenceAt(bytes, i);
        if (len == 0) return i;
        i += len;
    }
    return bytes.size();
}

// The line as valid UTF-8, every byte that does not belong to a well-formed
// sequence replaced by U+FFFD.  Runs of good bytes are copied whole.
std::string DecodeLine(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t bad = FirstMalformed(bytes);
        out.append(bytes.substr(0, bad));
        if (bad == bytes.size()) break;
        utf8::Append(out, 0xFFFD);
        bytes.remove_prefix(bad + 1);
    }
    return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsNameChar(char c) {
    c = Lower(c);
    return (c >= 'a' && c <= 'z') || IsDigit(c) || c == '-' || c == '_' || c == ':';
}

enum class TagKind { Other, Column, RowEnd };

// "<td" and "<th" open a column, "<tr" and "</tr" end a row (letter case
// ignored; "<thead" or "<track" are other tags).
TagKind KindOf(std::string_view tag) {
    if (tag.size() < 3 || tag[0] != '<') return TagKind::Other;
    const bool closing = tag[1] == '/';
    const std::size_t at = closing ? 2 : 1;
    if (tag.size() < at + 2 || Lower(tag[at]) != 't') return TagKind::Other;
    const char second = Lower(tag[at + 1]);
    if (tag.size() > at + 2 && IsNameChar(tag[at + 2])) return TagKind::Other;
    if (second == 'r') return TagKind::RowEnd;
    if (!closing && (second == 'd' || second == 'h')) return TagKind::Column;
    return TagKind::Other;
}

// Reads 1 or 2 digits at `i`.
bool ReadNumber(std::string_view s, std::size_t& i, int& value, std::size_t maxDigits) {
    std::size_t n = 0;
    value = 0;
    while (i < s.size() && n < maxDigits && IsDigit(s[i])) {
        value = value * 10 + (s[i] - '0');
        ++i;
        ++n;
    }
    return n > 0 && (i == s.size() || !IsDigit(s[i]));
}

bool ReadWord(std::string_view s, std::size_t& i, std::string_view word) {
    if (s.substr(i, word.size()) != word) return false;
    i += word.size();
    return true;
}

bool IsSignedDigitText(std::string_view t) { return t.size() >= 2 && (t[0] == '+' || t[0] == '-') && IsDigit(t[1]); }

}  // namespace

PageText::PageText(std::string_view bytes) : PageText(Taking{}, std::string(bytes)) {}

PageText::PageText(Taking, std::string&& bytes) : bytes_(std::move(bytes)) {
    const std::string_view all(bytes_);
    const std::size_t count = static_cast<std::size_t>(std::count(all.begin(), all.end(), '\r')) + 1;
    starts_.reserve(count);
    ends_.reserve(count);
    repair_.reserve(count);
    // A line that is valid UTF-8 (nearly every line of every page) is read
    // where it stands; only a line with malformed bytes gets a copy.
    const auto add = [&](std::size_t start, std::size_t end) {
        const std::string_view line = all.substr(start, end - start);
        if (FirstMalformed(line) == line.size()) {
            repair_.push_back(-1);
        } else {
            repair_.push_back(static_cast<int>(repaired_.size()));
            repaired_.push_back(DecodeLine(line));
        }
        starts_.push_back(start);
        ends_.push_back(end);
    };
    std::size_t start = 0;
    for (std::size_t cr = all.find('\r'); cr != std::string_view::npos; cr = all.find('\r', start)) {
        add(start, cr);
        start = cr + 1;
        if (start < all.size() && all[start] == '\n') ++start;
    }
    if (start < all.size()) add(start, all.size());
}

std::optional<std::pair<std::size_t, std::string>> PageText::LineFrom(std::size_t at) const {
    // The line whose bytes, line break included, hold `at`: the last one
    // starting at or before it.
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), at);
    if (after == starts_.begin()) return std::nullopt;
    const auto line = static_cast<std::size_t>(after - starts_.begin()) - 1;
    if (at >= bytes_.size()) return std::nullopt;
    if (at >= ends_[line]) return std::pair{line, std::string()};
    return std::pair{line, DecodeLine(std::string_view(bytes_).substr(at, ends_[line] - at))};
}

std::optional<PageText> PageText::Load(const std::string& path) {
    if (path.empty()) return std::nullopt;
    // A page named by a list or a saved-page folder may be anything.
    std::FILE* file = OpenForReading(path);
    if (file == nullptr) return std::nullopt;
    // Read whole in as few calls as the file allows: into a buffer of the
    // size the file says it has, growing only when it has grown meanwhile.
    std::string bytes;
    struct stat info {};
    if (::fstat(::fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    if (bytes.size() < 16384) bytes.resize(16384);
    std::size_t size = 0;
    while (true) {
        const std::size_t got = std::fread(bytes.data() + size, 1, bytes.size() - size, file);
        size += got;
        if (size < bytes.size()) break;
        bytes.resize(bytes.size() * 2);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    bytes.resize(size);
    return PageText(Taking{}, std::move(bytes));
}

const std::vector<std::string>& PageText::Lines() const {
    if (!linesMade_) {
        lines_.reserve(LineCount());
        for (std::size_t k = 0; k < LineCount(); ++k) lines_.emplace_back(Line(k));
        linesMade_ = true;
    }
    return lines_;
}

std::optional<std::size_t> PageText::FindLine(std::string_view marker, std::size_t from) const {
    for (std::size_t k = from; k < LineCount(); ++k)
        if (Line(k).find(marker) != std::string_view::npos) return k;
    return std::nullopt;
}

std::optional<PageCell> NextCell(std::string_view line, std::size_t from) {
    // Tags and cells are a few bytes long: a plain walk finds their ends
    // sooner than a library search started for each.
    const std::size_t size = line.size();
    const char* data = line.data();
    std::size_t open = from;
    while (open < size && data[open] != '>') ++open;
    if (open >= size) return std::nullopt;
    std::size_t end = open + 1;
    while (end < size && data[end] != '<') ++end;
    if (end >= size) return std::nullopt;
    return PageCell{open, end, TrimBlanks(line.substr(open + 1, end - open - 1))};
}

std::optional<PageDate> ReadPageDate(std::string_view text) {
    // Most cells are prices: turned away on their first characters.
    if (text.size() < 8 || !IsDigit(text[0]) || (text[4] != '/' && text[4] != "年"[0])) return std::nullopt;
    PageDate d;
    std::size_t i = 0;
    if (!ReadNumber(text, i, d.year, 4) || i != 4) return std::nullopt;
    if (ReadWord(text, i, "/")) {
        if (!ReadNumber(text, i, d.month, 2) || !ReadWord(text, i, "/") || !ReadNumber(text, i, d.day, 2))
            return std::nullopt;
    } else if (ReadWord(text, i, "年")) {
        if (!ReadNumber(text, i, d.month, 2) || !ReadWord(text, i, "月") || !ReadNumber(text, i, d.day, 2) ||
            !ReadWord(text, i, "日"))
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    return d;
}

OneLineTable::OneLineTable(std::string_view line, std::size_t from) : line_(line), position_(from) {}

// One pass over the row's cells.  Between one cell's "<" and the next cell's
// ">" stands exactly one tag, so each cell knows the tag before it: "<td" or
// "<th" opens a column, "</tr" or "<tr" ends the row, any other tag leaves
// its text to the column it stands in.
std::optional<TableRow> OneLineTable::NextRow() {
    std::optional<PageCell> cell = NextCell(line_, position_);
    std::optional<PageDate> date;
    for (; cell; cell = NextCell(line_, cell->end))
        if ((date = ReadPageDate(cell->text))) break;
    if (!cell) {
        position_ = line_.size();
        return std::nullopt;
    }
    TableRow row{*cell, *date, line_.size(), {}};
    std::vector<std::string>& columns = row.columns;
    columns.reserve(8);  // a price table's row has seven
    // A column is the trimmed join of its cells' texts.  Most columns hold
    // one cell, whose trimmed text is taken as it stands; a column of more
    // cells is joined first and trimmed once.
    std::size_t pieces = 0;
    std::string_view single;
    const auto finish = [&] {
        if (columns.empty()) return;
        std::string& text = columns.back();
        if (pieces == 1) {
            text.assign(TrimBlanks(single));
            return;
        }
        const std::string_view trimmed = TrimBlanks(text);
        const std::size_t front = static_cast<std::size_t>(trimmed.data() - text.data());
        text.erase(front + trimmed.size());
        text.erase(0, front);
    };
    std::size_t tagStart = cell->end;
    for (auto next = NextCell(line_, tagStart); next; next = NextCell(line_, tagStart)) {
        const std::string_view tag = line_.substr(tagStart, next->open - tagStart);
        const TagKind kind = KindOf(tag);
        if (kind == TagKind::RowEnd || ReadPageDate(next->text)) {
            row.end = tagStart;
            break;
        }
        if (kind == TagKind::Column) {
            finish();
            columns.emplace_back();
            pieces = 0;
        }
        if (!columns.empty()) {
            const std::string_view raw = line_.substr(next->open + 1, next->end - next->open - 1);
            if (pieces == 0) {
                single = raw;
            } else {
                if (pieces == 1) columns.back().assign(single);
                columns.back() += raw;
            }
            ++pieces;
        }
        tagStart = next->end;
    }
    finish();
    position_ = row.end;
    return row;
}

PagePrice ReadPagePrice(const PageText& page) {
    PagePrice result;
    const auto lineNo = page.FindLine("<span class=");
    if (!lineNo) return result;
    const std::string_view line = page.Line(*lineNo);

    auto cell = NextCell(line, line.find("<span class="));
    for (; cell; cell = NextCell(line, cell->end)) {
        const std::string_view t = cell->text;
        const std::size_t length = CharCount(t);
        if ((length >= 2 && length != 4 && IsNumeric(t)) || (t == "---" && line.substr(cell->end, 2) == "</")) {
            result.price = t;
            break;
        }
    }
    if (!cell) return result;

    for (cell = NextCell(line, cell->end); cell; cell = NextCell(line, cell->end)) {
        const std::string_view t = cell->text;
        if (t.empty()) continue;
        if (t == "+" || t == "-") {
            result.note = t;
            continue;
        }
        const bool numeric = IsNumeric(t);
        const std::size_t length = CharCount(t);
        const bool fourDigits = numeric && length == 4 && IsDigit(t[0]) && IsDigit(t[1]) && IsDigit(t[2]);
        if (!((numeric && !fourDigits) || t == "---" || IsSignedDigitText(t))) continue;
        if (numeric || t == "---") {
            result.note += t;
        } else {
            std::size_t k = 1;
            while (k < t.size() && (IsDigit(t[k]) || t[k] == ',' || t[k] == '.')) ++k;
            result.note += t.substr(0, k);
        }
        break;
    }
    return result;
}

std::vector<std::string> HistoryPageFiles() {
    const DownloadState& d = Program().download;
    std::vector<std::string> files{d.PageFile1};
    if (d.PageFile2.empty()) return files;
    files.insert(files.end(), {d.PageFile2, d.PageFile3, d.PageFile4});
    if (d.PageFile5.empty()) return files;
    files.insert(files.end(), {d.PageFile5, d.PageFile6, d.PageFile7});
    if (!d.PageFile8.empty()) files.push_back(d.PageFile8);
    return files;
}

}  // namespace ranvik
