#include "collect/collection_requests.h"

#include <cstdio>

#include "collect/exchange_calendar.h"
#include "core/box_date.h"
#include "core/page_files.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n % 100);
    return text;
}

std::string FourDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%04d", n % 10000);
    return text;
}

int Compare(const Date& a, const Date& b) {
    if (a.year != b.year) return a.year < b.year ? -1 : 1;
    if (a.month != b.month) return a.month < b.month ? -1 : 1;
    if (a.day != b.day) return a.day < b.day ? -1 : 1;
    return 0;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The page after "y/" named again: the first p + 1 characters, the new
// name and the one character at position p + k.
std::string RenamePage(const std::string& url, std::size_t p, std::size_t k, std::string_view name) {
    std::string out = LeftChars(url, p + 1);
    out.append(name);
    out.append(MidChars(url, p + k, 1));
    return out;
}

// Position of "y/y", else "y/d" (k = 8), else, when allowed, "y/t" (k = 7).
std::size_t FindPage(const std::string& url, bool withTrust, std::size_t& k) {
    k = 8;
    if (const std::size_t p = FindChars(url, "y/y")) return p;
    if (const std::size_t p = FindChars(url, "y/d")) return p;
    k = 7;
    if (withTrust) return FindChars(url, "y/t");
    return 0;
}

}  // namespace

// ---------------------------------------------------------------- date range

std::optional<Date> CollectionBoxDate(std::string_view text) { return StrictBoxDate(text); }

int FirstMarginPage(const Date& today, const Date& to) {
    int years = today.year - to.year - 1;
    int months = today.month + (12 - to.month) - 1;
    if (months > 12) {
        years += 1;
        months -= 12;
    }
    const int days = today.day + 31 - to.day;
    const double page = RoundHalfEven((years * 365.0 + months * 30.0 + days) / 140.0 - 1.0);
    return page < 1 ? 1 : static_cast<int>(page);
}

RangeCheck CheckCollectionRange(std::string_view fromBox, std::string_view toBox, const Date& today,
                                bool marginPages) {
    const auto refuse = [](RangeRefusal box, int step) {
        RangeCheck check;
        check.refused = box;
        check.step = step;
        return check;
    };
    const std::optional<Date> to = CollectionBoxDate(toBox);
    if (!to) return refuse(RangeRefusal::ToBox, 1);
    const std::optional<Date> from = CollectionBoxDate(fromBox);
    if (!from) return refuse(RangeRefusal::FromBox, 2);
    if (Compare(*to, today) > 0) return refuse(RangeRefusal::ToBox, 4);
    if (Compare(*from, *to) > 0) return refuse(RangeRefusal::FromBox, 5);
    RangeCheck check;
    if (marginPages) check.pageStart = FirstMarginPage(today, *to);
    return check;
}

// ---------------------------------------------------------------- rewrites

std::string HistoryAddressOf(const std::string& url) {
    const std::size_t p = FindChars(url, "margin");
    if (p == 0) return url;
    return LeftChars(url, p - 1) + "history?";
}

std::optional<std::string> ButtonSecondRunAddress(const std::string& url, int kind) {
    if (kind == 1) {
        const std::size_t p = FindChars(url, "y?");
        if (p == 0 || p < 7) return std::nullopt;
        return LeftChars(url, p - 7) + "margin?";
    }
    if (kind == 2) {
        std::size_t k = 0;
        const std::size_t p = FindPage(url, false, k);
        if (p == 0) return std::nullopt;
        return RenamePage(url, p, k, "trust");
    }
    return std::nullopt;
}

std::optional<std::string> GridPriceAddress(const std::string& url) {
    std::size_t k = 0;
    const std::size_t p = FindPage(url, true, k);
    if (p == 0) return std::nullopt;
    return RenamePage(url, p, k, "dprice");
}

