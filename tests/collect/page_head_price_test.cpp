#include "collect/page_head_price.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(PageHeadPriceTest, FirstPriceLikeTextAfterTheMarker) {
    const struct {
        std::vector<std::string> lines;
        const char* price;
    } cases[] = {
        {{"<title>38,500</title>", "<div><span class=\"p\">38,123.45</span></div>"}, "38,123.45"},
        // Texts before the marker on its line do not count.
        {{"<b>123</b><span class=\"p\">456</span>"}, "456"},
        // One character, four characters (a year) and words are passed over.
        {{"<span class=\"x\">7</span><i>2024</i><i>円</i><i>-12.5</i>"}, "-12.5"},
        {{"<span class=\"x\">abc</span><em>---</em>"}, "---"},
        // "---" counts only right before a closing tag.
        {{"<span class=\"x\">---<br>1,000</span>"}, "1,000"},
        // No "<" after a ">": the scan ends without a price.
        {{"<span class=\"x\">ab", "<span class=\"y\">500</span>"}, ""},
        {{"<span class=\"x\">ab</span>"}, ""},
        {{"<div>1,000</div>"}, ""},
        // A year, then a price with a thousands separator: the price.
        {{"<span class=\"y\">2024</span><span>12,345</span>"}, "12,345"},
        // Element texts of single characters only: no price.
        {{"<span class=\"a\">1</span><b>2</b><i>-</i><u></u>"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(PageHeadPrice(c.lines), c.price) << c.lines.size();
}

TEST(PageHeadPriceTest, APageFileIsReadLineByLine) {
    test::TempFolder dir;
    test::WriteBytes(dir.File("head.htm"), "<html>\r\n<span class=\"p\">2,500</span>\r\n");
    EXPECT_EQ(PageHeadPriceOf(dir.File("head.htm")), "2,500");
    EXPECT_EQ(PageHeadPriceOf(dir.File("none.htm")), "");
}

}  // namespace
}  // namespace ranvik
