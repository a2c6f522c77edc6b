#pragma once
// Hooks each platform file provides to the shared platform code.
#include <spawn.h>

#include "platform/platform.h"

namespace ludowell::platform {
fs::path fileOpener();  // the program that shows a folder in the file browser
void configureSpawn(posix_spawn_file_actions_t* actions, posix_spawnattr_t* attributes,
                    short& flags, bool newSession);
}  // namespace ludowell::platform
