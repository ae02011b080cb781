#include "core/url_list.h"

#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/text_file.h"

namespace ranvik {

namespace {

constexpr std::string_view kActiveAddress = "株価データ";
constexpr std::string_view kFurtherAddress = "*株価データ";
constexpr std::string_view kAdministrator = "管理者";
constexpr std::string_view kIdeographicBlank = "　";

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// The link number of an investment-information line (0 to 2, with a narrow
// or a wide digit), or -1.
int InfoLinkNumber(std::string_view line) {
    static constexpr std::string_view kPrefixes[3][2] = {
        {"投資情報0", "投資情報０"}, {"投資情報1", "投資情報１"}, {"投資情報2", "投資情報２"}};
    for (int n = 0; n < 3; ++n)
        for (const auto prefix : kPrefixes[n])
            if (StartsWith(line, prefix)) return n;
    return -1;
}

// The value of a parameter line: after its first "=", up to the first blank
// after it, else up to the first ideographic blank, else to the end.
std::string ParameterValue(std::string_view line) {
    std::string_view rest = line.substr(line.find('=') + 1);
    std::size_t end = rest.find(' ');
    if (end == std::string_view::npos) end = rest.find(kIdeographicBlank);
    return std::string(rest.substr(0, end));
}

}  // namespace

bool IsUrlListEnd(std::string_view line) { return Contains(line, "<END>") || Contains(line, "//END"); }

void LoadUrlList(AddressBarList& addressBar) {
    auto& app = Program().app;
    auto& download = Program().download;
    app.AdminMode = kFalse;
    download.QuoteSiteUrl.clear();
    if (FileExistsIn(std::string(kUrlListFileName), app.AppDir) == 0) return;
    const auto lines = ReadTextLines(app.AppDir + std::string(kUrlListFileName));
    if (!lines) return;

    std::string* const links[3] = {&download.InfoLink0, &download.InfoLink1, &download.InfoLink2};
    for (const auto& raw : *lines) {
        if (IsUrlListEnd(raw.text)) break;
        const std::string line = Trim(raw.text);
        if (line.empty()) continue;
        // A line that ends right after its marker word has an empty value
        // here and is passed over; the lines below it are still read.
        if (StartsWith(line, kFurtherAddress)) {
            const std::string address = MidChars(line, 8);
            if (!address.empty() && !Contains(address, kCompanyInfoHostFragment))
                addressBar.items.push_back(address);
            if (Contains(address, kQuoteSiteHostFragment)) download.QuoteSiteUrl = address;
        } else if (StartsWith(line, kActiveAddress)) {
            const std::string address = MidChars(line, 7);
            if (!address.empty()) {
                addressBar.text = address;
                addressBar.items.push_back(address);
                if (Contains(address, kQuoteSiteHostFragment)) download.QuoteSiteUrl = address;
            }
        } else if (const int n = InfoLinkNumber(line); n >= 0) {
            if (CharCount(line) > 5) *links[n] = MidChars(line, 7);
        } else if (StartsWith(line, kAdministrator)) {
            if (ToUpper(MidChars(line, 5)) == kAdministratorValue) app.AdminMode = kTrue;
        }
    }
}

std::string GetUrlParameter(const std::string& folder, std::string_view address, std::string_view code) {
    if (FileExistsIn(std::string(kUrlListFileName), folder) == 0) return {};
    const auto lines = ReadTextLines(folder + std::string(kUrlListFileName));
    if (!lines) return {};
    const std::string wanted = LeftChars(address, 26);

    std::size_t i = 0;
    // The block of the first address line that agrees with the address.
    for (; i < lines->size(); ++i) {
        const std::string& raw = (*lines)[i].text;
        if (IsUrlListEnd(raw)) return {};
        const std::string line = Trim(raw);
        std::string listed;
        if (StartsWith(line, "株価データ="))
            listed = MidChars(line, 7);
        else if (StartsWith(line, "*株価データ="))
            listed = MidChars(line, 8);
        else
            continue;
        if (!listed.empty() && LeftChars(listed, 26) == wanted) break;
    }
    // Its lines are read as they stand, up to the next address line.
    for (++i; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i].text;
        if (IsUrlListEnd(line)) return {};
        const std::size_t addressAt = FindChars(line, "株価データ=");
        if (addressAt == 1 || addressAt == 2) return {};
        if (StartsWith(line, "%") && MidChars(line, 2, 4) == code && Contains(line, "="))
            return ParameterValue(line);
    }
    return {};
}

}  // namespace ranvik
