#pragma once
// Waiting for the world's child processes, with a deadline.
#include <sys/types.h>

#include <chrono>

namespace testbed {

using Clock = std::chrono::steady_clock;

// True when the child was reaped by the deadline (or is not ours any more).
bool waitUntil(pid_t pid, int& status, Clock::time_point deadline);
bool waitFor(pid_t pid, int& status, double seconds);
void killAndReap(pid_t pid);
// A shell's exit status: 128 + the signal for a killed child.
int exitStatus(int status);

}  // namespace testbed
