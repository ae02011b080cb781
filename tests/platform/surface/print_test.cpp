// Text at the current position: the two forms of Print, numbers as the
// original prints them, and text sizes in the scale in force.
#include <gtest/gtest.h>

#include "platform/surface/recording_surface.h"

namespace ranvik {
namespace {

using Kind = RecordedCall::Kind;

TEST(SurfacePrint, NumbersGetASignPlaceAndATrailingBlank) {
    RecordingSurface s;
    s.PrintNumber(12);
    s.PrintNumber(-3.5);
    s.PrintNumber(0.5);
    s.PrintNumber(0);
    s.PrintNumber(1234567.0f);
    const auto texts = s.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, " 12 ");
    EXPECT_EQ(texts[1].text, "-3.5 ");
    EXPECT_EQ(texts[2].text, " .5 ");
    EXPECT_EQ(texts[3].text, " 0 ");
    EXPECT_EQ(texts[4].text, " 1234567 ");
}

TEST(SurfacePrint, TextHeightIsOneLineOfTheFontInTwips) {
    RecordingSurface s;
    // 9 points at 96 dpi are 12 pixels, 180 twips; 10 points 13 pixels.
    EXPECT_DOUBLE_EQ(s.TextHeight(), 180);
    EXPECT_DOUBLE_EQ(s.TextHeight("日本"), 180);
    s.SetFontSize(10);
    EXPECT_DOUBLE_EQ(s.TextHeight(), 195);
    // Full-width characters take one em, half-width katakana half of one.
    EXPECT_NEAR(s.TextWidth("日本"), 2 * 195, 1);
    EXPECT_NEAR(s.TextWidth("ｶﾀ"), 195, 15);
}

TEST(SurfacePrint, TextSizesFollowTheScaleAndItsSigns) {
    RecordingSurface s(7000, 3000);
    const double w = s.TextWidth("Price 123");
    const double h = s.TextHeight();
    s.Scale(0, 1200, 70, 1000);  // 100 twips per x unit, 15 twips per y unit, y up
    EXPECT_DOUBLE_EQ(s.TextWidth("Price 123"), w / 100);
    EXPECT_DOUBLE_EQ(s.TextHeight(), -h / 15);
    s.Scale(70, 1000, 0, 1200);  // both inverted
    EXPECT_DOUBLE_EQ(s.TextWidth("Price 123"), -w / 100);
    EXPECT_DOUBLE_EQ(s.TextHeight(), h / 15);
}

TEST(SurfacePrint, PositionAfterEachFormOfPrint) {
    RecordingSurface s(7000, 3000);
    s.Scale(-10, 1200, 60, 1000);
    s.SetCurrentX(5);
    s.SetCurrentY(1150);
    const double w = s.TextWidth("信用売残");
    s.Print("信用売残", PrintEnd::SameLine);
    EXPECT_DOUBLE_EQ(s.CurrentX(), 5 + w);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 1150);
    s.Print(" 信用買残", PrintEnd::SameLine);
    s.Print("end");
    // Ending the line: back to the left edge of the scale, one line lower
    // (lower means a smaller y while y runs upward).
    EXPECT_DOUBLE_EQ(s.CurrentX(), -10);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 1150 + s.TextHeight());
    EXPECT_LT(s.CurrentY(), 1150);

    const auto texts = s.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_DOUBLE_EQ(texts[0].x1, 5);
    EXPECT_DOUBLE_EQ(texts[1].x1, 5 + w);
    EXPECT_DOUBLE_EQ(texts[2].x1, 5 + w + s.TextWidth(" 信用買残"));
    EXPECT_FALSE(texts[1].newLine);
    EXPECT_TRUE(texts[2].newLine);
    for (const auto& t : texts) EXPECT_EQ(t.y1, 1150);
}

TEST(SurfacePrint, PrintedLinesFollowOneAnother) {
    RecordingSurface s;
    s.SetCurrentX(300);
    s.SetCurrentY(100);
    s.Print("一行目");
    s.SetCurrentX(300);
    s.Print("二行目");
    const auto texts = s.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_DOUBLE_EQ(texts[1].y1, 100 + 180);
    EXPECT_DOUBLE_EQ(s.CurrentY(), 100 + 360);
}

TEST(SurfacePrint, RecordsTheFontInForce) {
    RecordingSurface s;
    s.SetForeColor(QBColor(13));
    s.SetFontName("ＭＳ Ｐゴシック");
    s.SetFontSize(11);
    s.SetFontBold(true);
    s.Print("ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ");
    s.SetFontSize(0);  // ignored
    EXPECT_EQ(s.FontSize(), 11);
    const auto texts = s.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(Describe(texts[0]),
              "Print (0,0) \"ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ\" RGB(255,0,255) width 1 style 0 copy font ＭＳ Ｐゴシック 11 bold");
}

}  // namespace
}  // namespace ranvik
