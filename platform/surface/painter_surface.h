#pragma once
// What the screen and the printer backends share: the calls of the surface
// turned into device pixels and drawn with a QPainter.
//
// Lines are cut to the device first, so end points far outside the scale
// neither overflow nor cost time.  Boxes, points and lines along the axes are
// drawn on whole pixels without smoothing (both corners of a box are inside
// it, as on the original platform); slanted lines and circles are smoothed in
// copy mode only, because exclusive-or must hit exactly the same pixels twice.
// Slanted lines that join end to start in the same pen (a moving average
// drawn bar by bar) are gathered and drawn as one line when something else
// comes, which is much faster and joins them cleanly.
#include <QColor>
#include <QLineF>
#include <QList>
#include <QRect>
#include <QPolygonF>
#include <QRectF>
#include <cstdint>

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
    // Texts drawn again from their shaped glyphs (a device of screen pixels;
    // a printer lays text out for its own resolution each time).
    virtual bool ReusesShapedText() const { return false; }
    // Long gathered lines of a wide pen that run left to right drawn by
    // columns and in pieces (see DrawRunningLine): a device of pixels, where
    // that is much faster and differs only in the smoothing of a few edge
    // pixels.
    virtual bool DrawsLongLinesInPieces() const { return false; }
    // Slanted lines of two points in the same thin solid pen, gathered one
    // after another with nothing else between them, drawn in one call of the
    // painter: a device of pixels, where each is drawn as it would be alone
    // and the call costs a fraction of one call a line.
    virtual bool BatchesThinLines() const { return false; }
    // Called after something was drawn.
    virtual void Drawn() {}
    // Fills whole device pixels with an opaque colour straight into the
    // device, in copy mode, cut to the device; false when the device cannot
    // be written so (the painter fills then).  Only called while the painter
    // is active and nothing gathered waits to be drawn.
    virtual bool FillPixels(const QRect& /*area*/, Color /*color*/) { return false; }
    // True while FillPixels would write (fills may then wait, see GatherFill).
    virtual bool WritesPixels() const { return false; }
    // Blends a ring far smaller than a pixel (see tiny_rings.h; centre and
    // radii in device pixels) in a smoothed solid pen of one pixel straight
    // into the device, over what it shows; false when the device cannot be
    // written so (the painter draws it then).  Only called while the painter
    // is active and nothing gathered or waiting is left to be drawn.
    virtual bool BlendTinyRing(double /*cx*/, double /*cy*/, double /*rx*/, double /*ry*/, Color /*color*/) {
        return false;
    }
    // Draws gathered lines of a one-pixel solid pen, smoothed, straight into
    // the device with the pixels the painter would write: one polyline, or
    // lines each of its own; false when the device cannot be written so (the
    // painter draws them then).  Called as FillPixels is.
    virtual bool StrokeThinPolyline(const QPointF* /*points*/, qsizetype /*count*/, Color /*color*/) {
        return false;
    }
    virtual bool StrokeThinLines(const QLineF* /*lines*/, qsizetype /*count*/, Color /*color*/) { return false; }

    void DrawLine(double x1, double y1, double x2, double y2, Color color, LineKind kind) override;
    void DrawCircle(double x, double y, double radius, Color color, bool arc, double start,
                    double end) override;
    void DrawEllipse(double x, double y, double radius, Color color, double aspect) override;
    void DrawPoint(double x, double y, Color color) override;
    void DrawText(std::string_view text, double x, double y, bool newLine) override;
    TextExtent MeasureText(std::string_view text) const override;

    void ScaleChanged() override { mappingValid_ = false; }

    // The device's size or density changed.
    void DeviceChanged() {
        mappingValid_ = false;
        for (KnownMapping& known : known_) known.valid = false;
    }
    // The painter's pen and mode no longer known (a new painter was begun).
    void ForgetPainterState() {
        penValid_ = false;
        modeValid_ = false;
        smoothValid_ = false;
        textPenValid_ = false;
        textFont_ = 0;
    }
    // Fills still waiting are not written (the device is about to be
    // cleared).
    void ForgetWaitingFills() { fillCount_ = 0; }
    // Draws the gathered lines and writes the waiting fills; before the
    // painter ends or the device is read.
    void FlushLines(QPainter& p) {
        FlushFills();
        DrawGatheredLines(p);
    }

