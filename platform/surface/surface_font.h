#pragma once
// Fonts of the drawing surfaces.  The programs name Windows fonts
// ("ＭＳ Ｐゴシック" and the like); they are drawn with the CJK font, which
// also holds the half-width katakana and the full-width signs.  Sizes become
// whole device pixels as the original platform made them, and a text line is
// one em high with the baseline where the CJK font's ideographs end, so text
// takes the room the original fonts gave it.
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QList>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/surface/surface.h"

namespace ranvik {

// Family actually used for a font name of the programs.
QString SurfaceFontFamily(std::string_view fontName);

// The state's font at a device resolution (dots per inch), with the sizes
// that follow from it: em height in pixels, baseline below the top of a line.
class SurfaceFont {
public:
    SurfaceFont(const SurfaceState& state, double dpi);
    const QFont& Font() const { return font_; }
    int PixelSize() const { return pixelSize_; }
    double Baseline() const { return baseline_; }
    // Size of a text in device pixels; texts measured before are not laid
    // out again (drawers measure the same labels and characters redraw
    // after redraw).
    double Advance(std::string_view text) const;
    // A text shaped once: its glyphs placed on a baseline at the given
    // ascent below the origin, ready to draw again without shaping.
    struct ShapedText {
        QList<QGlyphRun> runs;
        double ascent = 0;
    };
    const ShapedText& Shaped(std::string_view text) const;
    bool Matches(const SurfaceState& state, double dpi) const;
    // Tells this font from every other one made in the program's run.
    std::uint64_t Serial() const { return serial_; }

private:
    std::string name_;
    double size_;
    bool bold_;
    double dpi_;
    QFont font_;
    int pixelSize_;
    double baseline_;
    std::unique_ptr<QFontMetricsF> metrics_;
    std::uint64_t serial_;
    mutable std::unordered_map<std::string, double> advances_;
    mutable std::unordered_map<std::string, ShapedText> shaped_;
};

// Keeps the fonts of the last calls, since drawers print many texts in a
// row with the same font and go back and forth between a few sizes.
class SurfaceFontCache {
public:
    const SurfaceFont& Get(const SurfaceState& state, double dpi) const;
    // Size of a text in twips.
    TextExtent Measure(const SurfaceState& state, double dpi, std::string_view text) const;

private:
    mutable std::vector<std::unique_ptr<SurfaceFont>> fonts_;  // the latest used first
};

}  // namespace ranvik
