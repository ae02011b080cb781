#pragma once
// The printer: the same surface on paper.  The settings are the standard
// Windows printer codes the print settings use: paper size 9 A4, 11 A5, 13 B5
// (JIS, 182 x 257 mm), 43 Japanese postcard; orientation 1 portrait,
// 2 landscape; print quality -1 coarsest, -3 medium, -4 high; colour mode
// 1 monochrome, 2 colour.  A setting the printer does not take is refused
// (false) and the one in force stays.
//
// The page begins with the first drawing call; EndDoc sends it.  When the
// system has no printer the page goes into a PDF file instead.  Width and
// Height are the paper's size in twips; the scale spans the printable area.
// The page is not cut to any pane: drawers keep their lines inside the panes
// themselves.  Exclusive-or has no meaning on paper and draws as copy.
#include <QPrinter>
#include <memory>
#include <string>

#include "platform/surface/painter_surface.h"

namespace ranvik {

class PrinterSurface : public PainterSurface {
public:
    // The system's default printer, or a PDF at DefaultPdfPath() when there
    // is none.
    PrinterSurface();
    // A PDF at the given path whatever printers there are.
    explicit PrinterSurface(std::string pdfPath);
    ~PrinterSurface() override;

    // A new file name for a PDF in the user's documents folder that names no
    // existing file.
    static std::string DefaultPdfPath();

    bool PrintsToPdf() const { return !pdfPath_.empty(); }
    const std::string& PdfPath() const { return pdfPath_; }
    // The printer's name, or "PDF" for the PDF file.
    std::string DeviceName() const;
    // The Qt printer, for the platform's printer dialog.
    QPrinter& Device() { return *printer_; }

    bool SetPaperSize(int code);
    int PaperSize() const { return paperSize_; }
    bool SetOrientation(int orientation);
    int Orientation() const { return orientation_; }
    bool SetPrintQuality(int quality);
    int PrintQuality() const { return quality_; }
    bool SetColorMode(int mode);
    int ColorMode() const { return colorMode_; }

    // Ends the document and sends the page (writes the PDF).  False when the
    // page could not be printed or written; a document with nothing drawn
    // sends nothing and succeeds.
    bool EndDoc();
    // Drops the document in progress: a printer's job is cancelled, a PDF's
    // partial file removed.
    void KillDoc();
    bool PageStarted() const { return painter_ != nullptr; }

protected:
    double InnerWidthTwips() const override;
    double InnerHeightTwips() const override;
    double OuterWidthTwips() const override;
    double OuterHeightTwips() const override;
    QPainter* ActivePainter() override;
    double DevicePerTwip() const override { return printer_->resolution() / 1440.0; }
    double PenUnit() const override { return 1; }
    double PatternUnit() const override { return printer_->resolution() / 96.0; }
    QRectF DeviceBounds() const override;
    bool SupportsXor() const override { return false; }
    void ClearAll() override {}

private:
    void ApplySettings();
    bool Settable() const { return painter_ == nullptr; }

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false;
    std::string pdfPath_;
    std::string partPath_;
    int paperSize_ = 9;
    int orientation_ = 1;
    int quality_ = -3;
    int colorMode_ = 2;
};

}  // namespace ranvik
