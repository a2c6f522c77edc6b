#include "platform/host.h"

#include <cstdlib>

namespace ludowell::platform {

int Host::osMajorVersion() const { return std::atoi(osVersion().c_str()); }

}  // namespace ludowell::platform