std::optional<std::string> GridSecondRunAddress(const std::string& url, int kind) {
    if (kind == 1) {
        if (const std::size_t p = FindChars(url, "y?")) return LeftChars(url, p + 1) + "styl=margin&";
        if (const std::size_t p = FindChars(url, "y/?")) return LeftChars(url, p + 1) + "margin/?";
        return std::nullopt;
    }
    if (kind == 2) {
        std::size_t k = 0;
        const std::size_t p = FindPage(url, true, k);
        if (p == 0) return std::nullopt;
        return RenamePage(url, p, k, "trust");
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- requests

int ExchangeNumber(std::string_view market, std::string_view section) {
    if (market == ".n") return section == "1" ? 1 : 3;
    if (market == ".s") return 8;
    if (market == ".f") return 6;
    return 1;
}

std::string DateTimeText(const DateTime& m) {
    return FourDigits(m.date.year) + "/" + TwoDigits(m.date.month) + "/" + TwoDigits(m.date.day) + " " +
           TwoDigits(m.hour) + ":" + TwoDigits(m.minute) + ":" + TwoDigits(m.second);
}

namespace {

void PlanKind2(const CollectionRequestInput& in, CollectionRequestPlan& plan) {
    std::string url = in.collectUrl;
    const std::size_t ory = FindChars(url, "ory/");
    if (ory == 0) {
        plan.refused = PlanRefusal::MissingMarker;
        return;
    }
    plan.showProgress = true;
    plan.progressEnd = 200;
    const int exchange = ExchangeNumber(in.currentMarket, in.currentSection);
    std::string base;
    std::string folder = in.appDir;
    if (!Contains(url, "ory/t") || in.daily) {
        // The page letter: "d" daily, "y" weekly.
        if (CharCount(url) > ory + 3) {
            url = LeftChars(url, ory + 3) + (in.daily ? "d" : "y") + MidChars(url, ory + 5);
        }
        if (const std::size_t code = FindChars(url, "code=")) {
            url = LeftChars(url, code + 4);
            base = url;
        } else {
            base = url + "?" + "s" + "code=";
        }
    } else {
        base = url + "?" + "s" + "code=";
        if (in.debug) folder = in.savedPageDir;
    }
    plan.collectUrl = url;
    plan.requests.push_back(base + in.collectCode + "&ba=" + std::to_string(exchange));
    plan.pageFiles.push_back(folder + PageFileName(1));
}

void PlanKind4(const CollectionRequestInput& in, CollectionRequestPlan& plan) {
    const std::size_t p = FindChars(in.collectUrl, "ote/");
    if (p == 0) {
        plan.refused = PlanRefusal::MissingMarker;
        return;
    }
    std::string base = LeftChars(in.collectUrl, p + 4) + "?";
    base += in.daily ? std::string("h=3m&") + "c=" : std::string("r=3m&") + "h=1y&" + "c=";
    plan.collectUrl = base;
    plan.clearMarket = true;
    plan.requests.push_back(base + in.collectCode);
    plan.pageFiles.push_back(in.appDir + PageFileName(1));
}

void PlanKind1(const CollectionRequestInput& in, CollectionRequestPlan& plan) {
    const std::string& url = in.collectUrl;
    std::string s;
    if (Contains(url, "?")) {
        s = Contains(url, "margin") ? url : LeftChars(url, FindChars(url, "?"));
    } else {
        s = url + "?";
    }
    const double codeNo = Val(in.currentCode);
    std::string market = in.currentMarket;
    if (codeNo >= 10 && codeNo < 100) {
        plan.clearMarket = true;
        market.clear();
    }
    const std::size_t q = FindChars(s, "quote/");
    const std::size_t r = q == 0 ? 0 : FindChars(s, "/", q + 6);
    if (q == 0 || r <= q + 6) {
        plan.refused = PlanRefusal::MissingMarker;
        return;
    }
    s = LeftChars(s, q + 5) + in.collectCode + market + MidChars(s, r);
    const std::string period = in.daily ? "d" : "w";

    std::string endYear, endMonth, endDay;
    if (in.typedRange) {
        plan.dateYear = MidChars(in.fromBox, 1, 4);
        plan.dateMonth = MidChars(in.fromBox, 6, 2);
        plan.dateDay = MidChars(in.fromBox, 9, 2);
        endYear = MidChars(in.toBox, 1, 4);
        endMonth = MidChars(in.toBox, 6, 2);
        endDay = MidChars(in.toBox, 9, 2);
        plan.collectEndTime = in.toBox + " 19:30:00";
    } else {
        const Date today = in.now.date;
        endYear = FourDigits(today.year);
        endMonth = TwoDigits(today.month);
        endDay = TwoDigits(today.day);
        DateMinusDays(in.daily ? 300 : 1400, FormatMmDdYy(today));
        const auto& c = Program().collection;
        plan.dateYear = c.DateYearPart;
        plan.dateMonth = c.DateMonthPart;
        plan.dateDay = c.DateDayPart;
        plan.collectEndTime = DateTimeText(in.now);
    }
    plan.showProgress = true;
    plan.progressEnd = 50;
    const bool margin = Contains(s, "margin");
    const std::string& folder = in.debug && margin ? in.savedPageDir : in.appDir;
    std::string base;
    if (margin) {
        base = s + "page=";
    } else {
        base = s + "from=" + plan.dateYear + plan.dateMonth + plan.dateDay + "&" + "to=" + endYear + endMonth +
               endDay + "&" + "timeFrame=" + period + "&" + "page=";
    }
    const int pages = in.newStock || in.daily ? 8 : 4;
    for (int k = 1; k <= pages; ++k) {
        plan.requests.push_back(base + std::to_string(in.pageStart + k - 1));
        plan.pageFiles.push_back(folder + PageFileName(k));
    }
    plan.collectUrl = url;
}

}  // namespace

CollectionRequestPlan PlanCollectionRequests(const CollectionRequestInput& in) {
    CollectionRequestPlan plan;
    plan.collectUrl = in.collectUrl;
    switch (in.kind) {
    case 2: PlanKind2(in, plan); break;
    case 4: PlanKind4(in, plan); break;
    case 1: PlanKind1(in, plan); break;
    default: plan.refused = PlanRefusal::UnsupportedKind; break;
    }
    if (plan.refused != PlanRefusal::None) {
        plan.requests.clear();
        plan.pageFiles.clear();
        plan.collectUrl = in.collectUrl;
        plan.clearMarket = false;
        plan.collectEndTime.reset();
    }
    return plan;
}

}  // namespace ranvik
