#pragma once
// The printer a printed page is drawn on: its page surface, the four settings
// of a print job (each may be refused by the device), the paper size and
// orientation read back, the end of the document and the device's name.
//
// Codes are the standard Windows printer codes: paper size 9 A4, 11 A5, 13 B5,
// 43 Japanese postcard; orientation 1 portrait, 2 landscape; print quality
// -1 coarsest, -3 medium, -4 high; colour mode 1 monochrome, 2 colour.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/surface/printer_surface.h"
#include "platform/surface/recording_surface.h"

namespace ranvik {

class Printer {
public:
    virtual ~Printer() = default;

    // The page of the document in progress; drawing on it begins the page.
    virtual Surface& Page() = 0;
    virtual bool SetPaperSize(int code) = 0;
    virtual bool SetOrientation(int orientation) = 0;
    virtual bool SetColorMode(int mode) = 0;
    virtual bool SetPrintQuality(int quality) = 0;
    virtual int PaperSize() const = 0;
    virtual int Orientation() const = 0;
    // Sends the page; false when it could not be printed.  A document with
    // nothing drawn sends nothing.
    virtual bool EndDoc() = 0;
    // Drops the page in progress: nothing is printed or left behind.
    virtual void KillDoc() = 0;
    virtual std::string DeviceName() const = 0;
};

// The system's printer through Qt, or, where the system has none or a PDF is
// asked for, a PDF file per document in a folder: each document gets a new
// file name there, so that one print run of several windows gives one file
// per window.
class SystemPrinter : public Printer {
public:
    // The system's default printer, or PDF files in the documents folder when
    // the system has none.
    SystemPrinter();
    // PDF files in the given folder.
    static std::unique_ptr<SystemPrinter> PdfInFolder(std::string folder);
    // The named system printer; null when there is none of that name.
    static std::unique_ptr<SystemPrinter> Named(const std::string& name);

    Surface& Page() override;
    bool SetPaperSize(int code) override;
    bool SetOrientation(int orientation) override;
    bool SetColorMode(int mode) override;
    bool SetPrintQuality(int quality) override;
    int PaperSize() const override { return surface_->PaperSize(); }
    int Orientation() const override { return surface_->Orientation(); }
    bool EndDoc() override;
    void KillDoc() override;
    std::string DeviceName() const override;

    // The files the PDF printer has written, in order.
    const std::vector<std::string>& WrittenFiles() const { return written_; }
    bool PrintsToPdf() const { return !folder_.empty(); }

private:
    SystemPrinter(std::string folder, std::string printerName);
    void NewSurface();
    std::string NextPdfPath() const;

    std::string folder_;       // PDF output; empty: a system printer
    std::string printerName_;  // empty: the default printer
    std::unique_ptr<PrinterSurface> surface_;
    std::vector<std::string> written_;
};

// The printer of the tests: a recording surface of the paper's size that logs
// every setting in order and refuses the ones a test names.
class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(std::string name = "Recording printer");

    RecordingSurface& Recorder() { return page_; }
    Surface& Page() override { return page_; }
    bool SetPaperSize(int code) override;
    bool SetOrientation(int orientation) override;
    bool SetColorMode(int mode) override;
    bool SetPrintQuality(int quality) override;
    int PaperSize() const override { return paperSize_; }
    int Orientation() const override { return orientation_; }
    bool EndDoc() override;
    void KillDoc() override;
    std::string DeviceName() const override { return name_; }

    // Settings refused from now on, as "PaperSize 11", "Orientation 2",
    // "ColorMode 1", "PrintQuality -4"; "EndDoc" makes the end of the
    // document fail.
    std::set<std::string> refuse;
    // Every setting asked for, accepted or not, in order ("PaperSize 9").
    std::vector<std::string> settings;
    // Documents ended (EndDoc) and dropped (KillDoc), and how many calls each
    // ended document held.
    int endDocs = 0;
    int killDocs = 0;
    std::vector<std::size_t> pages;

private:
    bool Take(const std::string& name, int code);
    void Fit();

    std::string name_;
    RecordingSurface page_;
    int paperSize_ = 9;
    int orientation_ = 1;
    int colorMode_ = 2;
    int quality_ = -3;
};

// Paper size in twips (width, height) for a code and orientation; A4 for an
// unknown code.
struct PaperTwips {
    double width = 0;
    double height = 0;
};
PaperTwips PaperOf(int paperSize, int orientation);

}  // namespace ranvik
