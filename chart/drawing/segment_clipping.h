#pragma once
// Cutting values and line segments to the price pane.  On paper there is no
// pane to cut what falls outside it, so the drawers clamp values and cut each
// segment at the pane's levels themselves before they draw it.
//
// A segment runs from the previous point (pX, pvalue) to the new one
// (nX, nvalue); orgpv is the previous value before it was cut, because a line
// that comes back into the pane must be cut where the true line crosses the
// level.  The methods cut pvalue and nvalue in place and give two distances:
// rX1, how far the visible part starts after pX, and rX2, how far it ends
// before nX.  The caller draws from (pX + rX1, pvalue) to (nX - rX2, nvalue).
#include <cstdint>

namespace ranvik {

// The chart window's levels: the larger and the smaller y value of the price
// pane, and the half height of the printed MACD band.
struct ClipLevels {
    float ClipLevelH = 0;
    float ClipLevelL = 0;
    float MacdClipLevel = 0;
};

// A distance in x units as a whole number, halves to even.  A distance that
// cannot be worked out (a segment whose ends lie on the same value, or
// nonsense passed in) is 0, and a huge one stays within the Integer range
// instead of overflowing it.
std::int16_t Distance(double value);

// Clamps a value into [ClipLevelL, ClipLevelH].
void CutUpBottom(const ClipLevels& levels, float& value);

// Cut at ClipLevelH, at ClipLevelL, at both, and at plus and minus
// MacdClipLevel.  rX1 and rX2 start at 0.
void SuppressH(const ClipLevels& levels, std::int16_t& rX1, std::int16_t& rX2, float pX, float nX,
               float& pvalue, float& nvalue, float orgpv);
void SuppressL(const ClipLevels& levels, std::int16_t& rX1, std::int16_t& rX2, float pX, float nX,
               float& pvalue, float& nvalue, float orgpv);
void SuppressHL(const ClipLevels& levels, std::int16_t& rX1, std::int16_t& rX2, float pX, float nX,
                float& pvalue, float& nvalue, float orgpv);
void SuppressHLMACD(const ClipLevels& levels, std::int16_t& rX1, std::int16_t& rX2, float pX, float nX,
                    float& pvalue, float& nvalue, float orgpv);

}  // namespace ranvik
