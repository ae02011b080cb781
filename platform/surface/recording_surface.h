#pragma once
// The recording surface of the tests: it draws nothing and logs every call in
// user coordinates together with the state in force, so a drawer's test can
// compare the lines, boxes and texts drawn with values it works out itself.
// Texts are measured as on a screen of 96 dpi.
#include <string>
#include <vector>

#include "platform/surface/surface.h"
#include "platform/surface/surface_font.h"

namespace ranvik {

struct RecordedCall {
    enum class Kind { Line, Box, FilledBox, Circle, Arc, Point, Text, Clear, Scale };
    Kind kind = Kind::Line;
    // Line and boxes: from (x1, y1) to (x2, y2).  Circle, arc, point and
    // text: (x1, y1) is the centre, the point or the top-left corner.  Scale:
    // the corners (x1, y1)-(x2, y2) of the new scale.
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double radius = 0;
    double start = 0;  // arc angles
    double end = 0;
    double aspect = 1;  // circles drawn with an aspect
    std::string text;
    bool newLine = false;  // text that ends its line
    Color color;           // colour drawn with (the fore colour for texts)
    SurfaceState state;    // state in force
    friend bool operator==(const RecordedCall&, const RecordedCall&) = default;
};

// One line per call, for failure messages.
std::string Describe(const RecordedCall& call);

class RecordingSurface : public Surface {
public:
    // A surface of the given inner size in twips.
    explicit RecordingSurface(double widthTwips = 9000, double heightTwips = 6000);

    const std::vector<RecordedCall>& Calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<RecordedCall> CallsOf(RecordedCall::Kind kind) const;
    void ClearLog() { calls_.clear(); }
    std::string Log() const;
    void Resize(double widthTwips, double heightTwips);

protected:
    double InnerWidthTwips() const override { return width_; }
    double InnerHeightTwips() const override { return height_; }
    void DrawLine(double x1, double y1, double x2, double y2, Color color, LineKind kind) override;
    void DrawCircle(double x, double y, double radius, Color color, bool arc, double start,
                    double end) override;
    void DrawEllipse(double x, double y, double radius, Color color, double aspect) override;
    void DrawPoint(double x, double y, Color color) override;
    void DrawText(std::string_view text, double x, double y, bool newLine) override;
    void ClearAll() override;
    void ScaleChanged() override;
    TextExtent MeasureText(std::string_view text) const override;

private:
    RecordedCall& Add(RecordedCall::Kind kind, Color color);

    double width_;
    double height_;
    std::vector<RecordedCall> calls_;
    SurfaceFontCache fonts_;
};

}  // namespace ranvik
