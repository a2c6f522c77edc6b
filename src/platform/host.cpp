#include "platform/host.h"

#include <algorithm>
#include <cstdlib>

namespace ludowell::platform {
namespace {

// Darwin 20 to 24 were macOS 11 to 15; from Darwin 25 (macOS 26) the two
// numbers move together.
int majorFromKernel(const std::string& release) {
    const int darwin = std::atoi(release.c_str());
    if (darwin >= 25) return darwin + 1;
    if (darwin >= 20) return darwin - 9;
    return 0;
}

}  // namespace

int Host::osMajorVersion() const {
    return std::max(std::atoi(osVersion().c_str()), majorFromKernel(kernelRelease()));
}

}  // namespace ludowell::platform