private:
    struct Mapping {
        double ax, bx, ay, by;  // device = a * user + b
        QRectF bounds;
        QRect pixels;  // the whole pixels of bounds
        double penUnit;
        // The pixels of a pen of DrawWidth 1 and the device widened by as
        // much as it reaches out, worked out once: nearly every call draws
        // with it.
        int thinPen = 1;
        QRectF thinArea;
    };
    // Drawers that switch between two scales bar by bar (prices and volume)
    // find both mappings worked out already.
    struct KnownMapping {
        bool valid = false;
        double left, top, width, height;
        Mapping mapping;
    };
    // The state checks below are in line, and the work out of it: every
    // line and box asks them, and nearly always nothing is to be done.
    const Mapping& Map() { return mappingValid_ ? map_ : NewMapping(); }
    const Mapping& NewMapping();
    int PenPixels(int drawWidth) const { return drawWidth == 1 ? map_.thinPen : WidePenPixels(drawWidth); }
    int WidePenPixels(int drawWidth) const;
    // The device widened by as much as a pen of `pen` pixels reaches out
    // (in line: asked on every line and box).
    QRectF ReachOf(int pen) const {
        return pen == map_.thinPen ? map_.thinArea : map_.bounds.adjusted(-pen - 2, -pen - 2, pen + 2, pen + 2);
    }
    void UseMode(QPainter& p) {
        if (!modeValid_ || mode_ != State().Mode) ChangeMode(p);
    }
    void ChangeMode(QPainter& p);
    void UsePen(QPainter& p, Color color, int drawWidth, enum DrawStyle style);
    void Smooth(QPainter& p, bool on) {
        if (!smoothValid_ || smooth_ != on) ChangeSmoothing(p, on);
    }
    void ChangeSmoothing(QPainter& p, bool on);
    // A whole ring of radii rx, ry about (cx, cy) on the device, drawn
    // smoothed in copy mode: blended straight into the device when it is
    // far smaller than a pixel and the device can take it.
    bool DrewTinyRing(QPainter& p, double cx, double cy, double rx, double ry, Color color);
    void DrawBox(QPainter& p, double x1, double y1, double x2, double y2, Color color, bool filled);
    void DrawSegment(QPainter& p, double x1, double y1, double x2, double y2, Color color);
    // The gathered line is complete: it joins the batch of two-point lines
    // when it can, else the batch and then it are drawn.
    void DrawGathered(QPainter& p);
    // Draws the gathered lines but leaves the waiting fills, which the next
    // fill may still join (no line is gathered while fills wait).
    void DrawGatheredLines(QPainter& p) {
        if (!pending_.isEmpty() || !batch_.isEmpty()) DrawGathered(p);
    }
    void EndPendingLine(QPainter& p);
    void DrawBatch(QPainter& p);
    // The pen, smoothing and copy mode gathered lines are drawn in.
    void GatheredLinePen(QPainter& p, Color color, int drawWidth, enum DrawStyle style);
    // Draws the gathered line by columns and in pieces of kPiece points when
    // it runs left to right; false when it does not.
    bool DrawRunningLine(QPainter& p);
    static constexpr qsizetype kLongLine = 256;
    static constexpr qsizetype kPiece = 32;
    // A fill of whole pixels in the mode in force.
    void Fill(QPainter& p, const QRect& area, Color color);
    // Opaque fills straight into the device wait, so that one a later fill
    // covers is never written and touching fills of one colour in a row or
    // column are written as one (see GatherFill).
    void GatherFill(const QRect& area, Color color);
    void FlushFills();
    struct WaitingFill {
        QRect area;
        Color color;
    };
    static constexpr int kMostWaitingFills = 8;
    WaitingFill fills_[kMostWaitingFills];
    int fillCount_ = 0;

    SurfaceFontCache fonts_;
    Mapping map_{};
    bool mappingValid_ = false;
    KnownMapping known_[2];
    int nextKnown_ = 0;
    // The gathered slanted line and the pen it is drawn in.
    QPolygonF pending_;
    Color pendingColor_;
    int pendingWidth_ = 1;
    enum DrawStyle pendingStyle_ = DrawStyle::Solid;
    // Finished two-point lines in one thin solid pen, waiting to be drawn
    // together, in the order they came.
    QList<QLineF> batch_;
    Color batchColor_;
    int batchWidth_ = 1;
    bool penValid_ = false;
    int penWidth_ = 0;
    enum DrawStyle penStyle_ = DrawStyle::Solid;
    Color penColor_;
    bool modeValid_ = false;
    enum DrawMode mode_ = DrawMode::Copy;
    bool smooth_ = false;
    bool smoothValid_ = false;
    // The text colour and font the painter holds (font 0: none known).
    bool textPenValid_ = false;
    Color textPenColor_;
    std::uint64_t textFont_ = 0;
};

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it
// lies inside.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, const QRectF& bounds);

}  // namespace ranvik
