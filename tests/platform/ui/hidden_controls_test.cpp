#include "platform/ui/hidden_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ranvik {
namespace {

// A request box as the windows use it: the handler acts on a non-empty text
// and clears the box, which raises the handler once more with the empty text.
TEST(HiddenTextBox, HandlerRunsNestedInsideTheAssignment) {
    HiddenTextBox box;
    std::vector<std::string> log;
    box.OnChange = [&] {
        log.push_back("change '" + box.Text() + "'");
        if (box.Text().empty()) return;
        log.push_back("act " + box.Text());
        box.SetText("");
        log.push_back("cleared");
    };
    log.push_back("before");
    box.SetText("5");
    log.push_back("after");
    const std::vector<std::string> expected = {"before", "change '5'", "act 5", "change ''",
                                               "cleared", "after"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(box.Text(), "");
}

TEST(HiddenTextBox, SettingTheSameTextRunsNothing) {
    HiddenTextBox box;
    int changes = 0;
    box.OnChange = [&] { ++changes; };
    box.SetText("");
    EXPECT_EQ(changes, 0);
    box.SetText("4");
    box.SetText("4");
    EXPECT_EQ(changes, 1);
}

TEST(HiddenCheckBox, ResetByItsHandlerRaisesItselfOnceMore) {
    HiddenCheckBox check;
    std::vector<int> seen;
    check.OnClick = [&] {
        seen.push_back(check.Value());
        if (check.Value() == 1) check.SetValue(0);
    };
    check.SetValue(1);
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
    EXPECT_EQ(check.Value(), 0);
    check.SetValue(0);
    EXPECT_EQ(seen.size(), 2u);
}

TEST(HiddenCheckBox, HandlerWithoutResetStaysSetAndRepeatsNothing) {
    HiddenCheckBox check;
    int clicks = 0;
    check.OnClick = [&] { ++clicks; };
    check.SetValue(1);
    check.SetValue(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(check.Value(), 1);
}

TEST(HiddenControls, AControlWithoutHandlerJustKeepsItsValue) {
    HiddenTextBox box;
    box.SetText("abc");
    EXPECT_EQ(box.Text(), "abc");
}

}  // namespace
}  // namespace ranvik
