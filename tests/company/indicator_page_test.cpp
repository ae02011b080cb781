#include "company/indicator_page.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/runtime/ansi_text.h"

namespace ranvik {
namespace {

using Lines = std::vector<std::string>;

// An indicator page holding every marker the reader looks for, one item a
// line, in the order the site writes them.
Lines FullPage() {
    return {
        "<html><body>",
        "<li>日経平均採用</li>",
        "<li>JPX日経400採用</li>",
        "<span>現在値</span><span>(15:00)</span>",
        "<span class=\"value now\">1,234</span>",
        "<dt>PER</dt>",
        "<dd class=\"detail_value\">12.5</dd>",
        "<dt>配当利回り</dt>",
        "<dd class=\"detail_value\">2.10</dd>",
        "<p class=\"m-stockInfo_date\">2025/03/14)</p>",
        "<dt>PBR</dt>",
        "<dd class=\"detail_value\">1.20</dd>",
        "<dt>ROE</dt>",
        "<dd class=\"detail_value\">8.50</dd>",
        "<dt>株式益回り</dt>",
        "<dd class=\"detail_value\">6.00</dd>",
        "<th>株主優待</th>",
        "<span class=\"m-stockInfo_detail_unit\">",
        "<span>あり</span>",
        "</body></html>",
    };
}

std::string Bytes(const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).append("\r\n");
    return bytes;
}

void Replace(Lines& lines, const std::string& from, const Lines& to) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != from) continue;
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), to.begin(), to.end());
        return;
    }
    ADD_FAILURE() << "no line " << from;
}

IndicatorPageInput Input() {
    IndicatorPageInput input;
    input.maximized = true;
    input.stockTitle = "<東証>テスト工業100株";
    input.priceLine = "";
    input.savedPriceLine = " old";
    return input;
}

const std::string kPriceLine = " 2025/03/14 15:00 株価：1,234";

TEST(IndicatorPageTest, EachBehaviourOnItsOwnPage) {
    struct Case {
        const char* name;
        std::function<void(Lines&)> edit;
        QuoteIndicators expected;
    };
    QuoteIndicators full;
    full.Label15 = "12.5 倍";
    full.Label7 = "2.10 %";
    full.Label12 = "1.20 倍";
    full.Label16 = "8.50 %";
    full.Label11 = "6.00 %";
    full.IndexMarks = " 日経平均採用 JPX日経400採用";
    full.BenefitMark = "  株主優待";
    full.PriceLine = full.SavedPriceLine = kPriceLine;
    full.Label17 = "<東証>テスト工業100株" + kPriceLine;
    full.Label18 = "  株主優待 日経平均採用 JPX日経400採用";

    const auto with = [&](const std::function<void(QuoteIndicators&)>& change) {
        QuoteIndicators q = full;
        change(q);
        if (q.Label17) q.Label18 = q.BenefitMark + q.IndexMarks;
        return q;
    };
    const Case cases[] = {
        {"both indices and benefits", [](Lines&) {}, full},
        {"the JPX mark first ends the scan there",
         [](Lines& l) { std::swap(l[1], l[2]); },
         with([](QuoteIndicators& q) { q.IndexMarks = " JPX日経400採用"; })},
        {"no JPX mark: the page is read again from the top",
         [](Lines& l) { l[2] = "<li>JPX日経400</li>"; },
         with([](QuoteIndicators& q) { q.IndexMarks = " 日経平均採用"; })},
        {"no index mark",
         [](Lines& l) { l[1] = l[2] = "<li></li>"; },
         with([](QuoteIndicators& q) { q.IndexMarks = ""; })},
        {"benefit line saying 無",
         [](Lines& l) { Replace(l, "<span>あり</span>", {"<span>無</span>"}); },
         with([](QuoteIndicators& q) { q.BenefitMark = ""; })},
        {"benefit unit and value on one line",
         [](Lines& l) {
             Replace(l, "<span class=\"m-stockInfo_detail_unit\">", {"<span class=\"m-stockInfo_detail_unit\">無し</span>"});
         },
         with([](QuoteIndicators& q) { q.BenefitMark = ""; })},
        {"no benefit row",
         [](Lines& l) { Replace(l, "<th>株主優待</th>", {"<th>株主優遇</th>"}); },
         with([](QuoteIndicators& q) { q.BenefitMark = ""; })},
        {"PER on the line after its detail_value",
         [](Lines& l) { Replace(l, "<dd class=\"detail_value\">12.5</dd>", {"<dd class=\"detail_value\">", "   12.5  </dd>"}); },
         full},
        {"values that are not numbers keep no unit",
         [](Lines& l) {
             Replace(l, "<dd class=\"detail_value\">12.5</dd>", {"<dd class=\"detail_value\">---</dd>"});
             Replace(l, "<dd class=\"detail_value\">8.50</dd>", {"<dd class=\"detail_value\">－</dd>"});
         },
         with([](QuoteIndicators& q) {
             q.Label15 = "---";
             q.Label16 = "－";
         })},
        {"a date ending in a digit keeps it",
         [](Lines& l) { Replace(l, "<p class=\"m-stockInfo_date\">2025/03/14)</p>", {"<p class=\"m-stockInfo_date\">2025/03/14</p>"}); },
         full},
        {"no 現在値: no price line, PER or yield; PBR and on read from the top",
         [](Lines& l) { Replace(l, "<span>現在値</span><span>(15:00)</span>", {"<span>終値</span>"}); },
         with([](QuoteIndicators& q) {
             q.Label15 = q.Label7 = " -";
             q.PriceLine = "";
             q.SavedPriceLine = " old";
             q.Label17 = "<東証>テスト工業100株";
         })},
        {"no PBR: the rest keep their placeholders and the title is not set",
         [](Lines& l) { Replace(l, "<dt>PBR</dt>", {"<dt>P/B</dt>"}); },
         with([](QuoteIndicators& q) {
             q.Label12 = q.Label11 = " -";
             q.Label16 = " --";
             q.BenefitMark = "";
             q.Label17.reset();
             q.Label18.reset();
         })},
        {"no 配当利回り: its search reads to the page's end, leaving no date and no PBR",
         [](Lines& l) { Replace(l, "<dt>配当利回り</dt>", {"<dt>配当</dt>"}); },
         with([](QuoteIndicators& q) {
             q.Label7 = q.Label12 = q.Label11 = " -";
             q.Label16 = " --";
             q.BenefitMark = "";
             q.PriceLine = q.SavedPriceLine = " 15:00 株価：1,234";
             q.Label17.reset();
             q.Label18.reset();
         })},
    };
    for (const Case& c : cases) {
        Lines lines = FullPage();
        c.edit(lines);
        const PageText page(Bytes(lines));
        QuoteIndicators q = ParseQuoteIndicators(&page, Input());
        EXPECT_EQ(q.Label15, c.expected.Label15) << c.name;
        EXPECT_EQ(q.Label7, c.expected.Label7) << c.name;
        EXPECT_EQ(q.Label12, c.expected.Label12) << c.name;
        EXPECT_EQ(q.Label16, c.expected.Label16) << c.name;
        EXPECT_EQ(q.Label11, c.expected.Label11) << c.name;
        EXPECT_EQ(q.IndexMarks, c.expected.IndexMarks) << c.name;
        EXPECT_EQ(q.BenefitMark, c.expected.BenefitMark) << c.name;
        EXPECT_EQ(q.PriceLine, c.expected.PriceLine) << c.name;
        EXPECT_EQ(q.SavedPriceLine, c.expected.SavedPriceLine) << c.name;
        EXPECT_EQ(q.Label17, c.expected.Label17) << c.name;
        EXPECT_EQ(q.Label18, c.expected.Label18) << c.name;
    }
}

