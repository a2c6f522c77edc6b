#pragma once
// What the entry point learns once at start-up and hands to whoever needs
// it: the arguments, the catalog, the chosen game and the options read
// from the arguments.
#include <optional>
#include <string>
#include <vector>

#include "core/game_profile.h"

namespace ludowell {

struct StartupState {
    std::vector<std::string> arguments;
    std::vector<GameProfile> profiles;
    GameProfile selectedProfile;
    std::optional<std::string> overrideRoot;  // absolute path of --data-root
    std::optional<std::string> preview;       // --preview-state, verbatim
};

}  // namespace ludowell
