#include "collect/quote_sites.h"

#include "core/program_state.h"
#include "core/stock_selection.h"
#include "core/url_list.h"

namespace ranvik {

namespace {

QuoteSiteFragments& Fragments() {
    static QuoteSiteFragments fragments = DefaultQuoteSiteFragments();
    return fragments;
}

bool Holds(std::string_view address, const std::string& fragment) {
    return !fragment.empty() && address.find(fragment) != std::string_view::npos;
}

}  // namespace

QuoteSiteFragments DefaultQuoteSiteFragments() {
    return {std::string(kQuoteSiteHostFragment), "minka", "nikke", "kabuc", "inves"};
}

const QuoteSiteFragments& QuoteSiteFragmentsInForce() { return Fragments(); }

void SetQuoteSiteFragments(QuoteSiteFragments fragments) { Fragments() = std::move(fragments); }

int QuoteSiteKindOf(std::string_view address) {
    const QuoteSiteFragments& f = Fragments();
    const struct {
        int kind;
        const std::string& fragment;
    } order[] = {{1, f.kind1}, {2, f.kind2}, {4, f.kind4}, {3, f.kind3}, {5, f.kind5}};
    for (const auto& site : order) {
        if (Holds(address, site.fragment)) return site.kind;
    }
    return 0;
}

void ClassifyAddressBar(std::string_view barText, std::string& collectUrl) {
    auto& c = Program().collection;
    if (c.AddressBarGuard == kTrue) return;
    c.QuoteSiteKind1 = c.QuoteSiteKind2 = c.QuoteSiteKind3 = c.QuoteSiteKind4 = c.QuoteSiteKind5 = kFalse;
    collectUrl = CutAtRemark(barText);
    switch (QuoteSiteKindOf(collectUrl)) {
    case 1: c.QuoteSiteKind1 = kTrue; break;
    case 2: c.QuoteSiteKind2 = kTrue; break;
    case 3: c.QuoteSiteKind3 = kTrue; break;
    case 4: c.QuoteSiteKind4 = kTrue; break;
    case 5: c.QuoteSiteKind5 = kTrue; break;
    default: break;
    }
}

int CurrentQuoteSiteKind() {
    const auto& c = Program().collection;
    if (c.QuoteSiteKind1 != kFalse) return 1;
    if (c.QuoteSiteKind2 != kFalse) return 2;
    if (c.QuoteSiteKind4 != kFalse) return 4;
    if (c.QuoteSiteKind3 != kFalse) return 3;
    if (c.QuoteSiteKind5 != kFalse) return 5;
    return 0;
}

}  // namespace ranvik
