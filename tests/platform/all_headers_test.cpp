// Every platform header in one translation unit (the include list is made by
// the build from the folders): a header that clashes with another one fails
// to compile here, before any window happens to include both.
#include "all_platform_headers.h"

#include <gtest/gtest.h>

namespace ranvik {
namespace {

TEST(PlatformHeaders, SurfaceAndControlsShareOneColour) {
    QWidget label;
    SetForeColor(&label, SurfaceState{}.ForeColor);
    EXPECT_EQ(ForeColorOf(&label), QBColor(0));
    EXPECT_EQ(ToQColor(SurfaceState{}.BackColor), QColor(255, 255, 255));
}

}  // namespace
}  // namespace ranvik
