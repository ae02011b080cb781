#pragma once
// The drawing surface of the chart panes and the printed page: a user scale,
// a current position, lines, boxes, circles, points and text, drawn with the
// pen, mode and font in force.  Drawers call only this interface; the screen,
// printer and recording backends decide what a call becomes.
//
// Coordinates are user coordinates of the scale in force.  A surface that was
// never scaled works in twips (1440 to the inch, 15 to a pixel of the screen
// at 96 dpi) from its top-left corner.
#include <concepts>
#include <functional>
#include <string>
#include <string_view>

#include "platform/color/color.h"

namespace ranvik {

enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };
// The two pen modes the charts use: copy paints the pen's colour, exclusive-or
// combines it with what lies below, so drawing the same thing twice removes it.
enum class DrawMode { Xor = 7, Copy = 13 };
// Line (x1, y1)-(x2, y2): a plain line, the outline of the box the two points
// span (B), or that box filled with the line's colour (BF).
enum class LineKind { Plain, Box, FilledBox };
// Print either ends the text line (the position moves to the left edge of the
// next line) or continues it (the position moves right by the text's width).
enum class PrintEnd { NewLine, SameLine };

// Everything that decides how a call looks, apart from its coordinates.
struct SurfaceState {
    Color ForeColor = QBColor(0);
    Color BackColor = QBColor(15);
    int DrawWidth = 1;  // in device pixels
    DrawStyle Style = DrawStyle::Solid;
    DrawMode Mode = DrawMode::Copy;
    std::string FontName = "ＭＳ Ｐゴシック";
    double FontSize = 9;  // points
    bool FontBold = false;
    friend bool operator==(const SurfaceState&, const SurfaceState&) = default;
};

// Size of a text in twips.
struct TextExtent {
    double width = 0;
    double height = 0;
};

class Surface {
public:
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface();

    // Outer size in twips.
    double Width() const { return OuterWidthTwips(); }
    double Height() const { return OuterHeightTwips(); }

    // Scale (x1, y1)-(x2, y2): (x1, y1) becomes the top-left corner and
    // (x2, y2) the bottom-right one; y2 < y1 makes y run upward.  A scale of
    // no width or height (or not a finite number) is refused: false, and the
    // scale in force stays.  Only later calls are affected.
    bool Scale(double x1, double y1, double x2, double y2);
    // Scale with no arguments: back to twips from the top-left corner.
    void ScaleToTwips();
    bool IsUserScale() const { return userScale_; }
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;
    // One property at a time; the others keep their values (a surface in
    // twips keeps its twips values for them).  Width and height 0 are refused.
    bool SetScaleLeft(double value);
    bool SetScaleTop(double value);
    bool SetScaleWidth(double value);
    bool SetScaleHeight(double value);

    // Conversions between the scale in force and twips from the top-left
    // corner (for mouse positions and for drawers that place by twips).
    double ToTwipsX(double x) const;
    double ToTwipsY(double y) const;
    double FromTwipsX(double twips) const;
    double FromTwipsY(double twips) const;

    // Line from (x1, y1) to (x2, y2) in the fore colour or in the colour
    // given; the current position moves to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, LineKind kind = LineKind::Plain);
    void Line(double x1, double y1, double x2, double y2, Color color,
              LineKind kind = LineKind::Plain);
    // Line -(x2, y2): from the current position.
    void LineTo(double x2, double y2, LineKind kind = LineKind::Plain);
    void LineTo(double x2, double y2, Color color, LineKind kind = LineKind::Plain);
    // Circle with centre (x, y) and a radius in x units, round on the device
    // whatever the scale; an arc from start to end angle (radians, counter-
    // clockwise as seen, 0 at three o'clock; a negative angle also draws the
    // radius to that end).  Angles beyond one turn are refused (nothing drawn).
    // The current position moves to the centre.
    void Circle(double x, double y, double radius);
    void Circle(double x, double y, double radius, Color color);
    void Circle(double x, double y, double radius, Color color, double start, double end);
    // An ellipse: aspect is its height over its width as seen (its sign is
    // ignored).  Below 1 the radius is the horizontal one, above 1 the
    // vertical one, both measured in x units.  An aspect of 0 or not a finite
    // number draws nothing.  The current position moves to the centre.
    void Circle(double x, double y, double radius, Color color, double aspect);
    // One point in the pen's width; the current position moves there.
    void PSet(double x, double y);
    void PSet(double x, double y, Color color);
    // Clears to the back colour; the current position goes to (0, 0); the
    // scale is kept.
    void Cls();

