#pragma once
// Reading a company page line by line, as the company results window's
// readers do, and the conventions its results tables share.
//
// A reader holds a read position in the page: the line read last is the
// current line, and the next read takes the line after it.  Positions within
// a line count characters from 1 (0: not found), so that "ten characters on"
// means the same on a line of Japanese text as on one of ASCII.  Markers are
// byte strings matched against the line's UTF-8 text; a marker may end in
// the first bytes of a character ("株主優" and E5 BE match 株主優待 only).
//
// Every read stops at the page's end: a search that does not find its marker
// leaves the page's last line current and the reader at the end, where every
// further search fails at once.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "collect/page_text.h"

namespace ranvik {

// Character position of `marker` in `line` at or after character `from`
// (a `from` below 1 counts as 1); 0 when absent.
std::size_t FindIn(std::string_view line, std::string_view marker, std::size_t from = 1);

class PageCursor {
public:
    // An absent page (a page file that could not be read) reads as empty.
    explicit PageCursor(const PageText* page);

    // No line left to read.
    bool AtEnd() const;
    // Reads the next line; false (the current line kept) at the page's end.
    bool ReadLine();
    const std::string& Line() const { return line_; }

    // Looks at the current line from `from` on, then reads lines until one
    // holds `marker`.  The marker's position in the current line, or 0.
    std::size_t Seek(std::string_view marker, std::size_t from);
    // Reads lines, the current one never looked at again, until one holds
    // `marker`.  Its position in the new current line, or 0.
    std::size_t Advance(std::string_view marker);

    // Back to the start of the page, no line current.
    void Rewind();
    // The results readers' move back: the read position becomes the byte
    // whose number (from 1) is the number of the next byte to read divided
    // by 128, the remainder dropped, but never before the first byte.  The
    // next line read is the rest of the page line holding that byte, which
    // may start in the middle of a character.
    void MoveBack();
    // Number of the next byte to read, counting from 1 (the page's size + 1
    // at its end).
    std::size_t BytePosition() const;

private:
    const PageText* page_;
    std::size_t next_ = 0;                // the page line the next read takes
    std::optional<std::string> pending_;  // its tail, after a move back
    std::size_t pendingByte_ = 0;
    std::string line_;
};

// ---- Conventions of the results tables ----

// The value text of a value cell: what stands between the line's first ">"
// and the first "</td>" after it; nullopt when either is missing.
std::optional<std::string> ValueCellText(std::string_view line);
// The same for the cell at or after character `from`: between the first ">"
// from there and the "</td>" after it.  `end` gets the position of that
// "</td>".
std::optional<std::string> ValueCellTextFrom(std::string_view line, std::size_t from, std::size_t& end);

// A value text as a figure: passed through NormalizeQuoteNumber, the leading
// number of the result (0 when it does not begin with one) in single
// precision; numeric when the whole result reads as a number.
struct Figure {
    float value = 0;
    bool numeric = false;
};
Figure ReadFigure(std::string_view valueText);

// A figure in a grid cell or a chart: the shortest single-precision text
// ("12345.67", "-12.34", "1.234568E+07").
std::string FigureText(float value);
// Two decimals, pattern "0.#0": "10.00", "-20.00", "0.50".
std::string TwoDecimals(double value);

// The label of a table's first row from its marker line: "売上高" unless the
// line names 経常収益, 営業収益 or 正味保険料 and not 売上高.
std::string FirstRowLabel(std::string_view line);

// The dividend text t of the latest period with the change c from the one
// before: "50(+10.00) 円", "50(-) 円", "30(-20.00) 円".
std::string DividendWithChange(std::string_view text, float change);

// A period text without its last character, and as a chart label with
// "(連)" when that character begins with the bytes E9 80 (連), else "(単)".
std::string PeriodLabel(std::string_view period);
std::string PeriodChartLabel(std::string_view period);

// The head of a results table: its unit and five periods.
struct ResultsHeader {
    std::array<std::string, 5> periods;  // period 1 first; empty when not read
    std::string unitLabel;               // "(億円)" for 百万, else the unit word
    int unitDivisor = 1;                 // 100 for 百万
    bool AnyPeriod() const;
};
// Reads a head from the cursor's position on: the unit line, then 決算期 and
// the five period cells.  The cursor ends on the line of the last period
// cell looked at (or at the page's end).  A page without a unit line gives
// no periods, an empty unit label and a divisor of 1.
ResultsHeader ParseResultsHeader(PageCursor& page);

}  // namespace ranvik
