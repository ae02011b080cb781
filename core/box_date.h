#pragma once
// The date a user types into a date box of the main window: the collection
// panel reads its parts by position, so only the exact written form counts.
#include <optional>
#include <string_view>

#include "platform/runtime/dates.h"

namespace ranvik {

// Exactly ten characters "yyyy/mm/dd" (half-width digits, leading zeros
// written) naming a day of the calendar; nullopt for anything else, such as
// "2024/5/1", "2024-05-01" or "2026/02/30".
std::optional<Date> StrictBoxDate(std::string_view text);

}  // namespace ranvik
