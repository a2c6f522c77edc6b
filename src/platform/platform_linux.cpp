// Linux: the development host. Mac-only tools are replaced by stand-ins
// that keep the same outcomes, and the bundle's testbed.json points
// downloads at the simulated world.
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

#include <nlohmann/json.hpp>

#include "platform/platform.h"
#include "platform/platform_private.h"

namespace ludowell::platform {

fs::path executable() {
    std::error_code ec;
    auto path = fs::read_symlink("/proc/self/exe", ec);
    if (ec) throw std::system_error(ec, "Could not find the running executable");
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

// The Linux host stands in for a supported Mac.
int nativeOSMajorVersion() { return 26; }
std::string nativeOSVersion() { return "26.0"; }

// There is no Rosetta; running a trivial program keeps the step's shape.
Command nativeRosettaTest() { return {"/usr/bin/true", {}}; }

Command recursiveCopy(const fs::path& from, const fs::path& to) {
    // Keeps links as links, modes and times; extended attributes are not kept.
    return {"/usr/bin/cp",
            {"-R", "-P", "--preserve=mode,timestamps", (from / ".").string(), to.string()}};
}

Command signatureVerify(const fs::path& file) {
    return {resources() / "Testbed" / "codesign", {"--verify", "--strict", file.string()}};
}

Command signatureRemove(const fs::path& file) {
    return {resources() / "Testbed" / "codesign", {"--remove-signature", file.string()}};
}

std::optional<DownloadSources> downloadOverrides(const fs::path& resourcesFolder) {
    std::ifstream in(resourcesFolder / "testbed.json");
    if (!in) return std::nullopt;
    auto document = nlohmann::json::parse(in);
    return DownloadSources{
        {document.at("packageURL").get<std::string>(), document.at("packageSHA").get<std::string>(),
         document.value("packageSize", std::uint64_t{0})},
        {document.at("steamURL").get<std::string>(), document.at("steamSHA").get<std::string>(),
         document.value("steamSize", std::uint64_t{0})},
    };
}

void configureSpawn(posix_spawn_file_actions_t* actions, posix_spawnattr_t*, short& flags,
                    bool newSession) {
    posix_spawn_file_actions_addclosefrom_np(actions, 3);
    if (newSession) flags |= POSIX_SPAWN_SETSID;
}

int listAllPids(int* buffer, int bufferBytes) {
    DIR* dir = opendir("/proc");
    if (!dir) return -1;
    int capacity = bufferBytes / int(sizeof(int));
    int count = 0;
    while (dirent* entry = readdir(dir)) {
        if (count >= capacity) break;
        char* end = nullptr;
        long pid = std::strtol(entry->d_name, &end, 10);
        if (*entry->d_name && *end == '\0' && pid > 0) buffer[count++] = int(pid);
    }
    closedir(dir);
    // Newest first, as libproc lists them: a scan for a recently started
    // game or client then stops early.
    std::reverse(buffer, buffer + count);
    return count;
}

int pidPath(int pid, char* buffer, unsigned size) {
    if (size < 2) return 0;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/%d/exe", pid);
    ssize_t length = readlink(link, buffer, size - 1);
    if (length <= 0) return 0;
    buffer[length] = '\0';
    // An executable removed or replaced while it runs is still a process
    // of the folder it was started from: the kernel marks the old path.
    static constexpr char kDeleted[] = " (deleted)";
    size_t suffix = sizeof kDeleted - 1;
    if (size_t(length) > suffix && std::memcmp(buffer + length - suffix, kDeleted, suffix) == 0 &&
        access(buffer, F_OK) != 0) {
        length -= ssize_t(suffix);
        buffer[length] = '\0';
    }
    return int(length);
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

bool displayAvailable() {
    // Plugins that draw without a display server.
    const char* plugin = std::getenv("QT_QPA_PLATFORM");
    const std::string name = plugin ? std::string(plugin).substr(0, std::string(plugin).find(':')) : "";
    static const char* const serverless[] = {"offscreen", "minimal", "vnc", "eglfs", "linuxfb", "vkkhrdisplay"};
    if (std::find(std::begin(serverless), std::end(serverless), name) != std::end(serverless)) return true;
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
