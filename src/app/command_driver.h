#pragma once
#include <string>

#include "app/startup_state.h"

namespace ludowell {

// Runs one action for one data root; returns the exit status.
int runCommandMode(const StartupState& state, const std::string& action);

// The entry point for both modes. `windowed` is handed the state when no
// action is given; `catalogFailed` shows why the app cannot open.
struct EntryHooks {
    int (*windowed)(const StartupState& state, int argc, char** argv) = nullptr;
    int (*catalogFailed)(const std::string& message, int argc, char** argv) = nullptr;
};
int entry(int argc, char** argv, const EntryHooks& hooks);

}  // namespace ludowell
