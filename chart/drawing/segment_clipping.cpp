#include "chart/drawing/segment_clipping.h"

#include <cmath>

#include "platform/runtime/values.h"

namespace ranvik {

std::int16_t Distance(double value) {
    if (!std::isfinite(value)) return 0;
    const double r = RoundHalfEven(value);
    if (r > kIntegerMax) return static_cast<std::int16_t>(kIntegerMax);
    if (r < kIntegerMin) return static_cast<std::int16_t>(kIntegerMin);
    return static_cast<std::int16_t>(r);
}

namespace {

double Ratio(double numerator, double denominator) {
    return denominator == 0 ? 0 : numerator / denominator;
}

struct Segment {
    std::int16_t& rX1;
    std::int16_t& rX2;
    double dx;
    float& pvalue;
    float& nvalue;
    float orgpv;

    // The line leaves the pane at the level: it ends at the crossing.
    void CutEnd(float level) {
        rX2 = Distance(dx - Ratio((static_cast<double>(level) - pvalue) * dx,
                                  static_cast<double>(nvalue) - pvalue));
        nvalue = level;
    }
    // The line comes back into the pane: it starts where the unclipped line
    // crosses the level.
    void CutStart(float level) {
        rX1 = Distance(Ratio((static_cast<double>(orgpv) - level) * dx, static_cast<double>(orgpv) - nvalue));
        pvalue = level;
    }

    // The four cases at the upper level, each tested on the values the
    // earlier ones left; with firstOnly the first that holds ends the test.
    void Upper(float h, bool firstOnly) {
        if (pvalue < h && nvalue > h) {
            CutEnd(h);
            if (firstOnly) return;
        }
        if (pvalue == h && nvalue >= h) {
            nvalue = h;
            if (firstOnly) return;
        }
        if (pvalue >= h && nvalue < h) {
            CutStart(h);
            if (firstOnly) return;
        }
        if (pvalue > h && nvalue > h) {
            nvalue = h;
            pvalue = h;
        }
    }

    void Lower(float l, bool firstOnly) {
        if (pvalue > l && nvalue < l) {
            CutEnd(l);
            if (firstOnly) return;
        }
        if (pvalue == l && nvalue <= l) {
            nvalue = l;
            if (firstOnly) return;
        }
        if (pvalue <= l && nvalue > l) {
            CutStart(l);
            if (firstOnly) return;
        }
        if (pvalue < l && nvalue < l) {
            nvalue = l;
            pvalue = l;
        }
    }
};

}  // namespace

void CutUpBottom(const ClipLevels& levels, float& value) {
    if (value > levels.ClipLevelH) {
        value = levels.ClipLevelH;
    } else if (value < levels.ClipLevelL) {
        value = levels.ClipLevelL;
    }
}

void SuppressH(const ClipLevels& levels, std::int16_t& rX1, std::int16_t& rX2, float pX, float nX,
               float& pvalue, float& nvalue, float orgpv) {
    rX1 = 0;
    rX2 = 0;
    Segment{rX1, rX2, static_cast<double>(nX) - pX, pvalue, nvalue, orgpv}.Upper(levels.ClipLevelH, true);
}

void SuppressL(const ClipLevels& levels, std::int16_t& rX1, std::int16_t& rX2, float pX, float nX,
               float& pvalue, float& nvalue, float orgpv) {
    rX1 = 0;
    rX2 = 0;
    Segment{rX1, rX2, static_cast<double>(nX) - pX, pvalue, nvalue, orgpv}.Lower(levels.ClipLevelL, true);
}

void SuppressHL(const ClipLevels& levels, std::int16_t& rX1, std::int16_t& rX2, float pX, float nX,
                float& pvalue, float& nvalue, float orgpv) {
    rX1 = 0;
    rX2 = 0;
    Segment s{rX1, rX2, static_cast<double>(nX) - pX, pvalue, nvalue, orgpv};
    s.Upper(levels.ClipLevelH, false);
    s.Lower(levels.ClipLevelL, false);
}

void SuppressHLMACD(const ClipLevels& levels, std::int16_t& rX1, std::int16_t& rX2, float pX, float nX,
                    float& pvalue, float& nvalue, float orgpv) {
    rX1 = 0;
    rX2 = 0;
    Segment s{rX1, rX2, static_cast<double>(nX) - pX, pvalue, nvalue, orgpv};
    const float m = levels.MacdClipLevel;
    if (pvalue < m && nvalue > m) {
        s.CutEnd(m);
    } else if (pvalue == m && nvalue >= m) {
        nvalue = m;
    } else if (pvalue >= m && nvalue < m) {
        s.CutStart(m);
    } else if (pvalue > -m && nvalue < -m) {
        s.CutEnd(-m);
    } else if (pvalue == -m && nvalue <= -m) {
        nvalue = -m;
    } else if (pvalue <= -m && nvalue > -m) {
        s.CutStart(-m);
    }
}

}  // namespace ranvik
