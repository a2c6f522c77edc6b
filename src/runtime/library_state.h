#pragma once
#include "core/library_snapshot.h"

namespace ludowell {

class Runtime;

// The game's stage, from the data root's files alone.
LibrarySnapshot inspectLibrary(const Runtime& runtime);
// True while the game runs: one of the user's programs runs from the
// engine, and Steam's game-process log tracks the game.
bool isGameRunning(const Runtime& runtime);

}  // namespace ludowell
