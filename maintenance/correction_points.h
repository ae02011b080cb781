#pragma once
// The split correction's multipliers apart from the window: the multiplier
// of a price jump as the correction table shows it.
#include <optional>
#include <string>

namespace ranvik {

// The multiplier of the jump from the older neighbour's opening price `prev`
// to the picked row's `cur`, in display form: a fall as a whole number ("2"
// for one half), a rise with one decimal ("0.5" for twice), a rise that
// rounds to a whole number as that number.  nullopt where no stored form
// exists: a price of 0 or below, a rise that rounds to nothing, or a ratio
// of 100 or more, which the two-character field cannot hold.
std::optional<std::string> JumpMultiplier(double prev, double cur);

// The stored form of a multiplier the table shows: "" for 1 (no point),
// "2" to "99" for a whole factor, "0" and a digit for tenths from 0.1 to
// 0.9.  nullopt for any other text, which has no stored form.
std::optional<std::string> StoredMultiplier(const std::string& shown);

// The display form of a multiplier typed into the correction table: above
// 1 the nearest whole number, 1 as typed, below 1 "0." and the first digit
// of ten times the value (0.25 gives "0.2").  nullopt for a text that is
// not a number or a value outside 0.1 to 99.
std::optional<std::string> TypedMultiplier(const std::string& entry);

}  // namespace ranvik
