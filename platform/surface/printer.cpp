#include "platform/surface/printer.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace ranvik {

PaperTwips PaperOf(int paperSize, int orientation) {
    double w = 210;
    double h = 297;
    switch (paperSize) {
        case 11: w = 148; h = 210; break;
        case 13: w = 182; h = 257; break;
        case 43: w = 100; h = 148; break;
        default: break;
    }
    constexpr double kTwipsPerMm = 1440 / 25.4;
    if (orientation == 2) std::swap(w, h);
    return {w * kTwipsPerMm, h * kTwipsPerMm};
}

// ---------------------------------------------------------------- system

SystemPrinter::SystemPrinter() : SystemPrinter(std::string(), std::string()) {}

SystemPrinter::SystemPrinter(std::string folder, std::string printerName)
    : folder_(std::move(folder)), printerName_(std::move(printerName)) {
    if (folder_.empty() && printerName_.empty() && QPrinterInfo::defaultPrinter().isNull()) {
        QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (docs.isEmpty() || !QDir(docs).exists()) docs = QDir::homePath();
        folder_ = docs.toStdString();
    }
    NewSurface();
}

std::unique_ptr<SystemPrinter> SystemPrinter::PdfInFolder(std::string folder) {
    if (folder.empty()) folder.push_back('.');
    std::unique_ptr<SystemPrinter> printer(new SystemPrinter(folder, std::string()));
    return printer;
}

std::unique_ptr<SystemPrinter> SystemPrinter::Named(const std::string& name) {
    if (QPrinterInfo::printerInfo(QString::fromStdString(name)).isNull()) return nullptr;
    return std::unique_ptr<SystemPrinter>(new SystemPrinter(std::string(), name));
}

std::string SystemPrinter::NextPdfPath() const {
    const QString folder = QString::fromStdString(folder_);
    const QString base = QStringLiteral("Ranvikチャート");
    QString path = folder + "/" + base + ".pdf";
    for (int n = 2; QFile::exists(path); ++n) path = folder + "/" + base + QStringLiteral(" (%1).pdf").arg(n);
    return path.toStdString();
}

void SystemPrinter::NewSurface() {
    // The settings in force carry over to the next document.
    const int paper = surface_ ? surface_->PaperSize() : 9;
    const int orientation = surface_ ? surface_->Orientation() : 1;
    const int colour = surface_ ? surface_->ColorMode() : 2;
    const int quality = surface_ ? surface_->PrintQuality() : -3;
    if (PrintsToPdf()) {
        surface_ = std::make_unique<PrinterSurface>(NextPdfPath());
    } else {
        surface_ = std::make_unique<PrinterSurface>();
        if (!printerName_.empty()) surface_->Device().setPrinterName(QString::fromStdString(printerName_));
    }
    surface_->SetPaperSize(paper);
    surface_->SetOrientation(orientation);
    surface_->SetColorMode(colour);
    surface_->SetPrintQuality(quality);
}

Surface& SystemPrinter::Page() { return *surface_; }
bool SystemPrinter::SetPaperSize(int code) { return surface_->SetPaperSize(code); }
bool SystemPrinter::SetOrientation(int orientation) { return surface_->SetOrientation(orientation); }
bool SystemPrinter::SetColorMode(int mode) { return surface_->SetColorMode(mode); }
bool SystemPrinter::SetPrintQuality(int quality) { return surface_->SetPrintQuality(quality); }

bool SystemPrinter::EndDoc() {
    const bool drawn = surface_->PageStarted();
    const bool ok = surface_->EndDoc();
    if (drawn && ok && PrintsToPdf()) written_.push_back(surface_->PdfPath());
    // A PDF document is one file: the next document goes into a new one.
    if (drawn && PrintsToPdf()) NewSurface();
    return ok;
}

void SystemPrinter::KillDoc() {
    surface_->KillDoc();
    NewSurface();
}

std::string SystemPrinter::DeviceName() const {
    if (PrintsToPdf()) return "PDF";
    return surface_->DeviceName();
}

// ---------------------------------------------------------------- recording

RecordingPrinter::RecordingPrinter(std::string name) : name_(std::move(name)) { Fit(); }

void RecordingPrinter::Fit() {
    const PaperTwips paper = PaperOf(paperSize_, orientation_);
    page_.Resize(paper.width, paper.height);
}

bool RecordingPrinter::Take(const std::string& name, int code) {
    const std::string entry = name + " " + std::to_string(code);
    settings.push_back(entry);
    return refuse.count(entry) == 0;
}

bool RecordingPrinter::SetPaperSize(int code) {
    if (!Take("PaperSize", code)) return false;
    paperSize_ = code;
    Fit();
    return true;
}

bool RecordingPrinter::SetOrientation(int orientation) {
    if (!Take("Orientation", orientation)) return false;
    orientation_ = orientation;
    Fit();
    return true;
}

bool RecordingPrinter::SetColorMode(int mode) {
    if (!Take("ColorMode", mode)) return false;
    colorMode_ = mode;
    return true;
}

bool RecordingPrinter::SetPrintQuality(int quality) {
    if (!Take("PrintQuality", quality)) return false;
    quality_ = quality;
    return true;
}

bool RecordingPrinter::EndDoc() {
    ++endDocs;
    pages.push_back(page_.Calls().size());
    return refuse.count("EndDoc") == 0;
}

void RecordingPrinter::KillDoc() { ++killDocs; }

}  // namespace ranvik
