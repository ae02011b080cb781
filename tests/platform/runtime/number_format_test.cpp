#include "platform/runtime/number_format.h"

#include <gtest/gtest.h>

namespace ranvik {
namespace {

TEST(NumberFormat, EveryPatternTheWindowsUse) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {0, "#,###", ""},              {1234567, "#,###", "1,234,567"}, {-1234.5, "#,###", "-1,235"},
        {999.5, "#,###", "1,000"},     {12, "#,###", "12"},
        // No separator before a first group of three digits.
        {123, "#,###", "123"},         {123456, "#,###", "123,456"},     {-123456, "#,###", "-123,456"},
        {0, "#,###.##", "."},          {1234.567, "#,###.##", "1,234.57"}, {1234, "#,###.##", "1,234."},
        {-0.5, "#,###.##", "-.5"},
        {0, "#,##0", "0"},             {-1234, "#,##0", "-1,234"},       {0.4, "#,##0", "0"},
        {-0.4, "#,##0", "0"},          {2.5, "#,##0", "3"},
        {0, "0.##", "0."},             {2.5, "0.##", "2.5"},              {2, "0.##", "2."},
        {1.005, "0.##", "1.01"},       {-3.456, "0.##", "-3.46"},         {0.004, "0.##", "0."},
        // The value is taken to 15 significant digits first, as NumberText
        // shows it: 1.0049999999999994 shows as 1.005 and rounds up, while
        // 1.00499999999999 is below the half in 15 digits and rounds down.
        {1.0049999999999994, "0.##", "1.01"}, {1.00499999999999, "0.##", "1."},
        // "0.#0": every place up to the last "0" is shown, so 2.5 is 2.50.
        {2.5, "0.#0", "2.50"},         {2, "0.#0", "2.00"},               {2.345, "0.#0", "2.35"},
        {1.5, "0.###0", "1.5000"},     {1.23456, "0.###0", "1.2346"},
        {1234.5, "#,###.#0", "1,234.50"}, {0, "#,###.#0", ".00"},
        {2.25, "0.#", "2.3"},          {2, "0.#", "2."},                  {-0.04, "0.#", "0."},
        {0, "##", ""},                 {7, "##", "7"},                    {123, "##", "123"},
        {0, "###", ""},                {-5, "###", "-5"},                 {12.5, "###", "13"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " as " << c.pattern;
}

}  // namespace
}  // namespace ranvik
