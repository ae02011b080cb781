#include "platform/runtime/ansi_text.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(AnsiText, EncodesAndDecodesTheCodePageForms) {
    struct Case {
        const char* utf8;
        std::string cp932;
    } cases[] = {
        {"ABC 12", "ABC 12"},
        // CP932 keeps ASCII below 0x80, where plain Shift-JIS has yen and
        // overline.
        {"\\~", "\x5C\x7E"},
        {"東証", "\x93\x8C\x8F\xD8"},
        {"ｶﾀｶﾅ", "\xB6\xC0\xB6\xC5"},
        // The CP932 forms of full-width minus and wave dash: a plain
        // Shift-JIS table maps these bytes to other characters.
        {"－", "\x81\x7C"},
        {"～", "\x81\x60"},
        {"①", "\x87\x40"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test::Hex(ToAnsi(c.utf8)), test::Hex(c.cp932)) << c.utf8;
        EXPECT_EQ(FromAnsi(c.cp932), c.utf8);
    }
}

TEST(AnsiText, CharacterOutsideTheCodePageBecomesAQuestionMark) {
    EXPECT_EQ(ToAnsi("a😀b"), "a?b");
}

TEST(AnsiText, BrokenBytesDecodeToReplacementCharacter) {
    EXPECT_EQ(FromAnsi(std::string("A\x81", 2)), "A\xEF\xBF\xBD");
}

TEST(AnsiText, FieldsArePaddedAndCutOnCharacterBoundaries) {
    struct Case {
        const char* text;
        std::size_t width;
        std::string bytes;
    } cases[] = {
        {"AB", 4, "AB  "},
        {"東証", 4, "\x93\x8C\x8F\xD8"},
        {"東証", 3, "\x93\x8C "},   // half of 証 would be left: blank instead
        {"A東", 2, "A "},
        {"A檗", 2, "A "},   // 檗 is 9F 40: 0x9F still leads a pair
        {"", 3, "   "},
        {"ABCDE", 3, "ABC"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(test::Hex(PackField(c.text, c.width)), test::Hex(c.bytes)) << c.text << " in " << c.width;
        EXPECT_EQ(AnsiLength(UnpackField(PackField(c.text, c.width))), c.width);
    }
    EXPECT_EQ(UnpackField("AB  "), "AB  ");
}

TEST(AnsiText, CharacterFunctionsCountCharactersNotBytes) {
    const std::string s = "株価データ";
    EXPECT_EQ(CharCount(s), 5u);
    EXPECT_EQ(LeftChars(s, 2), "株価");
    EXPECT_EQ(MidChars(s, 3, 2), "デー");
    EXPECT_EQ(MidChars(s, 4), "ータ");
    EXPECT_EQ(RightChars(s, 1), "タ");
    EXPECT_EQ(RightChars(s, 9), s);
    EXPECT_EQ(FindChars(s, "データ"), 3u);
    EXPECT_EQ(FindChars(s, "株", 2), 0u);
    EXPECT_EQ(MidChars("ab", 5, 2), "");
}

TEST(AnsiText, TrimmingTakesHalfWidthBlanksOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(Trim("\u3000a\u3000"), "\u3000a\u3000");
    EXPECT_EQ(TrimAllBlanks("\u3000 a \u3000"), "a");
    EXPECT_EQ(Trim("   "), "");
}

TEST(AnsiText, WideAndNarrowForms) {
    struct Case {
        const char* narrow;
        const char* wide;
    } cases[] = {
        {"Ab1 ~!", "Ａｂ１\u3000～！"},
        {"ｶﾞｷﾞﾊﾟﾎﾟｳﾞ", "ガギパポヴ"},
        {"ｱｲｳｰ｡", "アイウー。"},
        {"ﾂﾞ", "ヅ"},
        {"漢字", "漢字"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToWide(c.narrow), c.wide) << c.narrow;
        EXPECT_EQ(ToNarrow(c.wide), c.narrow) << c.wide;
    }
    // A mark that cannot combine stays a mark of its own.
    EXPECT_EQ(ToWide("ｱﾞ"), "ア゛");
}

TEST(AnsiText, CaseOfNarrowAndWideLetters) {
    EXPECT_EQ(ToUpper("abzＡｂ東"), "ABZＡＢ東");
    EXPECT_EQ(ToLower("ABＣd"), "abｃd");
}

}  // namespace
}  // namespace ranvik
