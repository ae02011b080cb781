#pragma once
// What the screen and the printer backends share: the calls of the surface
// turned into device pixels and drawn with a QPainter.
//
// Lines are cut to the device first, so end points far outside the scale
// neither overflow nor cost time.  Boxes, points and lines along the axes are
// drawn on whole pixels without smoothing (both corners of a box are inside
// it, as on the original platform); slanted lines and circles are smoothed in
// copy mode only, because exclusive-or must hit exactly the same pixels twice.
#include <QColor>
#include <QPen>
#include <QRectF>

#include "platform/surface/surface.h"
#include "platform/surface/surface_font.h"

class QPainter;

namespace ranvik {

class PainterSurface : public Surface {
protected:
    PainterSurface() = default;

    // The painter to draw with, begun on the device; nullptr when the device
    // cannot be drawn on (nothing is drawn then).
    virtual QPainter* ActivePainter() = 0;
    // Device pixels per twip, the same across and down.
    virtual double DevicePerTwip() const = 0;
    // Device pixels per unit of DrawWidth, and per pixel of a dash pattern.
    virtual double PenUnit() const = 0;
    virtual double PatternUnit() const = 0;
    // The device area in pixels; drawing is cut to it.
    virtual QRectF DeviceBounds() const = 0;
    virtual bool SmoothsSlantedLines() const { return true; }
    virtual bool SupportsXor() const { return true; }
    // Called after something was drawn.
    virtual void Drawn() {}

    void DrawLine(double x1, double y1, double x2, double y2, Color color, LineKind kind) override;
    void DrawCircle(double x, double y, double radius, Color color, bool arc, double start,
                    double end) override;
    void DrawPoint(double x, double y, Color color) override;
    void DrawText(std::string_view text, double x, double y, bool newLine) override;
    TextExtent MeasureText(std::string_view text) const override;

    // The painter's pen and mode no longer known (a new painter was begun).
    void ForgetPainterState() { penValid_ = false; modeValid_ = false; smoothValid_ = false; }

private:
    struct Mapping {
        double ax, bx, ay, by;  // device = a * user + b
    };
    Mapping CurrentMapping() const;
    int PenPixels() const;
    void UseMode(QPainter& p);
    void UsePen(QPainter& p, Color color);
    void Smooth(QPainter& p, bool on);
    void DrawBox(QPainter& p, double x1, double y1, double x2, double y2, Color color, bool filled);
    void DrawSegment(QPainter& p, double x1, double y1, double x2, double y2, Color color);

    SurfaceFontCache fonts_;
    bool penValid_ = false;
    SurfaceState penState_;
    Color penColor_;
    bool modeValid_ = false;
    enum DrawMode mode_ = DrawMode::Copy;
    bool smooth_ = false;
    bool smoothValid_ = false;
};

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it
// lies inside.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, const QRectF& bounds);

}  // namespace ranvik
