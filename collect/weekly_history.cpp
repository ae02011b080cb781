// The weekly history page reader.
#include "collect/weekly_history.h"

#include <optional>
#include <string_view>
#include <vector>

#include "collect/daily_history.h"
#include "collect/exchange_calendar.h"
#include "collect/page_text.h"
#include "collect/row_store.h"
#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/folder.h"

namespace ranvik {

namespace {

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The text between the second "-->" from `from` and the next "<".
std::optional<std::string_view> AfterSecondCommentEnd(std::string_view line, std::size_t& from) {
    for (int k = 0; k < 2; ++k) {
        const std::size_t end = line.find("-->", from);
        if (end == std::string_view::npos) return std::nullopt;
        from = end + 3;
    }
    const std::size_t lt = line.find('<', from);
    if (lt == std::string_view::npos) return std::nullopt;
    const std::string_view text = line.substr(from, lt - from);
    from = lt;
    return text;
}

// A saved page writes its date as year, "/", month, "/", day with comment
// marks between the pieces: "2024<!-- -->/<!-- -->5<!-- -->/<!-- -->10".
std::optional<Date> DateAtMarker(std::string_view line, std::size_t marker) {
    const std::size_t gt = line.find('>', marker);
    if (gt == std::string_view::npos || gt + 5 > line.size()) return std::nullopt;
    const std::string_view year = line.substr(gt + 1, 4);
    std::size_t at = gt + 5;
    const auto month = AfterSecondCommentEnd(line, at);
    const auto day = month ? AfterSecondCommentEnd(line, at) : std::nullopt;
    if (!day || !AllDigits(year) || !AllDigits(*month) || !AllDigits(*day) || month->size() > 2 || day->size() > 2)
        return std::nullopt;
    const Date date{std::stoi(std::string(year)), std::stoi(std::string(*month)), std::stoi(std::string(*day))};
    if (!IsValidDate(date)) return std::nullopt;
    return date;
}

std::optional<Date> SavedPageDate(const PageText& page) {
    constexpr std::string_view kMarker = "_1qCXjxCj";
    if (const auto lineNo = page.FindLine(kMarker)) {
        const std::string_view line = page.Line(*lineNo);
        const std::size_t second = line.find(kMarker, line.find(kMarker) + 10);
        if (second != std::string_view::npos) return DateAtMarker(line, second);
    }
    if (const auto lineNo = page.FindLine("historyTermFromDate")) {
        const std::string_view line = page.Line(*lineNo);
        const std::size_t to = line.find("historyTermToDate", line.find("historyTermFromDate") + 10);
        if (to != std::string_view::npos) return DateAtMarker(line, to);
    }
    return std::nullopt;
}

std::string TwoDigits(int n) { return std::string(n < 10 ? "0" : "") + std::to_string(n); }

std::string ReferenceDay(const Date& d) {
    return std::to_string(d.year) + "/" + TwoDigits(d.month) + "/" + TwoDigits(d.day);
}

void ReplaceDay(std::string& referenceTime, const std::string& day) {
    referenceTime.replace(0, std::min<std::size_t>(10, referenceTime.size()), day);
}

std::optional<Date> ReferenceDate(const std::string& referenceTime) {
    if (referenceTime.size() < 10 || referenceTime[4] != '/' || referenceTime[7] != '/') return std::nullopt;
    const std::string_view t(referenceTime);
    if (!AllDigits(t.substr(0, 4)) || !AllDigits(t.substr(5, 2)) || !AllDigits(t.substr(8, 2))) return std::nullopt;
    const Date d{std::stoi(referenceTime.substr(0, 4)), std::stoi(referenceTime.substr(5, 2)),
                 std::stoi(referenceTime.substr(8, 2))};
    if (!IsValidDate(d)) return std::nullopt;
    return d;
}

int ReferenceHour(const std::string& referenceTime) {
    const std::size_t colon = referenceTime.find(':');
    if (colon == std::string::npos || colon < 2 || !AllDigits(std::string_view(referenceTime).substr(colon - 2, 2)))
        return 0;
    return std::stoi(referenceTime.substr(colon - 2, 2));
}

// A data file keeps two-digit years, 60 to 99 as 19yy and the others as
// 20yy: a week outside those hundred years would be stored as another one.
bool Storable(const Date& d) { return IsValidDate(d) && d.year >= 1960 && d.year <= 2059; }

}  // namespace

void AdjustWeeklyReference(std::string& referenceTime, bool rateCode) {
    if (Program().app.DebugPages != kFalse) {
        if (const std::optional<PageText> page = PageText::Load(Program().download.PageFile1)) {
            if (const auto saved = SavedPageDate(*page)) ReplaceDay(referenceTime, ReferenceDay(*saved));
        }
    }
    if (!rateCode && referenceTime.size() >= 10) {
        const std::string day = referenceTime.substr(0, 10);
        if (day >= "2019/04/28" && day <= "2019/05/06") ReplaceDay(referenceTime, "2019/04/27");
    }
    const std::optional<Date> date = ReferenceDate(referenceTime);
    if (!date) return;
    const std::string monthDay = referenceTime.substr(5, 5);
    if (monthDay <= "01/03" || (monthDay == "01/04" && ReferenceHour(referenceTime) < 19)) {
        referenceTime = std::to_string(date->year - 1) + "/12/31 19:30:00";
    }
    const Date d = *ReferenceDate(referenceTime);
    const int weekday = Weekday(d);
    if (weekday < 2 || weekday > 5) return;
    IsMondayHoliday(d.day, d.month, d.year, weekday);
    if (weekday >= 3 && Program().collection.MondayHolidayFlag != kFalse)
        IsFixedHoliday(d.day, d.month, d.year, weekday);
}

void ImportWeeklyHistory(const std::string& dataFile, const std::string& code, std::string& referenceTime,
                         int mode) {
    auto& net = Program().collection;
    const bool rate = IsRateCode(code);
    AdjustWeeklyReference(referenceTime, rate);
    StartPriceReport();
    if (!rate) net.PagePriceText.clear();
    net.PagePriceNote.clear();

    const std::vector<std::string> files = HistoryPageFiles();
    std::optional<PageText> page = LoadFirstHistoryPage(files, mode, rate);

    const Date latest = LatestTradingDay(Now(), code);
    const bool readVolume = CodeNumber(code) > 50;
    const bool savedPages = Program().app.DebugPages != kFalse;
    int previousYear = 0;
    int written = 0;
    RunStop stop = RunStop::None;
    try {
        // Opening creates a missing file, and one without its header would
        // take the rows as garbage.
        if (!FileExists(dataFile)) throw FileError("no stock data file " + dataFile);
        RecordFile file(dataFile, QuoteRecord::kLength);
        QuoteRowStore rows(file);
        for (std::size_t k = 0; k < files.size() && stop == RunStop::None; ++k) {
            // Saved pages come in a set of four unless a fifth was saved.
            if (k == 4 && savedPages && FileExistsIn("株HTML5.htm", Program().app.SavedPageDir) == 0) break;
            if (k > 0) page = PageText::Load(files[k]);
            if (!page) break;  // an unreadable page ends the sequence
            ForEachDailyRow(*page, readVolume, [&](const DailyPageRow& row) {
                if (row.kind == DailyPageRow::Kind::NoCalendarDay) return true;
                const Date friday = FridayOfWeek(row.date);
                if (!Storable(friday)) return true;
                // Four-digit years: the turn of 1999 to 2000 is no step back.
                if (previousYear != 0 && friday.year > previousYear) return false;
                previousYear = friday.year;
                if (row.kind == DailyPageRow::Kind::LacksField || DayNumber(row.date) > DayNumber(latest)) return true;
                std::string date = FormatMmDdYy(friday);
                // No exchange opened in that week of 2019: its row goes to
                // the week before, as the stored files have it.
                if (date == "05/03/19" && !rate) date = "04/26/19";
                const RowOutcome outcome = rows.Store(row.open, row.close, row.high, row.low, date, row.volume);
                if (outcome == RowOutcome::FileFull) {
                    stop = RunStop::FileFull;
                    return false;
                }
                if (Program().store.RecordWritten == kTrue) ++written;
                return true;
            });
        }
    } catch (const FileError&) {
        stop = RunStop::FileFailed;
    }
    ClosePriceReport(PriceReader::WeeklyHistory, written, mode, stop);
}

}  // namespace ranvik
