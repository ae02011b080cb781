#include "platform/runtime/fixed_text.h"

#include <gtest/gtest.h>

namespace ranvik {
namespace {

TEST(FixedText, EveryAssignmentPadsOrCutsToItsLength) {
    const struct {
        const char* assigned;
        const char* two;   // FixedText<2>
        const char* four;  // FixedText<4>
    } cases[] = {
        {"", "  ", "    "},
        {"5", "5 ", "5   "},
        {"05", "05", "05  "},
        {"13012", "13", "1301"},
        // Characters, not bytes: a field of two holds two kanji.
        {"日本株式", "日本", "日本株式"},
        {"日", "日 ", "日   "},
    };
    for (const auto& c : cases) {
        const FixedText<2> two = c.assigned;
        FixedText<4> four;
        four = c.assigned;
        EXPECT_EQ(two.Text(), c.two) << c.assigned;
        EXPECT_EQ(four.Text(), c.four) << c.assigned;
    }
    EXPECT_EQ(FixedText<1>().Text(), " ");
}

TEST(FixedText, ComparesAsText) {
    const FixedText<4> code = "0100";
    EXPECT_TRUE(code >= "0010" && code <= "0500");
    EXPECT_FALSE(FixedText<4>("0501") <= "0500");
    EXPECT_TRUE(FixedText<4>("001A") <= "0500");
    const std::string& text = code;
    EXPECT_EQ(text, "0100");
}

}  // namespace
}  // namespace ranvik
