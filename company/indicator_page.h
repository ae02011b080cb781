#pragma once
// The indicator page of the company results window: current price with its
// date and time, the market indicators, the index memberships and the
// shareholder-benefit mark, read into the texts the window shows.
#include <optional>
#include <string>

#include "collect/page_text.h"

namespace ranvik {

// What the window knows before the page is read.
struct IndicatorPageInput {
    bool maximized = true;     // the window's state decides the title's form
    std::string stockTitle;    // market label, stock name and unit text
    std::string priceLine;     // the window's PriceLine, kept unless rebuilt
    std::string savedPriceLine;
};

struct QuoteIndicators {
    // Values of the indicator panel, with " 倍" or " %" after a number.
    std::string Label15 = " -";   // PER
    std::string Label7 = " -";    // dividend yield
    std::string Label12 = " -";   // PBR
    std::string Label16 = " --";  // ROE
    std::string Label11 = " -";   // earnings yield

    std::string IndexMarks;   // " 日経平均採用", " JPX日経400採用", both or none
    std::string BenefitMark;  // "  株主優待" or empty
    std::string PriceLine;    // as given unless the price part was read
    std::string SavedPriceLine;

    // Set only when the page was read up to the title; otherwise the title
    // and the mark label stay as they are.
    std::optional<std::string> Label17;
    std::optional<std::string> Label18;  // shown after Label17 in QBColor(13)
};

// Reads the page (nullptr: the page file could not be read, which leaves
// every placeholder).  The window shows Frame1 afterwards in any case.
QuoteIndicators ParseQuoteIndicators(const PageText* page, const IndicatorPageInput& input);

}  // namespace ranvik
