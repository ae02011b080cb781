#pragma once
// The text of a downloaded quote page as every page reader sees it.
//
// Pages are UTF-8.  A page line ends at CR or CR LF; a lone LF does not end
// one, so a page saved with LF line ends is one long line (the quote tables
// stand on one line and the readers rely on it).  Each line is decoded on its
// own, a malformed byte becoming U+FFFD, so a page in another encoding just
// holds none of the readers' Japanese markers.  Positions are byte offsets
// into a line; in valid UTF-8 the ASCII characters the readers look for
// ("<", ">", "/") only ever stand for themselves.
//
// A cell is the text between a ">" and the next "<" of the same line.
// Walking the cells of a line always ends in "no further cell" at its end,
// never at a position outside it.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ranvik {

class PageText {
public:
    PageText() = default;
    explicit PageText(std::string_view bytes);
    // The page file read whole; nullopt when it cannot be read (no name, no
    // file, no permission).  The file is closed again before this returns.
    static std::optional<PageText> Load(const std::string& path);

    // The decoded lines.  Line(k) gives one without copying it (into the
    // page's bytes, or into its repaired copy when it held malformed bytes);
    // Lines() copies them all, once, for readers that keep whole lines.
    std::size_t LineCount() const { return starts_.size(); }
    std::string_view Line(std::size_t k) const {
        return repair_[k] < 0 ? std::string_view(bytes_).substr(starts_[k], ends_[k] - starts_[k])
                              : std::string_view(repaired_[static_cast<std::size_t>(repair_[k])]);
    }
    const std::vector<std::string>& Lines() const;
    // The page's bytes as read, and where each line's bytes begin and end
    // in them (the end is its CR, or the page's end for a last line without
    // one), for readers that set their read position to a byte number.
    const std::string& Bytes() const { return bytes_; }
    std::size_t LineStart(std::size_t line) const { return starts_[line]; }
    std::size_t LineEnd(std::size_t line) const { return ends_[line]; }
    // The line holding byte `at`, and its text from that byte on, decoded
    // as a line is: a start inside a character gives U+FFFD for each of its
    // stray bytes.  A byte of the line break itself gives an empty text.
    // nullopt for a byte past the last line.
    std::optional<std::pair<std::size_t, std::string>> LineFrom(std::size_t at) const;
    // The first line at or after line `from` (from 0) that holds `marker`.
    // A search that must start over always starts from the page's first line.
    std::optional<std::size_t> FindLine(std::string_view marker, std::size_t from = 0) const;

private:
    struct Taking {};
    // Takes the bytes over instead of copying them.
    PageText(Taking, std::string&& bytes);

    std::string bytes_;
    std::vector<std::size_t> starts_;
    std::vector<std::size_t> ends_;
    // Per line: -1 for a line that is valid UTF-8, else its repaired copy's
    // place in repaired_.
    std::vector<int> repair_;
    std::vector<std::string> repaired_;
    mutable std::vector<std::string> lines_;
    mutable bool linesMade_ = false;
};

struct PageCell {
    std::size_t open = 0;   // the ">" before the text
    std::size_t end = 0;    // the "<" after it
    std::string_view text;  // the text between them, blanks, tabs and LFs trimmed
};

// The first cell whose ">" lies at or after `from`; nullopt when the line
// has no further ">" or no "<" after it.
std::optional<PageCell> NextCell(std::string_view line, std::size_t from);

// A date cell, read in full: "2024/5/10", "2024/05/09" or "2024年5月10日"
// (month and day of one or two digits).  The numbers are returned as written;
// whether they name a calendar day is the caller's test.
struct PageDate {
    int year = 0;
    int month = 0;
    int day = 0;
};
std::optional<PageDate> ReadPageDate(std::string_view cellText);

// A row of a one-line table: it runs from its date cell to the next "</tr>",
// "<tr" or date cell, whichever comes first; `end` is the "<" that opens that
// tag (or the line's end), so the next row's search starts there.
//
// Its columns after the date cell, in page order: each "<td" or "<th" opens
// one, whose text is that of its cells joined and trimmed, empty for an empty
// column.  A column cut off by the line's end is not there.
struct TableRow {
    PageCell dateCell;
    PageDate date;
    std::size_t end = 0;
    std::vector<std::string> columns;
};

// Walks the rows of a one-line table from a position of its line; the line
// must outlive the walk.
class OneLineTable {
public:
    OneLineTable(std::string_view line, std::size_t from);
    std::optional<TableRow> NextRow();

private:
    std::string_view line_;
    std::size_t position_;
};

// The current price and the change beside it, from the first line that holds
// "<span class=".  The price is the first cell from there of at least 2
// characters that is numeric but not 4 characters long (a stock code), or a
// "---" cell closed by "</".  The change follows: a lone "+" or "-" starts it;
// it ends at a number that is not a 4-digit one, at "---" or at a text
// opening with a sign and a digit, of which only the sign and the digits,
// separators and point that follow are kept ("+12(+0.5%)" gives "+12").
// Both are empty when the page has no such line or no price on it; the change
// keeps what it has when the line ends first.
struct PagePrice {
    std::string price;
    std::string note;
};
PagePrice ReadPagePrice(const PageText& page);

// The page files a history reader reads, in order: PageFile1; when PageFile2
// is set, PageFile2 to PageFile4; when PageFile5 is also set, PageFile5 to
// PageFile7; when PageFile8 is also set, PageFile8.  The downloads fill the
// names in groups of 1, 4 or 8.
std::vector<std::string> HistoryPageFiles();

}  // namespace ranvik
