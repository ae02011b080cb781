// The URL list on a file of any bytes: the chart program's reading (the
// address bar, the links, the administrator line, each address's parameter
// block) and the list editor's (the shown lines and the rest kept after the
// end marker, saved back byte for byte).
#include <algorithm>

#include "core/url_list.h"
#include "listedit/text_list.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    const std::string_view bytes = fuzz::InputOf(data, size);
    const std::string path = fuzz::FileIn(kUrlListFileName);
    fuzz::WriteFile(path, bytes);
    AddressBarList bar;
    LoadUrlList(bar);
    // The program asks for one address's parameters at a time; a few
    // addresses of the list stand for all of them.
    std::vector<std::string> addresses(bar.items.begin(), bar.items.begin() + std::min<std::size_t>(bar.items.size(), 3));
    addresses.push_back("https://finance.example.jp/quote/");
    for (const std::string& address : addresses) {
        for (const char* code : {"7203", "1301", ""}) GetUrlParameter(fuzz::FileIn(""), address, code);
    }
    const std::optional<listedit::TextListContents> list = listedit::ReadTextList(path);
    fuzz::Check(list.has_value(), "a URL list that is there can be read");
    fuzz::Check(listedit::TextListBytes(list->shown, *list) == bytes, "a URL list saved unedited is byte-identical");
    fuzz::Check(fuzz::ReadFile(path) == bytes, "reading leaves the URL list as it was");
    return 0;
}
