#pragma once
// The chart window's scroll bar and the records it shows.  The scroll value
// counts x units (7 a bar) and is 16-bit, so it addresses 32767 \ 7 = 4681
// bars: for a longer file the data-cut view moves the mapping to the newest
// 4681 records.  Daily data shown as monthly candles counts records directly.
#include <cstdint>

namespace ranvik {

inline constexpr int kScrollableBars = 4681;

// The first shown record for a scroll value: never below record 2 (record 1
// is the header); a value beyond the file's end shows its last two thirds.
std::int16_t FirstRecordForScroll(int scrollValue, int recordCount, bool monthlyFromDaily, bool dataCutView);

}  // namespace ranvik
