#pragma once
// Design places and sizes of the company results window's controls, in
// twips, shared by the construction and the layout.
namespace ranvik::form7_design {

constexpr int kTitleLeft = 120;  // Label17
constexpr int kTitleTop = 60;
constexpr int kTitleHeight = 300;

constexpr int kChartLeft = 0;  // MSChart1 and MSChart2
constexpr int kChartTop = 400;  // top row of charts
constexpr int kChart1Width = 5400;
constexpr int kChartHeight = 4600;
constexpr int kChart2Width = 2600;
constexpr int kChart3Width = 4000;
constexpr int kChart4Width = 5400;
constexpr int kChart5Width = 2600;
constexpr int kLowerChartHeight = 4100;

constexpr int kFrame1Left = 120;
constexpr int kFrame1Width = 4800;
constexpr int kFrame1Height = 1400;
constexpr int kFrame2Width = 2700;
constexpr int kFrame2Height = 1000;
constexpr int kFrame3Width = 2700;
constexpr int kFrame3Height = 700;

constexpr int kGridWidth = 7150;
constexpr int kGridHeight = 2800;

}  // namespace ranvik::form7_design
