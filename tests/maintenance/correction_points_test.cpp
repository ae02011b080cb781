// The multiplier of a price jump as the correction table shows it.
#include <gtest/gtest.h>

#include "maintenance/correction_points.h"

namespace ranvik {
namespace {

TEST(JumpMultiplier, FallsAreWholeRisesHaveOneDecimalAndUnstorableJumpsGiveNone) {
    const struct {
        double prev, cur;
        const char* text;  // nullptr: no usable multiplier
    } cases[] = {
        {1000, 500, "2"},   {1000, 2000, "0.5"}, {1000, 970, "1"},  {1000, 1030, "1"},  {300, 100, "3"},
        {1000, 250, "4"},   {100, 1000, "0.1"},  {1000, 1000, "1"}, {250, 100, "3"},    {990, 10, "99"},
        {1000, 10, nullptr}, {1000, 0, nullptr}, {0, 500, nullptr}, {1, 100, nullptr},  {100, 2500, nullptr},
        {1000, 1960, "0.5"}, {1000, 1050, "1"},
    };
    for (const auto& c : cases) {
        const auto text = JumpMultiplier(c.prev, c.cur);
        if (c.text == nullptr) {
            EXPECT_FALSE(text.has_value()) << c.prev << " " << c.cur;
        } else {
            EXPECT_EQ(text.value_or("none"), c.text) << c.prev << " " << c.cur;
        }
    }
}

TEST(TypedMultiplier, WholeAboveOneAsTypedAtOneTenthsBelowAndNothingOutside) {
    const struct {
        const char* entry;
        const char* shown;  // nullptr: refused
    } cases[] = {
        {"2", "2"},       {"1.6", "2"},     {"1.4", "1"},    {"2.5", "3"},    {"99", "99"},    {"98.6", "99"},
        {"1", "1"},       {"1.0", "1.0"},   {"0.25", "0.2"}, {"0.5", "0.5"},  {"0.7", "0.7"},  {"0.3", "0.3"},
        {"0.1", "0.1"},   {"0.99", "0.9"},  {"0.09", nullptr}, {"100", nullptr}, {"99.5", nullptr}, {"0", nullptr},
        {"-2", nullptr},  {"abc", nullptr}, {"2x", nullptr}, {"", nullptr},
    };
    for (const auto& c : cases) {
        const auto shown = TypedMultiplier(c.entry);
        if (c.shown == nullptr) {
            EXPECT_FALSE(shown.has_value()) << c.entry;
        } else {
            EXPECT_EQ(shown.value_or("none"), c.shown) << c.entry;
        }
    }
}

}  // namespace
}  // namespace ranvik
