#include "collect/quote_number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "platform/runtime/values.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

TEST(QuoteNumber, NormalizeRewritesPageNumbersAndRefusesOtherTexts) {
    test::FixedClock clock({2024, 5, 10});
    const struct {
        const char* input;
        const char* result;
        bool number;
    } cases[] = {
        {"1,234", "1234", true},  // longer than 4: separators go
        {"1,234.5", "1234.5", true},
        {"12.50", "12.5", true},
        {"100.0", "100", true},
        {"123,456.78", "123456.8", true},  // seven significant digits
        {"9,999,999.4", "9999999", true},
        {"9,999,999.5", "1E+07", true},  // rounds up to ten million
        {"25,000,000.5", "2.5E+07", true},
        {"0.123456789", "0.1234568", true},
        {"123", "123", true},  // at most 4 characters: as written
        {"1,23", "1,23", true},
        {"-1.5", "-1.5", true},
        {"+12", "+12", true},
        {"5", "5", true},
        {"-1,234", "-1234", true},  // minus marks
        {"▲1,234", "-1234", true},
        {"△12", "-12", true},
        {"−5", "-5", true},
        {"－1,234.5", "-1234.5", true},
        {"▲ 12", "-12", true},
        {"---", "---", false},  // not numbers: unchanged
        {"", "", false},
        {"・", "・", false},  // no longer a mark that makes up a negative code
        {"・1", "・1", false},
        {"12・345", "12・345", false},
        {"・1,234", "・1,234", false},
        {"▲", "▲", false},
        {"▲-5", "▲-5", false},
        {"1,234円", "1,234円", false},
        {"+", "+", false},
    };
    for (const auto& c : cases) {
        std::string text = c.input;
        EXPECT_EQ(NormalizeQuoteNumber(text), c.number) << c.input;
        EXPECT_EQ(text, c.result) << c.input;
    }
}

// The normaliser tests ASCII texts without the platform's narrowing; it must
// accept exactly what the platform's numeric test accepts (a leading "-" is
// a minus mark and is left out here).
TEST(QuoteNumber, TheNumericTestAgreesWithThePlatformsOnAsciiTexts) {
    test::FixedClock clock({2024, 5, 10});
    const std::string alphabet = "0123456789+-.,EeDd x";
    std::uint32_t seed = 12345;
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        seed = seed * 1103515245u + 12345u;
        const std::size_t length = (seed >> 16) % 7;
        for (std::size_t k = 0; k < length; ++k) {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[(seed >> 16) % alphabet.size()];
        }
        if (text.find_first_not_of(' ') != std::string::npos && text[text.find_first_not_of(' ')] == '-') continue;
        std::string plain;
        for (char c : text)
            if (c != ',') plain += c;
        if (std::fabs(Val(plain)) > FLT_MAX) continue;  // a number, but not one a single holds
        std::string copy = text;
        ASSERT_EQ(NormalizeQuoteNumber(copy), IsNumeric(text)) << "\"" << text << "\"";
    }
}

TEST(QuoteNumber, QuoteValueConvertsNormalisedTextsToSingles) {
    test::FixedClock clock({2024, 5, 10});
    EXPECT_EQ(QuoteValue("1234"), 1234.0f);
    EXPECT_EQ(QuoteValue("1,23"), 123.0f);
    EXPECT_EQ(QuoteValue("2.5E+07"), 25000000.0f);
    EXPECT_EQ(QuoteValue("-12"), -12.0f);
    EXPECT_EQ(QuoteValue("１２３"), 123.0f);
    EXPECT_EQ(QuoteValue("1230.25"), 1230.25f);
    EXPECT_FALSE(QuoteValue("---").has_value());
    EXPECT_FALSE(QuoteValue("").has_value());
    EXPECT_FALSE(QuoteValue("1E+39").has_value());  // beyond a single
}

}  // namespace
}  // namespace ranvik
