#pragma once
// The operating-system version as a number such as 6.1.  The layout adds
// margins from major version 6 on, which every desktop this program runs on
// today needs, so the version reported is 10.
namespace ranvik {

double OperatingSystemVersion();
// Makes OperatingSystemVersion report `version` from now on (tests that
// cover both sides of 6); a value below 0 goes back to the default.
void SetOperatingSystemVersion(double version);

// The whole number the start-up keeps: rounded, halves to the even
// neighbour (6.5 gives 6).
int OperatingSystemMajorVersion();

}  // namespace ranvik
