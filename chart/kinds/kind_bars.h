#pragma once
// What the drawers of the other chart kinds share: a bar read from file
// number 1 with its date, split-corrected by the one walk of the redraw
// pipeline, and left in QuoteBufA as the last record read; the active-window
// test; text placed at a position.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"
#include "platform/runtime/values.h"
#include "platform/surface/surface.h"

namespace ranvik {

struct KindBar {
    BarValues v;
    std::string date;  // "mm/dd/yy"
    // The numbers in the date: its month, day and two-digit year.
    int Month() const;
    int Day() const;
    int Year2() const;
    std::string YearText() const { return date.size() >= 8 ? date.substr(6, 2) : std::string("  "); }
    std::string MonthText() const { return date.substr(0, 2); }
    std::string MonthDay() const { return date.substr(0, 5); }
    // The prices the chart kinds place (open and close) are finite numbers;
    // with the volume, for the kinds that place it too.  A bar with an
    // infinite or undefined value (a damaged file) cannot be placed on any
    // scale: the drawers pass it over as if the file did not hold it.
    bool Drawable() const;
    bool DrawableWithVolume() const;
};

// Reads the bars of one draw and keeps the last one for QuoteBufA.
class KindReader {
public:
    KindReader(ChartHost& window, ChartFile& file1);
    ~KindReader();
    KindReader(const KindReader&) = delete;
    KindReader& operator=(const KindReader&) = delete;

    // Record r; with `walk` the point in force first moves forward past r;
    // then, while the correction item is checked, the bar is corrected.
    KindBar Read(std::int64_t r, bool walk = true);
    // Record r as it is stored.
    KindBar ReadRaw(std::int64_t r);
    // From now on the records read one after another are kept as stored, so
    // that a drawer that walks them again (a second pass, a close line over
    // the columns) does not read the file again.  File number 1 must stay
    // the same file while the reader lives.
    void KeepRecords() { keeping_ = true; }

private:
    struct StoredBar {
        BarValues v;
        char date[8];
        std::uint8_t dateLength;
    };
    ChartHost& window_;
    ChartFile& file1_;
    bool correction_;
    std::int64_t last_ = 0;
    BarValues lastValues_;
    bool keeping_ = false;
    // Records keptFrom_, keptFrom_ + 1, ... as stored.
    std::int64_t keptFrom_ = 0;
    std::vector<StoredBar> kept_;
};

bool IsActiveWindow(const ChartWindowState& fields);

void PrintAt(Surface& s, double x, double y, std::string_view text);

// Val of a two-character field of a date ("mm", "dd" or "yy"); two digits,
// as every stored date has them, are read directly, since the long charts
// read tens of thousands of dates a draw.
int DateField(std::string_view field);

// The four-digit year of the comparison charts: above 60 19yy, else 20yy.
int CompareYear(int year2);

}  // namespace ranvik
