// Steam's installer: puts the client at its default place in the prefix.
#include <cstdio>

#include "common/files.h"
#include "wine/programs.h"

namespace testbed_engine {

int runSteamSetup(const Prefix& prefix, const Arguments& args) {
    ProgramSession session(prefix);
    bool silent = false;
    for (const auto& arg : args) silent = silent || arg == "/S";
    if (!silent) std::puts("Steam Setup: no installer window in the testbed; installing with the defaults.");

    const fs::path steam = prefix.driveC() / "Program Files (x86)/Steam";
    fs::create_directories(steam / "steamapps/common");
    fs::create_directories(steam / "logs");
    atomicWrite(steam / "steam.exe", "TESTBED-PE steam-client\n");
    std::printf("Steam installed to %s\n", prefix.windowsPath(steam).c_str());
    return 0;
}

}  // namespace testbed_engine
