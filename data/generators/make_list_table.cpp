// Builds a stock list table (*.eTBL) from readable UTF-8 sources.
//
//   make_list_table --version 4.4.24 --out <table> [--by-code] <source>...
//
// A source line is either a heading, "****" and the heading text, or a stock:
// code, market letter, section, trading unit and name, separated by blanks
// (the name is the rest of the line and may hold blanks).  Empty lines and
// lines starting with "#" are skipped.
//
// Without --by-code the one source becomes the table as written, headings
// and all.  With --by-code every stock of every source goes into one table in
// ascending code order, without headings; a code met again keeps its first
// entry, so the sources are given in the order of precedence.
//
// Anything the record cannot hold exactly (a name longer than its field, a
// character outside Shift-JIS, a code not of four characters) stops the build
// with the source line named, rather than being cut silently.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/lists/list_entry.h"
#include "platform/lists/list_table.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/text_file.h"

namespace {

using ranvik::ListEntry;

struct SourceEntry {
    ListEntry entry;
    std::string where;  // file:line, for messages
};

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "make_list_table: " << message << "\n";
    std::exit(1);
}

bool FitsField(const std::string& text, std::size_t width) {
    const std::string ansi = ranvik::ToAnsi(text);
    return ansi.size() <= width && ranvik::FromAnsi(ansi) == text;
}

int ParseNumber(const std::string& text, int low, int high, const std::string& what, const std::string& where) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        Fail(where + ": " + what + " is not a number: " + text);
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < low || value > high) Fail(where + ": " + what + " out of range: " + text);
    return static_cast<int>(value);
}

std::vector<SourceEntry> ReadSource(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("cannot read " + path);
    std::vector<SourceEntry> entries;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (lineNo == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string where = path + ":" + std::to_string(lineNo);
        const std::string trimmed = ranvik::Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;

        SourceEntry s;
        s.where = where;
        if (trimmed.rfind(ranvik::kHeadingCode, 0) == 0) {
            s.entry.Code = std::string(ranvik::kHeadingCode);
            s.entry.StockName = ranvik::Trim(trimmed.substr(ranvik::kHeadingCode.size()));
            if (s.entry.StockName.empty()) Fail(where + ": heading without text");
        } else {
            std::istringstream fields(trimmed);
            std::string code, market, section, unit;
            fields >> code >> market >> section >> unit;
            std::string name;
            std::getline(fields, name);
            name = ranvik::Trim(name);
            if (name.empty()) Fail(where + ": expected code, market, section, unit and name");
            if (code.size() != ListEntry::kCodeWidth ||
                code.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos)
                Fail(where + ": code must be four digits or capital letters: " + code);
            if (market.size() != 1 || market[0] < 'a' || market[0] > 'z')
                Fail(where + ": market must be one small letter: " + market);
            s.entry.Code = code;
            s.entry.Market = market;
            s.entry.Section = static_cast<std::uint8_t>(ParseNumber(section, 0, 9, "section", where));
            s.entry.TradingUnit = static_cast<std::int16_t>(ParseNumber(unit, 1, 32767, "trading unit", where));
            s.entry.StockName = name;
        }
        if (!FitsField(s.entry.StockName, ListEntry::kNameWidth))
            Fail(where + ": name does not fit 52 Shift-JIS bytes: " + s.entry.StockName);
        entries.push_back(s);
    }
    return entries;
}

}  // namespace

int main(int argc, char** argv) {
    std::string version, out;
    bool byCode = false;
    std::vector<std::string> sources;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--version" && i + 1 < argc) version = argv[++i];
        else if (arg == "--out" && i + 1 < argc) out = argv[++i];
        else if (arg == "--by-code") byCode = true;
        else if (!arg.empty() && arg[0] == '-') Fail("unknown option " + arg);
        else sources.push_back(arg);
    }
    if (version.empty() || out.empty() || sources.empty())
        Fail("usage: make_list_table --version x.y.z --out <table> [--by-code] <source>...");
    if (!byCode && sources.size() != 1) Fail("a table in display order is made from one source");

    std::vector<ListEntry> entries;
    if (byCode) {
        std::map<std::string, ListEntry> byCodeMap;  // std::string order: ascending bytes
        for (const auto& source : sources)
            for (const auto& s : ReadSource(source))
                if (!s.entry.IsHeading()) byCodeMap.emplace(s.entry.Code, s.entry);
        for (auto& [code, entry] : byCodeMap) entries.push_back(entry);
    } else {
        std::set<std::string> seen;
        for (const auto& s : ReadSource(sources.front())) {
            if (!s.entry.IsHeading() && !seen.insert(s.entry.Code).second)
                Fail(s.where + ": code listed twice: " + s.entry.Code);
            entries.push_back(s.entry);
        }
    }

    ListEntry header;
    header.StockName = version;
    std::string bytes;
    try {
        bytes = ranvik::ListTableBytes(header, entries);
    } catch (const std::exception& e) {
        Fail(out + ": " + e.what());
    }
    if (!ranvik::ReplaceFileBytes(out, bytes)) Fail("cannot write " + out);
    return 0;
}
