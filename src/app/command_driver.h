#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/game_profile.h"

namespace ludowell {

// Process-wide values set once at start-up.
struct StartupState {
    std::vector<std::string> arguments;
    std::vector<GameProfile> profiles;
    GameProfile selectedProfile;
    std::optional<std::string> overrideRoot;  // absolute path of --data-root
};

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
