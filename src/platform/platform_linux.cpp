// Linux: the development host. What only a Mac has comes from the
// testbed's host instead (testbed/host).
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <pwd.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/platform.h"
#include "platform/platform_private.h"

namespace ludowell::platform {

fs::path executable() {
    // The first answer, as a Mac's is: the kernel's follows the file, and an
    // update by another copy moves this one aside and deletes it.
    static const fs::path path = [] {
        std::error_code ec;
        auto link = fs::read_symlink("/proc/self/exe", ec);
        if (ec) throw std::system_error(ec, "Could not find the running executable");
        return link;
    }();
    return path;
}

fs::path homeDir() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

fs::path accountApplicationSupport() { return accountHome() / ".local" / "share"; }

fs::path applicationSupport() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') return data;
    return homeDir() / ".local" / "share";
}

fs::path temporaryDir() {
    std::error_code ec;
    auto dir = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : dir;
}

Command recursiveCopy(const fs::path& from, const fs::path& to) {
    // Keeps links as links, modes and times; extended attributes are not kept.
    return {"/usr/bin/cp",
            {"-R", "-P", "--preserve=mode,timestamps", (from / ".").string(), to.string()}};
}

void configureSpawn(posix_spawn_file_actions_t* actions, posix_spawnattr_t*, short& flags,
                    bool newSession) {
    posix_spawn_file_actions_addclosefrom_np(actions, 3);
    if (newSession) flags |= POSIX_SPAWN_SETSID;
}

std::vector<pid_t> allPids() {
    std::vector<pid_t> pids;
    DIR* dir = opendir("/proc");
    if (!dir) return pids;
    while (dirent* entry = readdir(dir)) {
        char* end = nullptr;
        long pid = std::strtol(entry->d_name, &end, 10);
        if (*entry->d_name && *end == '\0' && pid > 0) pids.push_back(pid_t(pid));
    }
    closedir(dir);
    // Newest first, as libproc lists them: a scan for a recently started
    // game or client then stops early.
    std::reverse(pids.begin(), pids.end());
    return pids;
}

std::optional<fs::path> executablePath(pid_t pid) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/%d/exe", int(pid));
    char buffer[4096];
    ssize_t length = readlink(link, buffer, sizeof buffer - 1);
    if (length <= 0) return std::nullopt;
    std::string path(buffer, size_t(length));
    // An executable removed or replaced while it runs is still a process
    // of the folder it was started from: the kernel marks the old path.
    static constexpr std::string_view kDeleted = " (deleted)";
    if (path.size() > kDeleted.size() && path.ends_with(kDeleted) && access(path.c_str(), F_OK) != 0)
        path.resize(path.size() - kDeleted.size());
    return fs::path(std::move(path));
}

// The kernel reports an executable's path with every link resolved.
bool pidPathsAreResolved() { return true; }

std::vector<std::string> processArguments(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline", std::ios::binary);
    std::vector<std::string> arguments;
    for (std::string argument; std::getline(in, argument, '\0');) arguments.push_back(argument);
    return arguments;
}

int openPipe(int fds[2]) { return ::pipe2(fds, O_CLOEXEC); }

int syncToDisk(int fd) { return ::fsync(fd); }

bool hasDisplayServer() {
    auto set = [](const char* variable) {
        const char* value = std::getenv(variable);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

bool hasGlobalMenuBar() { return false; }

fs::path fileOpener() { return "/usr/bin/xdg-open"; }

void exchangePaths(const fs::path& a, const fs::path& b) {
    if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) != 0)
        throw std::system_error(errno, std::generic_category(), "Could not swap " + a.string() + " and " + b.string());
}

}  // namespace ludowell::platform
