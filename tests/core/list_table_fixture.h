#pragma once
// Stock list tables written byte for byte, as the list editor stores them.
#include <string>

#include "platform/runtime/ansi_text.h"
#include "platform/runtime/record_file.h"
#include "tests/support/test_support.h"

namespace ranvik::test {

// One 68-byte ListEntry record.
inline std::string ListEntryBytes(int recordNo, const std::string& code, const std::string& name,
                                  char market = ' ', char section = 0, int unit = 0) {
    std::string r(68, '\0');
    PutInteger(r, 0, static_cast<std::int16_t>(recordNo));
    r.replace(2, 4, PackField(code, 4));
    r.replace(6, 52, PackField(name, 52));
    r[58] = market;
    r[59] = section;
    r.replace(60, 4, PackField("", 4));
    PutInteger(r, 64, static_cast<std::int16_t>(unit));
    return r;
}

// A table whose header holds `version`, with one stock after it.
inline void WriteListTable(const std::string& path, const std::string& version) {
    WriteBytes(path, ListEntryBytes(2, "", version) + ListEntryBytes(2, "1301", "極洋", 't', 1, 100));
}

}  // namespace ranvik::test
