#pragma once
// The quote sites the address bar may name.  Each kind is recognised by a
// short part of its site's host name; the kind decides how the collection
// builds its requests and which page reader stores the rows.
//
// Kind 1 is the site whose "quote/" pages the company window and the page
// head also read (the URL list's QuoteSiteUrl), so it shares the URL list
// reader's fragment.
#include <string>
#include <string_view>

namespace ranvik {

struct QuoteSiteFragments {
    std::string kind1, kind2, kind3, kind4, kind5;
};

// The program's fragments, and the ones in force (tests put fragments of
// their own there, standing in the path of their local addresses).
QuoteSiteFragments DefaultQuoteSiteFragments();
const QuoteSiteFragments& QuoteSiteFragmentsInForce();
void SetQuoteSiteFragments(QuoteSiteFragments fragments);

// The kind of an address, 1 to 5, or 0 for no known site: the fragments are
// looked for anywhere in it, letter case counting, kinds 1, 2, 4, 3, 5 in
// this order, and the first found wins.
int QuoteSiteKindOf(std::string_view address);

// The classification the address bar runs on every change of its text:
// nothing while AddressBarGuard is -1; otherwise every QuoteSiteKind flag 0,
// `collectUrl` the text without a remark after a blank past position 10, and
// the flag of its kind -1.
void ClassifyAddressBar(std::string_view barText, std::string& collectUrl);

// The kind the flags hold, 0 when none is set.
int CurrentQuoteSiteKind();

}  // namespace ranvik
