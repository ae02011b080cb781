#include "platform/surface/printer_surface.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <iterator>
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

// The text a PDF gives back (copy, search) comes from each font's glyph to
// character table.  Qt fills it with the lowest character of each glyph, and
// the CJK font shares many ideographs' glyphs with the Kangxi radicals (日 is
// also ⽇) and the blank's glyph with the tab, so 日足 would read back as ⽇⾜.
// Puts the ordinary characters back; the codes keep their length, so nothing
// else in the file moves.
std::string OrdinaryCharacterHex(const std::string& hex) {
    bool ok = false;
    const uint code = QString::fromStdString(hex).toUInt(&ok, 16);
    if (!ok) return hex;
    if (code == 0x0009) return "0020";
    const bool radical = (code >= 0x2E80 && code <= 0x2EFF) || (code >= 0x2F00 && code <= 0x2FDF);
    if (!radical) return hex;
    const QString normal = QString(QChar(static_cast<char16_t>(code))).normalized(QString::NormalizationForm_KC);
    if (normal.size() != 1) return hex;
    return QStringLiteral("%1").arg(normal.at(0).unicode(), 4, 16, QLatin1Char('0')).toUpper().toStdString();
}

void ReplaceHexCodes(std::string& text, std::size_t from, std::size_t to) {
    for (std::size_t i = text.find('<', from); i != std::string::npos && i < to; i = text.find('<', i + 1)) {
        if (i + 5 < text.size() && text[i + 5] == '>') {
            const std::string fixed = OrdinaryCharacterHex(text.substr(i + 1, 4));
            text.replace(i + 1, 4, fixed);
        }
    }
}

void RestoreTextMappingIn(std::string& pdf) {
    std::size_t at = 0;
    while ((at = pdf.find("begincmap", at)) != std::string::npos) {
        const std::size_t end = pdf.find("endcmap", at);
        if (end == std::string::npos) return;
        // Only the characters: the first one or two codes of a line are glyphs.
        std::size_t line = at;
        while (line < end) {
            std::size_t next = pdf.find('\n', line);
            if (next == std::string::npos || next > end) next = end;
            const std::string_view l(pdf.data() + line, next - line);
            const auto bracket = l.find('[');
            std::size_t codes = 0;
            for (std::size_t i = l.find('<'); i != std::string_view::npos; i = l.find('<', i + 1)) ++codes;
            if (bracket != std::string_view::npos) {
                ReplaceHexCodes(pdf, line + bracket, next);
            } else if (codes == 3 && l.substr(1, 4) == l.substr(8, 4)) {
                ReplaceHexCodes(pdf, line + 12, next);  // a range of one glyph
            } else if (codes == 2) {
                ReplaceHexCodes(pdf, line + 6, next);  // one glyph, one character
            }
            line = next + 1;
        }
        at = end;
    }
}

bool RestoreTextMapping(const std::string& path) {
    std::string pdf;
    {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        if (!in) return false;
        pdf.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string before = pdf;
    RestoreTextMappingIn(pdf);
    if (pdf == before) return true;
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
    return static_cast<bool>(out);
}

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
    DeviceChanged();
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

// The page layout in millimetres: Qt rounds its inches to hundredths, which
// would miss the paper by several twips.
namespace {
constexpr double kTwipsPerMm = 1440 / 25.4;
}  // namespace

double PrinterSurface::InnerWidthTwips() const {
    return printer_->pageLayout().paintRect(QPageLayout::Millimeter).width() * kTwipsPerMm;
}
double PrinterSurface::InnerHeightTwips() const {
    return printer_->pageLayout().paintRect(QPageLayout::Millimeter).height() * kTwipsPerMm;
}
double PrinterSurface::OuterWidthTwips() const {
    return printer_->pageLayout().fullRect(QPageLayout::Millimeter).width() * kTwipsPerMm;
}
double PrinterSurface::OuterHeightTwips() const {
    return printer_->pageLayout().fullRect(QPageLayout::Millimeter).height() * kTwipsPerMm;
}

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
        FlushLines(*painter_);
        ok = painter_->end() && ok;
        painter_.reset();
        if (PrintsToPdf()) {
            if (ok) ok = RestoreTextMapping(partPath_);
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

void PrinterSurface::KillDoc() {
    if (painter_) {
        printer_->abort();
        painter_->end();
        painter_.reset();
        if (!partPath_.empty()) QFile::remove(Q(partPath_));
    }
    partPath_.clear();
    failed_ = false;
    SetCurrentX(0);
    SetCurrentY(0);
}

}  // namespace ranvik
