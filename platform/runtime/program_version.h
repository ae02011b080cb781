#pragma once
// The version of the programs (the original's App.Major, App.Minor and
// App.Revision).  The chart program and the list editor are shipped together
// and show the same version, so both take it from here.
namespace ranvik {

struct VersionNumber {
    int major = 0;
    int minor = 0;
    int revision = 0;
    auto operator<=>(const VersionNumber&) const = default;
};

inline constexpr VersionNumber kProgramVersion{4, 4, 24};

}  // namespace ranvik
