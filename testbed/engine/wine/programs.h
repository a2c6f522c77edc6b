#pragma once
// The "Windows programs" the testbed loader can run. Each runs inside the
// loader's own process, so every one of them is a process whose
// executable is the engine's bin/wine.
#include <filesystem>
#include <string>
#include <vector>

#include "common/prefix.h"

namespace testbed_engine {

using Arguments = std::vector<std::string>;

// `wine <program> args...`: a built-in command or a program file.
int runWindowsProgram(const Prefix& prefix, const std::string& program, const Arguments& args);

int runWineboot(const Prefix& prefix, const Arguments& args);
int runWinecfg(const Prefix& prefix, const Arguments& args);
int runSteamSetup(const Prefix& prefix, const Arguments& args);
int runSteamClient(const Prefix& prefix, const fs::path& steamExe, const Arguments& args);
int runGame(const Prefix& prefix, const fs::path& exe, const std::string& appid);
int runWaiter(const Prefix& prefix);
// One of Wine's own programs (services, explorer...): it lives a little
// while after the wineboot that started it.
int runBackgroundProgram(const Prefix& prefix);
// Wine's check before any program: a prefix last updated by another engine
// is updated first, which takes seconds.
void updateIfEngineChanged(const Prefix& prefix);

// Registers the process as a program of the prefix and makes sure the
// prefix's server runs. Throws when the server cannot be started.
class ProgramSession {
public:
    explicit ProgramSession(const Prefix& prefix);
    ProgramRegistration& registration() { return registration_; }
    // Sleeps until a stop is requested or the prefix's server goes away,
    // which, as with Wine, ends every program of the prefix.
    void waitUntilStopped(const Prefix& prefix) const;

private:
    ProgramRegistration registration_;
};

}  // namespace testbed_engine
