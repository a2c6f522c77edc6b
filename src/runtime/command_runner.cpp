#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>
#include <thread>

#include "core/failure.h"
#include "platform/platform.h"
#include "core/files.h"
#include "core/utf8.h"
#include "runtime/runtime.h"
#include "runtime/stop_request.h"

namespace ludowell {
namespace {

using Clock = std::chrono::steady_clock;

void sleepFor(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// Polls, as the window's own child handling does: no completion callbacks.
// A child whose status cannot be collected (an inherited ignored SIGCHLD
// reaps it behind our back) must never pass for a success.
bool reaped(pid_t pid, int& status, const fs::path& executable) {
    for (;;) {
        pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) return true;
        if (r == 0) return false;
        if (errno == EINTR) continue;
        throw std::system_error(errno, std::generic_category(),
                                "Could not collect the exit status of " + executable.filename().string());
    }
}

int terminationStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return WTERMSIG(status);
    return status;
}

}  // namespace

std::string Runtime::run(const fs::path& executable, const std::vector<std::string>& arguments,
                         const std::optional<Environment>& env, double timeout,
                         const std::set<int>& allow) const {
    throwIfStopRequested();
    make(logs());
    const fs::path logFile = logs() / ("command-" + platform::makeUUID() + ".log");
    int logFd = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (logFd < 0)
        throw fs::filesystem_error("Could not open the command log", logFile,
                                   std::error_code(errno, std::generic_category()));
    ScopedDescriptor closer{logFd};

    // On a nearly full disk the tool's own words could not reach its log:
    // they come through a pipe into memory, and to the log as far as it goes.
    const bool diskFull = freeSpace(logs()) < kLogReserve;
    int pipeFds[2] = {-1, -1};
    if (diskFull && platform::openPipe(pipeFds) == 0) ::fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
    ScopedDescriptor pipeReader{pipeFds[0]};
    std::string captured;
    auto drain = [&] {
        if (pipeFds[0] < 0) return;
        char buffer[65536];
        for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
            captured.append(buffer, size_t(n));
            [[maybe_unused]] auto written = ::write(logFd, buffer, size_t(n));
        }
    };

    platform::SpawnRequest request{executable, arguments};
    if (env) request.environment = &*env;
    request.outputFd = pipeFds[1] >= 0 ? pipeFds[1] : logFd;
    pid_t pid;
    try {
        pid = platform::spawn(request);
    } catch (...) {
        if (pipeFds[1] >= 0) ::close(pipeFds[1]);
        throw;
    }
    if (pipeFds[1] >= 0) ::close(pipeFds[1]);

    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(timeout));
    int status = 0;
    bool exited = reaped(pid, status, executable);
    while (!exited && Clock::now() < deadline && !stopRequested()) {
        sleepFor(0.05);
        drain();
        exited = reaped(pid, status, executable);
    }
    if (!exited) {
        ::kill(pid, SIGTERM);
        sleepFor(0.1);
        if (!reaped(pid, status, executable)) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
        }
        throwIfStopRequested();
        throw TimedOut();
    }
    drain();

    std::string text = pipeFds[0] >= 0 ? captured : readFile(logFile).value_or("");
    if (!isValidUtf8(text)) text.clear();

    const int code = terminationStatus(status);
    if (allow.count(code)) return text;
    const bool fullNow = diskFull || freeSpace(logs()) < kLogReserve;
    throw Failure(executable.filename().string() + " failed (" + std::to_string(code) + "). " +
                  lastCharacters(text, 2000) + (fullNow ? std::string(kDiskFull) : std::string()) +
                  "\nLogs: " + logs().string());
}

}  // namespace ludowell
