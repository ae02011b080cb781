#include "platform/surface/surface_font.h"

#include <QStringList>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

namespace ranvik {

namespace {
// Where the ideographs of the CJK font end below the top of its em box.
constexpr double kBaselineOfEm = 0.88;
}  // namespace

QString SurfaceFontFamily(std::string_view fontName) {
    const QString name = QString::fromUtf8(fontName.data(), static_cast<qsizetype>(fontName.size()));
    if (name.contains(QStringLiteral("明朝")) || name.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive))
        return QStringLiteral("Noto Serif CJK JP");
    return QStringLiteral("Noto Sans CJK JP");
}

SurfaceFont::SurfaceFont(const SurfaceState& state, double dpi)
    : name_(state.FontName), size_(state.FontSize), bold_(state.FontBold), dpi_(dpi) {
    pixelSize_ = std::max(1, static_cast<int>(std::lround(state.FontSize * dpi / 72.0)));
    font_.setFamilies(QStringList{SurfaceFontFamily(state.FontName), QStringLiteral("Noto Sans CJK JP")});
    font_.setPixelSize(pixelSize_);
    font_.setBold(state.FontBold);
    font_.setKerning(false);
    font_.setHintingPreference(QFont::PreferNoHinting);
    baseline_ = std::round(pixelSize_ * kBaselineOfEm);
    metrics_ = std::make_unique<QFontMetricsF>(font_);
    static std::uint64_t made = 0;
    serial_ = ++made;
}

bool SurfaceFont::Matches(const SurfaceState& state, double dpi) const {
    return dpi == dpi_ && state.FontSize == size_ && state.FontBold == bold_ && state.FontName == name_;
}

double SurfaceFont::Advance(std::string_view text) const {
    // Enough for every label and character a chart shows; beyond it the
    // texts are measured afresh rather than kept without end.
    constexpr std::size_t kKeptTexts = 4096;
    const auto known = advances_.find(std::string(text));
    if (known != advances_.end()) return known->second;
    const double advance =
        metrics_->horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (advances_.size() >= kKeptTexts) advances_.clear();
    advances_.emplace(std::string(text), advance);
    return advance;
}

const SurfaceFont::ShapedText& SurfaceFont::Shaped(std::string_view text) const {
    constexpr std::size_t kKeptTexts = 4096;
    const auto known = shaped_.find(std::string(text));
    if (known != shaped_.end()) return known->second;
    QTextLayout layout(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), font_);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedText shaped;
    if (line.isValid()) {
        shaped.runs = layout.glyphRuns();
        shaped.ascent = line.ascent();
    }
    if (shaped_.size() >= kKeptTexts) shaped_.clear();
    return shaped_.emplace(std::string(text), std::move(shaped)).first->second;
}

const SurfaceFont& SurfaceFontCache::Get(const SurfaceState& state, double dpi) const {
    constexpr std::size_t kKeptFonts = 8;
    if (!fonts_.empty() && fonts_.front()->Matches(state, dpi)) return *fonts_.front();
    auto found = std::find_if(fonts_.begin(), fonts_.end(),
                              [&](const std::unique_ptr<SurfaceFont>& f) { return f->Matches(state, dpi); });
    if (found == fonts_.end()) {
        if (fonts_.size() >= kKeptFonts) fonts_.pop_back();
        fonts_.insert(fonts_.begin(), std::make_unique<SurfaceFont>(state, dpi));
    } else {
        std::rotate(fonts_.begin(), found, found + 1);
    }
    return *fonts_.front();
}

TextExtent SurfaceFontCache::Measure(const SurfaceState& state, double dpi, std::string_view text) const {
    const SurfaceFont& font = Get(state, dpi);
    const double twipsPerPixel = 1440.0 / dpi;
    return {font.Advance(text) * twipsPerPixel, font.PixelSize() * twipsPerPixel};
}

}  // namespace ranvik
