#include "platform/surface/surface_font.h"

#include <QStringList>
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
}

bool SurfaceFont::Matches(const SurfaceState& state, double dpi) const {
    return dpi == dpi_ && state.FontSize == size_ && state.FontBold == bold_ && state.FontName == name_;
}

const SurfaceFont& SurfaceFontCache::Get(const SurfaceState& state, double dpi) const {
    if (!font_ || !font_->Matches(state, dpi)) font_ = std::make_unique<SurfaceFont>(state, dpi);
    return *font_;
}

TextExtent SurfaceFontCache::Measure(const SurfaceState& state, double dpi, std::string_view text) const {
    const SurfaceFont& font = Get(state, dpi);
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const double twipsPerPixel = 1440.0 / dpi;
    return {font.Advance(s) * twipsPerPixel, font.PixelSize() * twipsPerPixel};
}

}  // namespace ranvik
