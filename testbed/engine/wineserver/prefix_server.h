#pragma once
#include <csignal>

#include "common/prefix.h"

namespace testbed_engine {

// Runs as the prefix's server until the last program has been gone for a
// short while, or until stopped. Returns at once when another server of
// the prefix is already running.
int serve(const Prefix& prefix);

// Sends `signal` to every program and to the server of the prefix, then
// waits briefly until they are gone. True when anything was running.
bool killPrefix(const Prefix& prefix, int signal = SIGKILL);

// Returns once the prefix has no server.
void waitForServerExit(const Prefix& prefix);

}  // namespace testbed_engine
