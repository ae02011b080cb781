#include "platform/ui/qt_help_service.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(QtHelpService, PagesLieInTheFolderNamedAfterTheHelpFile) {
    EXPECT_EQ(HelpPagePath("/prog/RanvikCManual.chm", "Manual\\RanvikC5.html"),
              "/prog/RanvikCManual/Manual/RanvikC5.html");
    EXPECT_EQ(HelpPagePath("/prog.d/help", "a.html"), "/prog.d/help/a.html");
}

TEST(QtHelpService, AMissingHelpPageDoesNothing) {
    test::TempFolder dir;
    QtHelpService help;
    // No page, no help file: nothing opens and nothing fails.
    help.ShowTopic(dir.File("RanvikCManual.chm"), "Manual\\RanvikC5.html");
    help.CloseAll(dir.File("RanvikCManual.chm"));
    SUCCEED();
}

}  // namespace
}  // namespace ranvik
