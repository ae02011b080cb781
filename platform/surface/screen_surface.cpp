#include "platform/surface/screen_surface.h"

#include <QPaintEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "platform/color/qt_color.h"
#include "platform/surface/tiny_rings.h"

namespace ranvik {

namespace {

// A pane drawn down its columns (wicks, volume boxes, steep lines) touches
// a new row, and so a new page of memory, at every pixel; on pages of 2 MB
// the processor keeps every row of a screen-sized image in reach, which
// makes a long chart's redraw several per cent faster.  Small images keep
// the painter's own memory.
#if defined(__linux__)
constexpr std::size_t kLargePage = std::size_t{2} << 20;
void FreePixels(void* data) { std::free(data); }
#endif

QImage NewImage(const QSize& size) {
#if defined(__linux__)
    const qsizetype line = qsizetype{size.width()} * 4;
    const std::size_t used = static_cast<std::size_t>(line) * static_cast<std::size_t>(size.height());
    if (used >= kLargePage) {
        const std::size_t bytes = (used + kLargePage - 1) / kLargePage * kLargePage;
        if (void* data = std::aligned_alloc(kLargePage, bytes)) {
            madvise(data, bytes, MADV_HUGEPAGE);
            return QImage(static_cast<uchar*>(data), size.width(), size.height(), line, QImage::Format_RGB32,
                          FreePixels, data);
        }
    }
#endif
    return QImage(size, QImage::Format_RGB32);
}

}  // namespace

ScreenSurface::ScreenSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ScreenSurface::~ScreenSurface() { EndPainting(); }

double ScreenSurface::PixelRatio() const { return fixedRatio_ > 0 ? fixedRatio_ : devicePixelRatioF(); }

void ScreenSurface::SetPixelRatio(double ratio) {
    fixedRatio_ = ratio > 0 ? ratio : 0;
    FitImage();
}

void ScreenSurface::EndPainting() {
    if (painter_) {
        FlushLines(*painter_);
        painter_->end();
        painter_.reset();
        pixels_ = nullptr;
        thinLines_.reset();
    }
}

void ScreenSurface::FitImage() {
    const double ratio = PixelRatio();
    const QSize size = QSize(static_cast<int>(std::ceil(width() * ratio)),
                             static_cast<int>(std::ceil(height() * ratio)))
                           .expandedTo(QSize(1, 1));
    fittedSize_ = QWidget::size();
    if (!image_.isNull() && image_.size() == size && imageRatio_ == ratio) return;
    EndPainting();
    QImage next = NewImage(size);
    next.fill(ToQColor(BackColor()));
    if (!image_.isNull()) {
        // The drawing stays where it was; new room shows the back colour.
        const double scale = ratio / imageRatio_;
        QPainter p(&next);
        p.setRenderHint(QPainter::SmoothPixmapTransform, scale != 1);
        p.drawImage(QRectF(0, 0, image_.width() * scale, image_.height() * scale), image_);
    }
    image_ = next;
    imageRatio_ = ratio;
    DeviceChanged();
}

QPainter* ScreenSurface::ActivePainter() {
    // The screen's density is looked up only when painting begins; a change
    // of it repaints the widget, which ends the painting.
    if (painter_ && QWidget::size() == fittedSize_) return painter_.get();
    FitImage();
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        // Cut to the image it draws on anyway, the painter draws thin
        // smoothed lines straight into the pixels: the same pixels as
        // without the cut, in about half the time.
        painter_->setClipRect(QRect(0, 0, image_.width(), image_.height()));
        pixels_ = image_.bits();
        thinLines_.emplace(reinterpret_cast<std::uint32_t*>(pixels_),
                           image_.bytesPerLine() / qsizetype(sizeof(quint32)), image_.width(), image_.height());
        ForgetPainterState();
    }
    return painter_.get();
}

QRectF ScreenSurface::DeviceBounds() const { return QRectF(0, 0, image_.width(), image_.height()); }

void ScreenSurface::Drawn() {
    if (!updatePending_) {
        updatePending_ = true;
        update();
    }
}

bool ScreenSurface::FillPixels(const QRect& area, Color color) {
    if (pixels_ == nullptr) return false;
    // Cut to the image (as a rectangle intersection would, without its call
    // on every fill).
    const int left = std::max(area.left(), 0), right = std::min(area.right(), image_.width() - 1);
    const int top = std::max(area.top(), 0), bottom = std::min(area.bottom(), image_.height() - 1);
    if (left > right || top > bottom) return true;
    // What the painter writes for an opaque colour on this format.
    const quint32 value = 0xff000000u | quint32(color.r) << 16 | quint32(color.g) << 8 | quint32(color.b);
    const qsizetype step = image_.bytesPerLine() / qsizetype(sizeof(quint32));
    quint32* pixel = reinterpret_cast<quint32*>(pixels_) + top * step + left;
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    // Most fills of a long chart are columns one or two pixels wide (wicks,
    // narrow bodies and volume boxes): those go down the rows directly.
    if (width == 1) {
        for (int n = height; n > 0; --n, pixel += step) pixel[0] = value;
    } else if (width == 2) {
        for (int n = height; n > 0; --n, pixel += step) pixel[0] = pixel[1] = value;
    } else {
        for (int n = height; n > 0; --n, pixel += step) std::fill_n(pixel, width, value);
    }
    return true;
}

bool ScreenSurface::BlendTinyRing(double cx, double cy, double rx, double ry, Color color) {
    if (pixels_ == nullptr) return false;
    const PixelRows rows{reinterpret_cast<quint32*>(pixels_), image_.bytesPerLine() / qsizetype(sizeof(quint32)),
                         image_.width(), image_.height()};
    ranvik::BlendTinyRing(rows, cx, cy, rx, ry, color);
    return true;
}

bool ScreenSurface::StrokeThinPolyline(const QPointF* points, qsizetype count, Color color) {
    if (!thinLines_) return false;
    thinLines_->SetColor(color);
    thinLines_->Polyline(points, count);
    return true;
}

bool ScreenSurface::StrokeThinLines(const QLineF* lines, qsizetype count, Color color) {
    if (!thinLines_) return false;
    thinLines_->SetColor(color);
    thinLines_->Lines(lines, count);
    return true;
}

void ScreenSurface::ClearAll() {
    ForgetWaitingFills();
    FitImage();
    EndPainting();
    image_.fill(ToQColor(BackColor()));
    Drawn();
}

QImage ScreenSurface::Image() {
    FitImage();
    EndPainting();
    return image_;
}

bool ScreenSurface::SavePng(const std::string& path) {
    return Image().save(QString::fromStdString(path), "PNG");
}

void ScreenSurface::Refresh() { repaint(); }

void ScreenSurface::paintEvent(QPaintEvent* event) {
    updatePending_ = false;
    FitImage();
    EndPainting();
    QPainter p(this);
    const QRect r = event->rect();
    const double ratio = imageRatio_;
    // Whole device pixels of the image onto the same device pixels.
    p.drawImage(QRectF(r), image_,
                QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

}  // namespace ranvik
