#pragma once
// Helpers every test program shares.
#include <string>
#include <string_view>

#include "platform/runtime/dates.h"

namespace ranvik::test {

// A fresh folder under the system's temporary folder, removed with the
// object.  Path() ends with "/", as the program's folders do.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + std::string(name); }

private:
    std::string path_;
};

// Fixes today's date for the life of the object.
class FixedClock {
public:
    explicit FixedClock(Date today, int hour = 12, int minute = 0, int second = 0);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);
// Bytes written as hex pairs, for readable failure messages.
std::string Hex(std::string_view bytes);
// A fixture file of the test folder (tests/<folder>/fixtures/<name>).
std::string FixturePath(std::string_view fixtureDir, std::string_view name);

}  // namespace ranvik::test
