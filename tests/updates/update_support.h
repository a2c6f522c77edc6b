#pragma once
// Shared by the update tests: waiting on the event loop, files, a signing
// key and a private HTTPS server.
#include <functional>

#include "core/files.h"
#include "support/event_loop.h"
#include "support/files.h"
#include "support/https_server.h"
#include "support/temp_dir.h"
#include "support/update_feed.h"

namespace updates_test {

namespace fs = std::filesystem;

// Runs the event loop until `done` holds or the time is up.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 10000) {
    return eventuallyInEventLoop(done, std::chrono::milliseconds(milliseconds));
}

inline void spin(int milliseconds) { waitUntil([] { return false; }, milliseconds); }

}  // namespace updates_test
