// A running game: it starts the tuning sidecar when the engine asks for
// one, then plays until it is told to stop.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/process.h"
#include "wine/programs.h"

namespace testbed_engine {
namespace {

void runSidecar(const fs::path& exe) {
    const char* sidecar = std::getenv("TRIVEN_SIDECAR_PATH");
    const char* cache = std::getenv("TRIVEN_CODE_CACHE_GAME");
    if (!sidecar || !*sidecar || !cache || std::strcmp(cache, "1") != 0) return;
    pid_t pid = ::fork();
    if (pid == 0) execProgram(sidecar, {"--code-cache", exe.string()});
    if (pid < 0) return;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR && !stopRequested()) {}
}

}  // namespace

int runGame(const Prefix& prefix, const fs::path& exe, const std::string& appid) {
    ProgramSession session(prefix);
    runSidecar(exe);
    std::printf("Game %s running: %s\n", appid.c_str(), prefix.windowsPath(exe).c_str());
    std::fflush(stdout);
    session.waitUntilStopped(prefix);
    return 0;
}

}  // namespace testbed_engine
