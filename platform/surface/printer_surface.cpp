#include "platform/surface/printer_surface.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <filesystem>
#include <optional>

namespace ranvik {

namespace {

std::optional<QPageSize> PageSizeOf(int code) {
    switch (code) {
        case 9: return QPageSize(QPageSize::A4);
        case 11: return QPageSize(QPageSize::A5);
        case 13: return QPageSize(QPageSize::JisB5);
        case 43: return QPageSize(QSizeF(100, 148), QPageSize::Millimeter, QStringLiteral("Postcard"));
        default: return std::nullopt;
    }
}

// Device resolutions of the print qualities: coarser quality, fewer dots, and
// wider lines of the same DrawWidth, as on the printers of the original.
std::optional<int> ResolutionOf(int quality) {
    switch (quality) {
        case -1: return 150;
        case -3: return 300;
        case -4: return 600;
        default: return std::nullopt;
    }
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

std::string PrinterSurface::DefaultPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString base = QStringLiteral("Ranvikチャート");
    QString path = folder + "/" + base + ".pdf";
    for (int n = 2; QFile::exists(path); ++n) path = folder + "/" + base + QStringLiteral(" (%1).pdf").arg(n);
    return path.toStdString();
}

PrinterSurface::PrinterSurface() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        pdfPath_ = DefaultPdfPath();
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    ApplySettings();
}

PrinterSurface::PrinterSurface(std::string pdfPath) : pdfPath_(std::move(pdfPath)) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    ApplySettings();
}

PrinterSurface::~PrinterSurface() {
    if (painter_) {
        // A document never ended is dropped, not left behind half written.
        painter_->end();
        painter_.reset();
        if (!partPath_.empty()) QFile::remove(Q(partPath_));
    }
}

std::string PrinterSurface::DeviceName() const {
    return PrintsToPdf() ? std::string("PDF") : printer_->printerName().toStdString();
}

void PrinterSurface::ApplySettings() {
    printer_->setFullPage(false);
    printer_->setPageSize(*PageSizeOf(paperSize_));
    printer_->setPageOrientation(orientation_ == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer_->setColorMode(colorMode_ == 1 ? QPrinter::GrayScale : QPrinter::Color);
    printer_->setResolution(*ResolutionOf(quality_));
    if (PrintsToPdf()) {
        printer_->setPageMargins(QMarginsF(0, 0, 0, 0));
    } else {
        printer_->setPageMargins(printer_->pageLayout().minimumMargins(), printer_->pageLayout().units());
    }
}

bool PrinterSurface::SetPaperSize(int code) {
    const auto size = PageSizeOf(code);
    if (!size || !Settable()) return false;
    if (!PrintsToPdf()) {
        const QPrinterInfo info(*printer_);
        bool supported = false;
        for (const QPageSize& s : info.supportedPageSizes()) {
            if (s.isEquivalentTo(*size) || s.id() == size->id()) supported = true;
        }
        if (!supported && !info.supportsCustomPageSizes()) return false;
    }
    paperSize_ = code;
    ApplySettings();
    return true;
}

bool PrinterSurface::SetOrientation(int orientation) {
    if ((orientation != 1 && orientation != 2) || !Settable()) return false;
    orientation_ = orientation;
    ApplySettings();
    return true;
}

bool PrinterSurface::SetPrintQuality(int quality) {
    if (!ResolutionOf(quality) || !Settable()) return false;
    quality_ = quality;
    ApplySettings();
    return true;
}

bool PrinterSurface::SetColorMode(int mode) {
    if ((mode != 1 && mode != 2) || !Settable()) return false;
    colorMode_ = mode;
    ApplySettings();
    return true;
}

double PrinterSurface::InnerWidthTwips() const { return printer_->pageRect(QPrinter::Inch).width() * 1440; }
double PrinterSurface::InnerHeightTwips() const { return printer_->pageRect(QPrinter::Inch).height() * 1440; }
double PrinterSurface::OuterWidthTwips() const { return printer_->paperRect(QPrinter::Inch).width() * 1440; }
double PrinterSurface::OuterHeightTwips() const { return printer_->paperRect(QPrinter::Inch).height() * 1440; }

QRectF PrinterSurface::DeviceBounds() const {
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    return QRectF(0, 0, page.width(), page.height());
}

QPainter* PrinterSurface::ActivePainter() {
    if (painter_) return painter_.get();
    if (failed_) return nullptr;
    if (PrintsToPdf()) {
        // Written beside the target and renamed at the end, so that a failed
        // page never leaves a broken file under the name asked for.
        partPath_ = pdfPath_ + ".part";
        printer_->setOutputFileName(Q(partPath_));
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer_.get())) {
        failed_ = true;
        if (!partPath_.empty()) QFile::remove(Q(partPath_));
        return nullptr;
    }
    painter_ = std::move(painter);
    ForgetPainterState();
    return painter_.get();
}

bool PrinterSurface::EndDoc() {
    bool ok = !failed_;
    failed_ = false;
    if (painter_) {
        ok = painter_->end() && ok;
        painter_.reset();
        if (PrintsToPdf()) {
            if (ok) {
                std::error_code ec;
                std::filesystem::rename(std::filesystem::path(partPath_), std::filesystem::path(pdfPath_), ec);
                ok = !ec;
            }
            if (!ok) QFile::remove(Q(partPath_));
        }
    }
    partPath_.clear();
    SetCurrentX(0);
    SetCurrentY(0);
    return ok;
}

}  // namespace ranvik
