#include "chart/window/scroll_mapping.h"

namespace ranvik {

std::int16_t FirstRecordForScroll(int value, int recordCount, bool monthlyFromDaily, bool dataCutView) {
    int first;
    if (monthlyFromDaily) {
        first = value;
    } else {
        first = value / 7;  // whole-number division, truncating
        if (dataCutView && recordCount > kScrollableBars) first += recordCount - kScrollableBars;
    }
    if (first > recordCount) first = recordCount - recordCount / 3;
    if (first < 2) first = 2;
    return static_cast<std::int16_t>(first);
}

}  // namespace ranvik
