// macOS: the product's home. Kept to the few calls the program needs.
#include <libproc.h>
#include <mach-o/dyld.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/sysctl.h>
#include <unistd.h>

#include <fcntl.h>
#include <stdio.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "platform/platform.h"
#include "platform/platform_private.h"

namespace ludowell::platform {

fs::path executable() {
    char path[4096];
    uint32_t size = sizeof path;
    if (_NSGetExecutablePath(path, &size) != 0) throw std::system_error(ENAMETOOLONG, std::generic_category());
    return fs::weakly_canonical(path);
}

fs::path homeDir() {
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return std::getenv("HOME") ? std::getenv("HOME") : "/";
}

fs::path applicationSupport() { return homeDir() / "Library" / "Application Support"; }
fs::path accountApplicationSupport() { return accountHome() / "Library" / "Application Support"; }

fs::path temporaryDir() {
    char path[1024];
    size_t n = confstr(_CS_DARWIN_USER_TEMP_DIR, path, sizeof path);
    return n > 0 ? fs::path(path) : fs::temp_directory_path();
}

Command recursiveCopy(const fs::path& from, const fs::path& to) {
    return {"/usr/bin/ditto", {"--noextattr", "--norsrc", from.string(), to.string()}};
}

void configureSpawn(posix_spawn_file_actions_t* actions, posix_spawnattr_t*, short& flags,
                    bool newSession) {
    // Close everything but the standard descriptors, as Foundation's Process does.
    posix_spawn_file_actions_addinherit_np(actions, 1);
    posix_spawn_file_actions_addinherit_np(actions, 2);
    flags |= POSIX_SPAWN_CLOEXEC_DEFAULT;
    if (newSession) flags |= POSIX_SPAWN_SETSID;
}

std::vector<pid_t> allPids() {
    // Asked for the count first, with room for processes started meanwhile.
    int count = proc_listallpids(nullptr, 0);
    if (count <= 0) return {};
    std::vector<pid_t> pids(size_t(count) + 64);
    count = proc_listallpids(pids.data(), int(pids.size() * sizeof(pid_t)));
    pids.resize(size_t(std::max(count, 0)));
    return pids;
}

std::optional<fs::path> executablePath(pid_t pid) {
    char buffer[PROC_PIDPATHINFO_MAXSIZE];
    if (proc_pidpath(pid, buffer, sizeof buffer) <= 0) return std::nullopt;
    return fs::path(buffer);
}

bool pidPathsAreResolved() { return false; }

std::vector<std::string> processArguments(int pid) {
    // KERN_PROCARGS2: argc, the executable path, padding, then argv.
    int mib[3] = {CTL_KERN, KERN_PROCARGS2, pid};
    size_t size = 0;
    if (sysctl(mib, 3, nullptr, &size, nullptr, 0) != 0 || size < sizeof(int)) return {};
    std::vector<char> buffer(size);
    if (sysctl(mib, 3, buffer.data(), &size, nullptr, 0) != 0 || size < sizeof(int)) return {};
    int argc = 0;
    std::memcpy(&argc, buffer.data(), sizeof argc);
    size_t at = sizeof argc;
    while (at < size && buffer[at] != '\0') ++at;  // the executable path
    while (at < size && buffer[at] == '\0') ++at;
    std::vector<std::string> arguments;
    while (at < size && int(arguments.size()) < argc) {
        const char* start = buffer.data() + at;
        size_t length = strnlen(start, size - at);
        arguments.emplace_back(start, length);
        at += length + 1;
    }
    return arguments;
}

int openPipe(int fds[2]) {
    // No pipe2 here: set close-on-exec at once, before anything can spawn.
    if (::pipe(fds) != 0) return -1;
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    return 0;
}

bool hasDisplayServer() { return true; }

bool hasGlobalMenuBar() { return true; }

// Some volumes (network, FAT) refuse F_FULLFSYNC; fsync is then the most there is.
int syncToDisk(int fd) { return ::fcntl(fd, F_FULLFSYNC) == 0 ? 0 : ::fsync(fd); }

fs::path fileOpener() { return "/usr/bin/open"; }

void exchangePaths(const fs::path& a, const fs::path& b) {
    if (::renamex_np(a.c_str(), b.c_str(), RENAME_SWAP) != 0)
        throw std::system_error(errno, std::generic_category(), "Could not swap " + a.string() + " and " + b.string());
}

}  // namespace ludowell::platform
