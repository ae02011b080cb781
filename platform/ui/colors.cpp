#include "platform/ui/colors.h"

namespace ranvik {

Color ButtonFaceColor() { return RGB(240, 240, 240); }
Color WindowBackColor() { return RGB(255, 255, 255); }
Color WindowTextColor() { return RGB(0, 0, 0); }
Color InactiveBorderColor() { return RGB(244, 247, 252); }

}  // namespace ranvik
