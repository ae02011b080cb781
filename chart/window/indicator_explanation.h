#pragma once
// The one-line explanation that a left press on the indicator pane shows
// while explanations are on: which oscillator it explains when several are
// checked, and on which side of the cursor the label stands.  Plain
// computation; the window reads its check marks and places the label.
#include <functional>
#include <optional>
#include <string>

namespace ranvik {

struct IndicatorExplanation {
    std::string text;
    // Momentum's pane runs its scale the other way round: its label goes
    // to the other side of the cursor's y.
    bool belowCursor = false;
};

// The explanation of the first checked oscillator in the order of priority;
// none while none of the eight is checked.  `checked` answers for a menu
// item's name (its element 1).
std::optional<IndicatorExplanation> ExplanationFor(const std::function<bool(const std::string&)>& checked);

// Top edge of the label in the pane's scale for a cursor at `y`, the label
// `labelHeight` high (a magnitude in the same scale).  The pane's scale runs
// upward on an upright chart and downward on an inverted one, so "above the
// cursor" is y + height upright and y - height inverted.
double ExplanationTop(double y, double labelHeight, bool inverted, bool belowCursor);

}  // namespace ranvik
