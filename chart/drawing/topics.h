#pragma once
// DrawTopics: one year's topics from the topics list, written from x on the
// price pane or the printed page, as lines across or as columns of single
// characters; x and the text height are given back as they came.
//
// The topics list "チャートNEWS.etxt" in the program folder is CP932 text: a
// line holding only a four-digit year (blanks around it allowed) starts
// that year's block, each following line that begins with "-" is one
// topic, and any other line (empty, blank-led, the list editor's end
// marker) ends the block.  Only the first block of a year is read.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chart/drawing/chart_file.h"
#include "chart/drawing/chart_host.h"

namespace ranvik {

inline constexpr std::string_view kTopicsFileName = "チャートNEWS.etxt";
inline constexpr std::string_view kMessage305 = "305, チャートNEWS.etxt が見つからない。";

// The year a caller passes, as the year line writes it: two-digit years
// below 60 are 20yy, 60 to 99 19yy; four-digit years stay.
std::string TopicYearText(int year);

// The topics of the year's first block, each without its leading "-".
std::vector<std::string> TopicsOfYear(const std::vector<std::string>& lines, std::string_view yearText);

// One cell of a vertical topic: a text printed at the column's x + 7 (x + 10
// for "く"), or one of the two arcs that stand for parentheses.
struct TopicCell {
    enum class Kind { Text, OpenArc, CloseArc };
    Kind kind = Kind::Text;
    std::string text;
    bool shifted = false;  // "く", written further right
    friend bool operator==(const TopicCell&, const TopicCell&) = default;
};
std::vector<TopicCell> VerticalCells(std::string_view topic);

// x and textHeight are in the pane's units (textHeight: the height of 100
// twips in price units); the year is two- or four-digit.  While the window
// prints, the texts go onto the printed page.  A missing list is reported
// once: the topics are switched off with the message.
void DrawTopics(ChartHost& window, double& x, double& textHeight, int twoDigitYear);

}  // namespace ranvik
