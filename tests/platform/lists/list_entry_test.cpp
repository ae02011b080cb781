#include "platform/lists/list_entry.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

TEST(ListEntry, EncodesEveryFieldAtItsOffset) {
    ListEntry e;
    e.RecordNo = 0x0102;
    e.Code = "7203";
    e.StockName = "トヨタ自動車";
    e.Market = "t";
    e.Section = 1;
    e.UNI = "AB";
    e.TradingUnit = 100;
    e.Reserved = -2;

    const std::string expected = std::string("\x02\x01", 2) + "7203" +
                                 "\x83\x67\x83\x88\x83\x5E\x8E\xA9\x93\xAE\x8E\xD4" + Blanks(40) + "t" +
                                 std::string("\x01", 1) + "AB  " + std::string("\x64\x00", 2) +
                                 std::string("\xFE\xFF", 2);
    const std::string bytes = e.Encode();
    ASSERT_EQ(bytes.size(), 68u);
    EXPECT_EQ(test::Hex(bytes), test::Hex(expected));
}

TEST(ListEntry, DecodeKeepsThePaddingAndReadsTheSectionAsAnUnsignedByte) {
    std::string bytes = std::string("\x05\x00", 2) + "****" + "\x93\x8C" + Blanks(50) + " " +
                        std::string("\xC8", 1) + "    " + std::string("\x00\x00\x07\x00", 4);
    const ListEntry e = ListEntry::Decode(bytes);
    EXPECT_EQ(e.RecordNo, 5);
    EXPECT_TRUE(e.IsHeading());
    EXPECT_EQ(e.StockName, "東" + Blanks(50));
    EXPECT_EQ(e.Market, " ");
    EXPECT_EQ(e.Section, 200);
    EXPECT_EQ(e.UNI, "    ");
    EXPECT_EQ(e.TradingUnit, 0);
    EXPECT_EQ(e.Reserved, 7);
    EXPECT_EQ(e.Encode(), bytes);
}

// The name field holds 52 bytes: a longer name is cut at the last whole
// character that fits, and a double-byte character that would straddle the
// end is dropped and its place filled with a blank.
TEST(ListEntry, ALongNameIsCutOnACharacterBoundary) {
    struct Case {
        std::string name;
        std::string field;  // the 52 bytes expected
    };
    std::string wide26, wide25, wide27;
    std::string ansi26, ansi25;
    for (int i = 0; i < 27; ++i) {
        if (i < 25) wide25 += "あ", ansi25 += "\x82\xA0";
        if (i < 26) wide26 += "あ", ansi26 += "\x82\xA0";
        wide27 += "あ";
    }
    const Case cases[] = {
        {wide26, ansi26},                      // exactly 52 bytes
        {wide27, ansi26},                      // 54 bytes: the 27th character goes
        {"A" + wide26, "A" + ansi25 + " "},    // 53 bytes: the 26th would straddle byte 52
        {"ｱ" + wide26, "\xB1" + ansi25 + " "},  // a half-width katakana takes one byte
    };
    for (const auto& c : cases) {
        ListEntry e;
        e.Code = "1301";
        e.StockName = c.name;
        const std::string bytes = e.Encode();
        ASSERT_EQ(bytes.size(), 68u);
        EXPECT_EQ(test::Hex(bytes.substr(6, 52)), test::Hex(c.field)) << c.name;
        EXPECT_EQ(bytes[58], ' ') << "the market field stays untouched";
    }
}

TEST(ListEntry, OverlongCodeMarketAndUniAreCutToTheirWidths) {
    ListEntry e;
    e.Code = "123456";
    e.Market = std::string(2, 't');
    e.UNI = "ABCDEFG";
    const std::string bytes = e.Encode();
    EXPECT_EQ(bytes.substr(2, 4), "1234");
    EXPECT_EQ(bytes.substr(58, 1), "t");
    EXPECT_EQ(bytes.substr(60, 4), "ABCD");
}

TEST(ListEntry, AShortRecordReadsAsZerosPastItsEnd) {
    const ListEntry e = ListEntry::Decode(std::string("\x03\x00", 2) + "1301");
    EXPECT_EQ(e.RecordNo, 3);
    EXPECT_EQ(e.Code, "1301");
    EXPECT_EQ(e.Section, 0);
    EXPECT_EQ(e.TradingUnit, 0);
}

}  // namespace
}  // namespace ranvik
