#pragma once
// Drawing calls replayed on a screen surface of a given size in pixels, its
// scale one unit a pixel.  A surface read after every call writes at once
// whatever waits (fills, gathered lines), so comparing the two pictures shows
// whether waiting kept the drawing order.
#include <QImage>
#include <functional>
#include <vector>

#include "platform/surface/screen_surface.h"

namespace ranvik::test {

using DrawCall = std::function<void(Surface&)>;

inline QImage DrawnOnScreen(const std::vector<DrawCall>& calls, int width, int height, bool readAfterEach) {
    ScreenSurface s;
    s.resize(width, height);
    s.SetPixelRatio(1);
    s.Cls();
    s.Scale(0, 0, width, height);
    for (const DrawCall& call : calls) {
        call(s);
        if (readAfterEach) (void)s.Image();
    }
    return s.Image();
}

}  // namespace ranvik::test
