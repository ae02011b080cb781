// The topics list on a file of any bytes: one year's topics (a two- or a
// four-digit year) drawn across or down the price pane or the printed page,
// upright or on an inverted chart.  Drawing only reads the list, gives x
// and the text height back as they came, and writes across the pane exactly
// the topic lines of the year's first block.
#include <algorithm>

#include "chart/drawing/topics.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"
#include "tests/fuzz/chart_host.h"

namespace {

// The list's lines, decoded, each line ending at CR LF, a lone CR or a lone
// LF, worked out here apart from the program's reading.
std::vector<std::string> Lines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        lines.push_back(ranvik::FromAnsi(bytes.substr(start, end - start)));
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

// The year's first block: the lines that begin with "-" after the first
// line that holds only the year, blanks around it allowed.
std::vector<std::string> ExpectedTopics(const std::vector<std::string>& lines, const std::string& year) {
    std::vector<std::string> topics;
    auto line = std::find_if(lines.begin(), lines.end(), [&year](const std::string& l) {
        const std::size_t first = l.find_first_not_of(' ');
        const std::size_t last = l.find_last_not_of(' ');
        return first != std::string::npos && l.substr(first, last - first + 1) == year;
    });
    if (line == lines.end()) return topics;
    for (++line; line != lines.end() && !line->empty() && line->front() == '-'; ++line) topics.push_back(line->substr(1));
    return topics;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginChartRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    const std::string path = fuzz::FileIn(kTopicsFileName);
    fuzz::WriteFile(path, bytes);
    const fuzz::FolderFiles before = fuzz::FolderSnapshot();
    fuzz::FuzzChartHost window;
    const bool across = (options & 1) == 0;
    const bool printing = (options & 2) != 0;
    window.SetItem("mnuTopicsDisp", across ? 1 : 2, true);
    window.fields.PrintingNow = printing ? kTrue : 0;
    window.fields.InvertedChart = (options & 4) != 0 ? kTrue : 0;
    window.fields.PriceTop = 3000;
    window.fields.PriceBottom = 0;
    const int year = (options & 8) != 0 ? 2000 + (options >> 4) : (options >> 4) + 20;
    double x = 100;
    double textHeight = 40;
    DrawTopics(window, x, textHeight, year);
    fuzz::Check(x == 100 && textHeight == 40, "x and the text height come back as they went");
    if (across && !printing) {
        const std::vector<std::string> topics = ExpectedTopics(Lines(bytes), TopicYearText(year));
        std::vector<std::string> written;
        for (const RecordedCall& c : window.price.CallsOf(RecordedCall::Kind::Text)) written.push_back(c.text);
        fuzz::Check(written == topics, "the pane shows the topics of the year's first block, in order");
    }
    fuzz::CheckFolderKept(before, {});
    return 0;
}
