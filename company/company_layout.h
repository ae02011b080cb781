#pragma once
// The arithmetic of the company results window's layout, apart from the
// window: from the window's size it places the five charts, wraps the three
// indicator panels along the bottom and sizes the results grid.  All values
// are twips.
#include <array>
#include <optional>

namespace ranvik {

struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    friend bool operator==(const Box&, const Box&) = default;
};

struct CompanyLayoutInput {
    double width = 0;   // the window's inner width and height
    double height = 0;
    int osMajorVersion = 0;          // 6 or more: the larger margins
    double chartLeft = 0;            // design left of the charts' left column
    double chartTop = 0;             // design top of the upper row
    double chart3DesignWidth = 0;
    double chart5DesignWidth = 0;
    std::array<Box, 3> frames{};     // Frame1 to Frame3 as they stand (left of Frame1, sizes of all)
};

struct CompanyLayout {
    // Charts 1 to 5, each only when every chart size came out at 0 or more:
    // otherwise the charts keep their sizes.
    std::optional<std::array<Box, 5>> charts;
    std::array<Box, 3> frames{};
    // The grid, only when the charts were placed and its size is not
    // negative; column 0 of the grid is then aligned right.
    std::optional<Box> grid;
};

CompanyLayout ComputeCompanyLayout(const CompanyLayoutInput& in);

}  // namespace ranvik
