#pragma once
#include <filesystem>
#include <string>

#include "core/game_profile.h"

namespace ludowell {

// True when some process's executable lies anywhere below `folder`.
bool hasLiveEngine(const std::filesystem::path& folder);
// True when one of the user's programs runs from `folder` (an engine or a
// whole data root): a process whose executable lies below it, other than
// Wine's server and Wine's own programs from the Windows folder, which
// outlive the user's last program by seconds.
bool hasUserProgram(const std::filesystem::path& folder);
// True when, by Steam's game-process log, the profile's game is tracked.
bool hasTrackedGame(const std::string& log, const GameProfile& profile);

}  // namespace ludowell
