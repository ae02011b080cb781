#pragma once
// The screen surface: a widget that keeps everything drawn on it in an image
// of the screen's own pixels and repaints from that image, so a covered or
// resized pane shows its drawing again without the drawers running (the
// original's persistent drawing), and lines stay sharp on high-density
// screens.  Its size in twips is its size in pixels at 96 dpi times 15.
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "platform/surface/painter_surface.h"
#include "platform/surface/thin_lines.h"

namespace ranvik {

class ScreenSurface : public QWidget, public PainterSurface {
public:
    explicit ScreenSurface(QWidget* parent = nullptr);
    ~ScreenSurface() override;

    // The drawing as it stands, one pixel of the image per device pixel.
    QImage Image();
    bool SavePng(const std::string& path);
    // Shows what was drawn now instead of at the next repaint.
    void Refresh();

    // Device pixels per pixel of 96 dpi: the screen's own ratio unless one was
    // fixed (drawing to an image of a chosen density); 0 follows the screen.
    void SetPixelRatio(double ratio);
    double PixelRatio() const;

    // Pixels of 96 dpi from the widget's top-left corner to the scale in
    // force and back (mouse positions).
    double PixelToUserX(double px) const { return FromTwipsX(px * 15); }
    double PixelToUserY(double px) const { return FromTwipsY(px * 15); }

protected:
    void paintEvent(QPaintEvent* event) override;

    double InnerWidthTwips() const override { return width() * 15.0; }
    double InnerHeightTwips() const override { return height() * 15.0; }
    QPainter* ActivePainter() override;
    double DevicePerTwip() const override { return imageRatio_ / 15.0; }
    double PenUnit() const override { return imageRatio_; }
    double PatternUnit() const override { return imageRatio_; }
    QRectF DeviceBounds() const override;
    void Drawn() override;
    bool FillPixels(const QRect& area, Color color) override;
    bool WritesPixels() const override { return pixels_ != nullptr; }
    bool BlendTinyRing(double cx, double cy, double rx, double ry, Color color) override;
    bool StrokeThinPolyline(const QPointF* points, qsizetype count, Color color) override;
    bool StrokeThinLines(const QLineF* lines, qsizetype count, Color color) override;
    bool ReusesShapedText() const override { return true; }
    bool DrawsLongLinesInPieces() const override { return true; }
    bool BatchesThinLines() const override { return true; }
    void ClearAll() override;

private:
    // Makes the image fit the widget's size and ratio, keeping the drawing.
    void FitImage();
    void EndPainting();

    QImage image_;  // device pixels
    double imageRatio_ = 1;
    QSize fittedSize_;  // the widget's size the image was made for
    std::unique_ptr<QPainter> painter_;
    // The image's pixels while the painter is active (the image is not
    // shared then, so writing them needs no copy).
    uchar* pixels_ = nullptr;
    // Thin lines written into those pixels (see ThinLinePixels), while they
    // can be written.
    std::optional<ThinLinePixels> thinLines_;
    double fixedRatio_ = 0;
    bool updatePending_ = false;
};

}  // namespace ranvik
