#pragma once
// The lines a drawer draws segment by segment, chained back into the lines
// the chart shows: among the plain lines of one colour, in the order drawn,
// a segment that starts where the previous one ended continues its line;
// any other starts a new one.  A test then compares whole vertex lists
// (a moving average, a band) with the points it works out.
#include <cmath>
#include <utility>
#include <vector>

#include "platform/surface/recording_surface.h"

namespace ranvik::test {

using Vertex = std::pair<double, double>;
using Polyline = std::vector<Vertex>;

inline std::vector<Polyline> ChainSegments(const std::vector<RecordedCall>& calls, Color color,
                                           double tolerance = 1e-9) {
    std::vector<Polyline> lines;
    for (const RecordedCall& call : calls) {
        if (call.kind != RecordedCall::Kind::Line || !(call.color == color)) continue;
        const bool continues = !lines.empty() && std::abs(lines.back().back().first - call.x1) <= tolerance &&
                               std::abs(lines.back().back().second - call.y1) <= tolerance;
        if (!continues) lines.push_back({{call.x1, call.y1}});
        lines.back().push_back({call.x2, call.y2});
    }
    return lines;
}

}  // namespace ranvik::test
