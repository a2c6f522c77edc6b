#pragma once
#include <filesystem>
#include <string>

#include "core/game_profile.h"

namespace ludowell {

class Runtime;

// True when some process's executable lies anywhere below `folder`.
bool hasLiveEngine(const std::filesystem::path& folder);
// True when, by Steam's game-process log, the profile's game is tracked.
bool hasTrackedGame(const std::string& log, const GameProfile& profile);
bool isGameRunning(const Runtime& runtime);

}  // namespace ludowell
