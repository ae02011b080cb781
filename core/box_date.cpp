#include "core/box_date.h"

namespace ranvik {

std::optional<Date> StrictBoxDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/') return std::nullopt;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    const auto number = [&](std::size_t from, std::size_t count) {
        int n = 0;
        for (std::size_t i = from; i < from + count; ++i) n = n * 10 + (text[i] - '0');
        return n;
    };
    const Date date{number(0, 4), number(5, 2), number(8, 2)};
    if (date.year < 1 || !IsValidDate(date)) return std::nullopt;
    return date;
}

}  // namespace ranvik