    // Text with its top-left corner at the current position.
    void Print(std::string_view text, PrintEnd end = PrintEnd::NewLine);
    // A number as the original prints one: a blank in place of the sign of a
    // number that is not negative, the digits, a trailing blank (" 12 ").
    void PrintNumber(double value, PrintEnd end = PrintEnd::NewLine);
    void PrintNumber(float value, PrintEnd end = PrintEnd::NewLine);
    template <std::integral T>
    void PrintNumber(T value, PrintEnd end = PrintEnd::NewLine) {
        PrintNumber(static_cast<double>(value), end);
    }
    // Width and height of a text in the current font, in units of the scale
    // in force (signed like ScaleWidth and ScaleHeight, so that adding them to
    // the current position moves right and down).  The height of an empty
    // text is one line.
    double TextWidth(std::string_view text) const;
    double TextHeight(std::string_view text = {}) const;

    // State.
    const SurfaceState& State() const { return state_; }
    Color ForeColor() const { return state_.ForeColor; }
    void SetForeColor(Color color) { state_.ForeColor = color; }
    Color BackColor() const { return state_.BackColor; }
    // As on the original picture boxes, a new back colour clears the drawing.
    void SetBackColor(Color color);
    // Called after every clear (Cls, a new back colour): an owner that keeps
    // track of what lies on the surface (exclusive-or lines) forgets it.
    void SetClearedHook(std::function<void()> hook) { clearedHook_ = std::move(hook); }
    int DrawWidth() const { return state_.DrawWidth; }
    // Widths below 1 count as 1.
    void SetDrawWidth(int width) { state_.DrawWidth = width < 1 ? 1 : width; }
    // Dashes and dots need a pen of width 1: wider pens draw every style solid,
    // as the original platform did.
    enum DrawStyle DrawStyle() const { return state_.Style; }
    void SetDrawStyle(enum DrawStyle style) { state_.Style = style; }
    enum DrawMode DrawMode() const { return state_.Mode; }
    void SetDrawMode(enum DrawMode mode) { state_.Mode = mode; }
    const std::string& FontName() const { return state_.FontName; }
    void SetFontName(std::string_view name) { state_.FontName = std::string(name); }
    double FontSize() const { return state_.FontSize; }
    // Sizes of 0 or less are ignored.
    void SetFontSize(double points) {
        if (points > 0) state_.FontSize = points;
    }
    bool FontBold() const { return state_.FontBold; }
    void SetFontBold(bool bold) { state_.FontBold = bold; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

protected:
    Surface() = default;

    // Inner size in twips (what the scale spans) and outer size in twips.
    virtual double InnerWidthTwips() const = 0;
    virtual double InnerHeightTwips() const = 0;
    virtual double OuterWidthTwips() const { return InnerWidthTwips(); }
    virtual double OuterHeightTwips() const { return InnerHeightTwips(); }

    // What each call becomes, in user coordinates of the scale in force; the
    // state in force is State().
    virtual void DrawLine(double x1, double y1, double x2, double y2, Color color, LineKind kind) = 0;
    virtual void DrawCircle(double x, double y, double radius, Color color, bool arc,
                            double start, double end) = 0;
    virtual void DrawPoint(double x, double y, Color color) = 0;
    // The ellipse of Circle with an aspect (above 0); a backend that draws no
    // ellipses draws the circle of the radius.
    virtual void DrawEllipse(double x, double y, double radius, Color color, double aspect);
    virtual void DrawText(std::string_view text, double x, double y, bool newLine) = 0;
    virtual void ClearAll() = 0;
    virtual void ScaleChanged() {}
    // Size of a text in twips in the font of State().
    virtual TextExtent MeasureText(std::string_view text) const = 0;

private:
    void ResolveScale();
    double ScaleFactorX() const;  // twips per user unit
    double ScaleFactorY() const;

    SurfaceState state_;
    std::function<void()> clearedHook_;
    double currentX_ = 0;
    double currentY_ = 0;
    bool userScale_ = false;
    double left_ = 0;
    double top_ = 0;
    double width_ = 1;
    double height_ = 1;
};

}  // namespace ranvik
