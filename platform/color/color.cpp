#include "platform/color/color.h"

#include <ostream>

namespace ranvik {

std::string ColorText(Color color) {
    return "RGB(" + std::to_string(color.r) + "," + std::to_string(color.g) + "," +
           std::to_string(color.b) + ")";
}

std::ostream& operator<<(std::ostream& out, Color color) { return out << ColorText(color); }

}  // namespace ranvik
