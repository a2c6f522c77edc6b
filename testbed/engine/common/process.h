#pragma once
// Process plumbing shared by the engine programs: descriptors, signals,
// sleeping, and facts about other processes read from /proc.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace testbed_engine {

namespace fs = std::filesystem;

// Closes every descriptor above 2: a long-lived program must not keep the
// caller's lock files or pipes open.
void closeInheritedDescriptors();

// SIGTERM and SIGINT ask the program to stop (see stopRequested); the
// end of the caller's session or a closed output never kills it.
void installStopHandlers();
bool stopRequested();

// Sleeps, returning early when a stop is requested.
void pause(std::chrono::milliseconds duration);

// The running executable, e.g. ".../engine-11-0-1/bin/wine".
fs::path selfExecutable();

// The kernel's start time of a live (not zombie) process, which tells a
// process apart from a later one that reuses its number.
std::optional<unsigned long long> startTime(pid_t pid);
std::optional<fs::path> executableOf(pid_t pid);

// Starts `program` fully detached: its own session, reparented away from
// the caller, standard streams on /dev/null. Returns false when fork fails.
// `shownAs` replaces the program's name in its command line, as Wine shows
// a Windows program's path there.
bool startDetached(const fs::path& program, const std::vector<std::string>& arguments,
                   const std::string& shownAs = "");

// Runs `work` in a detached grandchild that keeps this process's standard
// streams only when `keepOutput` is true; returns in the caller at once.
bool runDetached(const std::function<void()>& work, bool keepOutput = false);

// Replaces the process image after restoring default signal handling.
[[noreturn]] void execProgram(const fs::path& program, const std::vector<std::string>& arguments,
                              const std::string& shownAs = "");

}  // namespace testbed_engine
