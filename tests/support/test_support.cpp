#include "tests/support/test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ranvik::test {

TempFolder::TempFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "ranvik-test-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = tmpl + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

FixedClock::FixedClock(Date today, int hour, int minute, int second) {
    SetClock([=] { return DateTime{today, hour, minute, second}; });
}

FixedClock::~FixedClock() { SetClock({}); }

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string Hex(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) out += (i % 16 == 0) ? '\n' : ' ';
        const auto c = static_cast<unsigned char>(bytes[i]);
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string FixturePath(std::string_view fixtureDir, std::string_view name) {
    return std::string(fixtureDir) + "/" + std::string(name);
}

}  // namespace ranvik::test
