#include "platform/runtime/dates.h"

#include <ctime>
#include <utility>
#include <vector>

#include "platform/runtime/ansi_text.h"

namespace ranvik {

namespace {

ClockFunction& ClockSlot() {
    static ClockFunction clock;
    return clock;
}

DateTime SystemNow() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string TwoDigits(int n) {
    n = ((n % 100) + 100) % 100;
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

DateTime Now() { return ClockSlot() ? ClockSlot()() : SystemNow(); }
Date Today() { return Now().date; }
void SetClock(ClockFunction clock) { ClockSlot() = std::move(clock); }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const Date& d) {
    return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= DaysInMonth(d.year, d.month);
}

// Howard Hinnant's days-from-civil algorithm.
std::int64_t DayNumber(const Date& d) {
    const int y = d.year - (d.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (d.month + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + d.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

Date DateFromDayNumber(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<int>(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int day = doy - (153 * mp + 2) / 5 + 1;
    const int month = mp < 10 ? mp + 3 : mp - 9;
    const int year = static_cast<int>(yoe + era * 400) + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

Date AddDays(const Date& d, std::int64_t days) { return DateFromDayNumber(DayNumber(d) + days); }

int Weekday(const Date& d) {
    // 1970-01-01 was a Thursday (5).
    const std::int64_t n = DayNumber(d);
    return static_cast<int>(((n + 4) % 7 + 7) % 7) + 1;
}

std::string FormatMmDdYy(const Date& d) { return TwoDigits(d.month) + "/" + TwoDigits(d.day) + "/" + TwoDigits(d.year); }

int FullYearOf(int year2) { return year2 < 60 ? 2000 + year2 : 1900 + year2; }

std::optional<MmDdYy> ParseMmDdYy(std::string_view text) {
    if (text.size() != 8 || text[2] != '/' || text[5] != '/') return std::nullopt;
    const auto mm = text.substr(0, 2), dd = text.substr(3, 2), yy = text.substr(6, 2);
    if (!AllDigits(mm) || !AllDigits(dd) || !AllDigits(yy)) return std::nullopt;
    const MmDdYy d{std::stoi(std::string(mm)), std::stoi(std::string(dd)), std::stoi(std::string(yy))};
    if (!IsValidDate({FullYearOf(d.year2), d.month, d.day})) return std::nullopt;
    return d;
}

std::optional<TypedDate> ParseTypedDate(std::string_view text) {
    std::string s = Trim(ToNarrow(text));
    // 年 and 月 separate like "/", 日 may close the text.
    std::string unified;
    for (std::size_t i = 0; i < s.size();) {
        if (s.compare(i, 3, "年") == 0 || s.compare(i, 3, "月") == 0) {
            unified += '/';
            i += 3;
        } else if (s.compare(i, 3, "日") == 0 && i + 3 == s.size()) {
            i += 3;
        } else {
            unified += (s[i] == '-' || s[i] == '.') ? '/' : s[i];
            ++i;
        }
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = unified.find('/', start);
        parts.push_back(unified.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    if (parts.size() != 3) return std::nullopt;
    for (const auto& p : parts)
        if (!AllDigits(p) || p.size() > 4) return std::nullopt;
    if (parts[0].size() != 4 && parts[0].size() > 2) return std::nullopt;
    if (parts[1].size() > 2 || parts[2].size() > 2) return std::nullopt;
    TypedDate typed;
    typed.yearDigits = static_cast<int>(parts[0].size());
    typed.date = {std::stoi(parts[0]), std::stoi(parts[1]), std::stoi(parts[2])};
    Date check = typed.date;
    if (typed.yearDigits <= 2) check.year += 2000;
    if (!IsValidDate(check)) return std::nullopt;
    return typed;
}

}  // namespace ranvik
