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
#include "runtime/files.h"
#include "runtime/runtime.h"
#include "runtime/stop_request.h"

namespace ludowell {
namespace {

using Clock = std::chrono::steady_clock;

void sleepFor(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// Polls, as the window's own child handling does: no completion callbacks.
bool reaped(pid_t pid, int& status) {
    for (;;) {
        pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid) return true;
        if (r == 0) return false;
        if (errno == EINTR) continue;
        status = 0;
        return true;  // lost the child; treat it as gone
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

    platform::SpawnRequest request{executable, arguments};
    if (env) request.environment = &*env;
    request.outputFd = logFd;
    pid_t pid = platform::spawn(request);

    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(timeout));
    int status = 0;
    bool exited = reaped(pid, status);
    while (!exited && Clock::now() < deadline && !stopRequested()) {
        sleepFor(0.05);
        exited = reaped(pid, status);
    }
    if (!exited) {
        ::kill(pid, SIGTERM);
        sleepFor(0.1);
        if (!reaped(pid, status)) {
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
        }
        throwIfStopRequested();
        throw TimedOut();
    }

    std::string text = readFile(logFile).value_or("");
    if (!isValidUtf8(text)) text.clear();

    const int code = terminationStatus(status);
    if (allow.count(code)) return text;
    throw Failure(executable.filename().string() + " failed (" + std::to_string(code) + "). " +
                  lastCharacters(text, 2000) + "\nLogs: " + logs().string());
}

}  // namespace ludowell
