#include "chart/window/indicator_explanation.h"

#include <initializer_list>

namespace ranvik {

namespace {

struct Row {
    std::initializer_list<const char*> items;
    const char* text;
};

const Row kRows[] = {
    {{"mnuRSI", "mnuストキャス", "mnuKairiRitsu"}, "買われすぎ、売られすぎを示す. 逆張りで売買を仕掛ける"},
    {{"mnu2LineKairiRitsu"}, "+-15 % で売買のタイミング"},
    {{"mnuRCI"}, "上がり始め、下がり始めの時期とタイミングを捉える"},
    {{"mnuモメンタム"}, "相場の勢いやはずみを示す. 勢いに乗って買う."},
    {{"mnuPerOscillator"}, "現在の株価水準が売り時(２０％以下)か買い時(８０％以上)かを示す."},
    {{"mnuMACD"}, "トレンドの転換や勢いを示す"},
    {{"mnuVector"}, "一定期間の株価の動きの転換点を捉える(+-15% が天井・底値の目安)"},
    {{"mnuOBV"}, "売買エネルギー蓄積を示す"},
};

}  // namespace

std::optional<IndicatorExplanation> ExplanationFor(const std::function<bool(const std::string&)>& checked) {
    for (const Row& row : kRows) {
        for (const char* item : row.items) {
            if (checked(item)) return IndicatorExplanation{row.text, std::string(item) == "mnuモメンタム"};
        }
    }
    return std::nullopt;
}

double ExplanationTop(double y, double labelHeight, bool inverted, bool belowCursor) {
    const bool up = inverted ? belowCursor : !belowCursor;
    return up ? y + labelHeight : y - labelHeight;
}

}  // namespace ranvik
