#include "platform/runtime/os_version.h"

#include "platform/runtime/values.h"

namespace ranvik {

namespace {
constexpr double kDefaultVersion = 10.0;
double& Reported() {
    static double version = kDefaultVersion;
    return version;
}
}  // namespace

double OperatingSystemVersion() { return Reported(); }

void SetOperatingSystemVersion(double version) { Reported() = version < 0 ? kDefaultVersion : version; }

int OperatingSystemMajorVersion() { return static_cast<int>(RoundHalfEven(OperatingSystemVersion())); }

}  // namespace ranvik
