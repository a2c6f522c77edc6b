#pragma once
// The window's entry points, handed to the command driver by the
// executable's main.
#include <string>

#include "app/startup_state.h"

namespace ludowell {
int runWindowed(const StartupState& state, int argc, char** argv);
int showCatalogFailure(const std::string& message, int argc, char** argv);
}  // namespace ludowell
