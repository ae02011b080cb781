#pragma once
// The collection's request addresses and the rewrites of its working address
// between runs, as plain functions of their inputs.
//
// Positions in the rules are counted from 1, as in every text routine of the
// program: "its first p - 1 characters" is LeftChars(text, p - 1).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/runtime/dates.h"

namespace ranvik {

// ---------------------------------------------------------------- date range

// A date box's text as the collection takes it: exactly ten characters
// written yyyy/mm/dd naming a real day.  Anything else is refused: its parts
// would be read by position into a wrong request.
std::optional<Date> CollectionBoxDate(std::string_view text);

enum class RangeRefusal { None, ToBox, FromBox };

struct RangeCheck {
    RangeRefusal refused = RangeRefusal::None;
    int step = 0;       // the step that refused: 1 To box, 2 From box, 4 To after today, 5 From after To
    int pageStart = 1;  // first margin page to request
};

// The typed range's check in its order (To box first; a To date after today;
// a From date after the To date), and for margin pages of the first site
// kind (`marginPages`) the first page the To date needs.
RangeCheck CheckCollectionRange(std::string_view fromBox, std::string_view toBox, const Date& today,
                                bool marginPages);
// The first margin page for a range ending at `to`: about 140 days a page.
int FirstMarginPage(const Date& today, const Date& to);

// ---------------------------------------------------------------- rewrites between runs

// Site kind 1: a margin address back to its history address (the part
// before "margin" & "history?"); any other address unchanged.
std::string HistoryAddressOf(const std::string& url);
// The collect button's second run: site kind 1 turns "...history?" into
// "...margin?"; site kind 2 (update mode only, checked by the caller) turns
// the page after "y/" into "trust" keeping one character after the old page
// name.  nullopt when the address has no place for it.
std::optional<std::string> ButtonSecondRunAddress(const std::string& url, int kind);
// The double-click's first run for weekly data of site kind 2: the page
// after "y/" becomes "dprice" and one character after the old name is kept.
std::optional<std::string> GridPriceAddress(const std::string& url);
// The double-click's second run: site kind 1 adds "styl=margin&" after
// "y?", or turns "y/?" into "y/margin/?"; site kind 2 puts "trust" after
// "y/", keeping one character after the old page name.
std::optional<std::string> GridSecondRunAddress(const std::string& url, int kind);

// ---------------------------------------------------------------- requests

struct CollectionRequestInput {
    int kind = 0;               // site kind of the address bar, 0 none
    std::string collectUrl;     // the working address
    std::string collectCode;    // code put into addresses (the URL list's for codes below 100)
    std::string currentCode;    // the selected stock's code
    std::string currentMarket;  // "." and the market letter
    std::string currentSection;
    bool daily = false;
    bool newStock = false;
    bool typedRange = false;  // update mode with the typed range (already checked)
    std::string fromBox, toBox;
    int pageStart = 1;
    DateTime now;
    bool debug = false;  // saved pages are read instead
    std::string appDir, savedPageDir;
};

enum class PlanRefusal {
    None,
    UnsupportedKind,  // kinds 3 and 5, or no kind
    MissingMarker,    // the address lacks the part its kind's requests are built on
};

struct CollectionRequestPlan {
    PlanRefusal refused = PlanRefusal::None;
    std::vector<std::string> requests;
    std::vector<std::string> pageFiles;  // PageFile1 on, one per request
    std::string collectUrl;              // the working address afterwards
    bool clearMarket = false;            // CurrentMarket is emptied
    std::optional<std::string> collectEndTime;
    bool showProgress = false;
    double progressEnd = 0;
    // Start of the requested history (site kind 1): four, two, two digits.
    std::string dateYear, dateMonth, dateDay;
};

CollectionRequestPlan PlanCollectionRequests(const CollectionRequestInput& in);

// Exchange number of the second site kind for a market and section.
int ExchangeNumber(std::string_view market, std::string_view section);

// "yyyy/mm/dd hh:mm:ss", the present moment as the history readers take it.
std::string DateTimeText(const DateTime& moment);

}  // namespace ranvik
