#pragma once
// DrawTopics: one year's topics from the topics list, written from x on the
// price pane or the printed page; x and the text height are given back.
#include <cstdint>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

void DrawTopics(ChartHost& window, double& x, double& textHeight, int twoDigitYear);

}  // namespace ranvik
