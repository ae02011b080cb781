#pragma once
// The URL list "MyURL.txt" in the program folder: the quote-site addresses
// offered in the address bar, each with a block of per-stock parameter
// lines, the investment-information links and the administrator line.  The
// list editor writes it; the chart program only reads it.
//
// Line kinds, recognised on the line trimmed of blanks:
//   Version=4.4.24                 version of the list (first line)
//   株価データ=<address>           active quote-site address
//   *株価データ=<address>          further address, offered but not chosen
//   %<code>=<value> <comment>      parameter of the address line above
//   投資情報0=<link> (also 1, 2, and with wide digits)
//   管理者=<value>                 administrator switch
// A line holding "<END>" or "//END" ends the list; other lines are ignored.
#include <string>
#include <string_view>
#include <vector>

namespace ranvik {

inline constexpr std::string_view kUrlListFileName = "MyURL.txt";

// The address of the quote site whose quote page the company results window
// reads is recognised by this part of its host name.
inline constexpr std::string_view kQuoteSiteHostFragment = "yahoo";
// Addresses of the company-information site are not quote sources: they
// are kept out of the address bar's list.
inline constexpr std::string_view kCompanyInfoHostFragment = "kabutan";
// The administrator line's value (letter case does not count).
inline constexpr std::string_view kAdministratorValue = "KVO";

// The address bar's contents as the URL list gives them: the entries of its
// list in file order and the text it shows.  The main window puts them into
// its combo box.
struct AddressBarList {
    std::vector<std::string> items;
    std::string text;
};

// True when the line ends the list.
bool IsUrlListEnd(std::string_view line);

// Reads AppDir & "MyURL.txt": fills the address bar (every further address
// except the company-information site's and every active address go into the
// list; the last active one becomes its text), sets QuoteSiteUrl, the links
// InfoLink0 to InfoLink2 (a link without a line keeps its value) and
// AdminMode.  Without the list AdminMode is 0 and QuoteSiteUrl empty.
// A line cut short after its marker word is skipped.
void LoadUrlList(AddressBarList& addressBar);

// The parameter of `code` under `address` in the URL list of `folder`: in the
// block of the first address line that agrees with `address` in its first 26
// characters, the value of the line "%" & code & "=" (up to the first blank,
// else the first ideographic blank).  Empty when there is none.
std::string GetUrlParameter(const std::string& folder, std::string_view address, std::string_view code);

}  // namespace ranvik
