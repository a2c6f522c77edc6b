#include "runtime/library_state.h"

#include <fcntl.h>
#include <unistd.h>

#include "core/files.h"
#include "core/process_tracking.h"
#include "core/utf8.h"
#include "runtime/runtime.h"

namespace ludowell {
namespace {
constexpr off_t kLogTail = 131072;
}  // namespace

LibrarySnapshot inspectLibrary(const Runtime& runtime) {
    if (!runtime.exists(runtime.marker("runtime-ready"))) return {GameStage::setup, std::nullopt};
    const auto steam = runtime.steam();
    if (!runtime.exists(steam)) return {GameStage::setup, std::nullopt};

    const auto manifestPath =
        steam.parent_path() / ("steamapps/appmanifest_" + runtime.profile().steamID + ".acf");
    return LibrarySnapshot::fromAppManifest(readFile(manifestPath).value_or(""), runtime.exists(runtime.game()),
                           runtime.exists(runtime.marker("steam-sign-in-confirmed")));
}

bool isGameRunning(const Runtime& runtime) {
    // Wine's server and its own programs linger after the game has ended.
    if (!hasUserProgram(runtime.engine())) return false;
    const auto logPath = runtime.steamFolder() / "logs/gameprocess_log.txt";
    int fd = ::open(logPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ScopedDescriptor closer{fd};
    off_t size = ::lseek(fd, 0, SEEK_END);
    if (size < 0) return false;
    ::lseek(fd, size > kLogTail ? size - kLogTail : 0, SEEK_SET);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            bytes.clear();
            break;
        }
        if (n == 0) break;
        bytes.append(buffer, size_t(n));
    }
    return hasTrackedGame(decodeUtf8Lossy(bytes), runtime.profile());
}

}  // namespace ludowell
