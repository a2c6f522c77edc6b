#include "common/prefix.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "common/files.h"
#include "common/process.h"

namespace testbed_engine {

std::optional<Prefix> Prefix::fromEnvironment() {
    const char* value = std::getenv("WINEPREFIX");
    if (!value || !*value) return std::nullopt;
    fs::path path = fs::path(value).lexically_normal();
    if (path.is_relative()) {
        std::error_code ec;
        path = (fs::current_path(ec) / path).lexically_normal();
    }
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return Prefix{text};
}

std::string Prefix::windowsPath(const fs::path& unixPath) const {
    const std::string drive = driveC().string() + "/";
    std::string path = unixPath.lexically_normal().string();
    std::string result;
    if (path.starts_with(drive)) result = "C:\\" + path.substr(drive.size());
    else result = "Z:" + path;
    for (char& c : result)
        if (c == '/') c = '\\';
    return result;
}

fs::path Prefix::unixPath(const std::string& argument) const {
    const bool windows = argument.size() >= 3 && std::isalpha(static_cast<unsigned char>(argument[0])) &&
                         argument[1] == ':' && (argument[2] == '\\' || argument[2] == '/');
    if (!windows) {
        std::error_code ec;
        fs::path path(argument);
        return path.is_absolute() ? path : fs::current_path(ec) / path;
    }
    std::string rest = argument.substr(3);
    for (char& c : rest)
        if (c == '\\') c = '/';
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(argument[0])));
    if (drive == 'z') return fs::path("/") / rest;
    if (drive == 'c') return driveC() / rest;
    return root / "dosdevices" / (std::string(1, drive) + ":") / rest;
}

void writeProcessRecord(const fs::path& file, pid_t pid) {
    atomicWrite(file, std::to_string(pid) + " " + std::to_string(startTime(pid).value_or(0)) + "\n");
}

std::optional<pid_t> liveRecordedProcess(const fs::path& file) {
    std::ifstream in(file);
    long long pid = 0;
    unsigned long long started = 0;
    if (!(in >> pid >> started) || pid < 1) return std::nullopt;
    auto now = startTime(static_cast<pid_t>(pid));
    if (!now || *now != started) return std::nullopt;
    // Only engine processes are ever recorded.
    auto exe = executableOf(static_cast<pid_t>(pid));
    if (!exe) return std::nullopt;
    const auto name = exe->filename().string();
    if (name != "wine" && name != "wineserver") return std::nullopt;
    return static_cast<pid_t>(pid);
}

bool serverRunning(const Prefix& prefix) {
    int fd = ::open(prefix.serverLock().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

fs::path serverExecutable() {
    if (const char* server = std::getenv("WINESERVER"); server && *server == '/' && ::access(server, X_OK) == 0)
        return server;
    return selfExecutable().parent_path() / "wineserver";
}

ProgramRegistration::ProgramRegistration(const Prefix& prefix) : prefix_(prefix), pid_(::getpid()) {
    fs::create_directories(prefix_.programRecords());
    // Recorded before the lock is taken, so "-k" never misses a program
    // that the server already counts.
    writeProcessRecord(prefix_.programRecords() / std::to_string(pid_), pid_);
    lockFd_ = ::open(prefix_.programsLock().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lockFd_ < 0) throw fs::filesystem_error("cannot open", prefix_.programsLock(),
                                                std::error_code(errno, std::generic_category()));
    while (::flock(lockFd_, LOCK_SH) != 0 && errno == EINTR) {}
}

ProgramRegistration::~ProgramRegistration() {
    if (::getpid() != pid_) return;
    std::error_code ignored;
    fs::remove(prefix_.programRecords() / std::to_string(pid_), ignored);
    if (lockFd_ >= 0) ::close(lockFd_);
}

void ProgramRegistration::adoptCurrentProcess() {
    pid_ = ::getpid();
    writeProcessRecord(prefix_.programRecords() / std::to_string(pid_), pid_);
}

void ProgramRegistration::withdrawCurrentProcess() {
    std::error_code ignored;
    fs::remove(prefix_.programRecords() / std::to_string(::getpid()), ignored);
}

bool ProgramRegistration::ensureServer() const {
    if (serverRunning(prefix_)) return true;
    // Programs starting together agree on one of them starting the server.
    const fs::path startLock = prefix_.state() / "server-start.lock";
    int fd = ::open(startLock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {}
    bool up = serverRunning(prefix_);
    if (!up && startDetached(serverExecutable(), {"-f"})) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!(up = serverRunning(prefix_)) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::close(fd);
    return up;
}

}  // namespace testbed_engine