TEST(IndicatorPageTest, TheTitleOfAWindowInItsNormalStateIsThePriceLineAlone) {
    const PageText page(Bytes(FullPage()));
    IndicatorPageInput input = Input();
    input.maximized = false;
    EXPECT_EQ(ParseQuoteIndicators(&page, input).Label17, kPriceLine);
}

TEST(IndicatorPageTest, AMissingPageOrOneInAnotherCodePageLeavesThePlaceholders) {
    const QuoteIndicators none = ParseQuoteIndicators(nullptr, Input());
    EXPECT_EQ(none.Label15, " -");
    EXPECT_EQ(none.Label16, " --");
    EXPECT_EQ(none.SavedPriceLine, " old");
    EXPECT_FALSE(none.Label17.has_value());

    // In Shift-JIS only the ASCII row names are found: PBR and ROE, no
    // Japanese marker, no price.
    const PageText sjis(ToAnsi(Bytes(FullPage())));
    const QuoteIndicators q = ParseQuoteIndicators(&sjis, Input());
    EXPECT_EQ(q.Label15, " -");
    EXPECT_EQ(q.Label7, " -");
    EXPECT_EQ(q.Label12, "1.20 倍");
    EXPECT_EQ(q.Label16, "8.50 %");
    EXPECT_EQ(q.Label11, " -");
    EXPECT_EQ(q.IndexMarks, "");
    EXPECT_EQ(q.BenefitMark, "");
    EXPECT_EQ(q.PriceLine, "");
}

TEST(IndicatorPageTest, APageCutAnywhereIsReadWithoutFailing) {
    const std::string bytes = Bytes(FullPage());
    for (std::size_t size = 0; size <= bytes.size(); ++size) {
        const PageText page(bytes.substr(0, size));
        const QuoteIndicators q = ParseQuoteIndicators(&page, Input());
        if (q.Label17) {
            EXPECT_EQ(*q.Label18, q.BenefitMark + q.IndexMarks) << size;
        }
    }
    // A page cut inside the PER value with nothing after it keeps the
    // placeholder.
    const std::string cut = bytes.substr(0, bytes.find("12.5") + 2);
    const PageText page(cut);
    EXPECT_EQ(ParseQuoteIndicators(&page, Input()).Label15, " -");
}

}  // namespace
}  // namespace ranvik
