#pragma once
// Number patterns ("#,###", "#,###.##", "#,##0", "0.##", "0.#0", "0.###0",
// "#,###.#0", "0.#", "##", "###"): "#" is a digit shown only when
// significant, "0" a digit always shown, "," between digits groups
// thousands, "." is the decimal point, printed whenever the pattern has one.
// The value is rounded half away from zero to the pattern's last decimal
// place.  After the point, every place up to the last "0" is always shown,
// the "#" places behind it only when significant ("0.#0" writes 2.5 as
// "2.50", "0.##" writes 2.5 as "2.5" and 2 as "2.").  Zero under a pattern of
// "#" digits alone prints as nothing; a value that rounds to zero carries no
// minus sign.
#include <string>
#include <string_view>

namespace ranvik {

std::string FormatNumber(double value, std::string_view pattern);

}  // namespace ranvik
