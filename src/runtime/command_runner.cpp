#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>

#include "core/failure.h"
#include "platform/platform.h"
#include "core/files.h"
#include "core/utf8.h"
#include "platform/subprocess.h"
#include "runtime/runtime.h"
#include "runtime/stop_request.h"
#include "runtime/tool_log.h"

namespace ludowell {

int openToolLog(const fs::path& file, const char* what) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw fs::filesystem_error(std::string("Could not open the ") + what + " log", file,
                                   std::error_code(errno, std::generic_category()));
    return fd;
}

std::string Runtime::run(const fs::path& executable, const std::vector<std::string>& arguments,
                         const std::optional<Environment>& env, double timeout,
                         const std::set<int>& allow) const {
    return *runUntil(executable, arguments, env, timeout, allow, {});
}

std::optional<std::string> Runtime::runUntil(const fs::path& executable, const std::vector<std::string>& arguments,
                                             const std::optional<Environment>& env, double timeout,
                                             const std::set<int>& allow, const std::function<bool()>& enough) const {
    throwIfStopRequested();
    make(logs());
    const fs::path logFile = logs() / ("command-" + platform::makeUUID() + ".log");
    const int logFd = openToolLog(logFile, "command");
    ScopedDescriptor closer{logFd};

    // On a nearly full disk the tool's own words could not reach its log:
    // they come through a pipe into memory, and to the log as far as it goes.
    const bool diskFull = freeSpace(logs()) < kLogReserve;
    std::string captured;
    auto keep = [&](std::string_view bytes) {
        captured.append(bytes);
        [[maybe_unused]] auto written = ::write(logFd, bytes.data(), bytes.size());
    };

    platform::Subprocess::Options options{executable, arguments};
    if (env) options.environment = &*env;
    options.capture = diskFull;
    options.outputFd = logFd;
    auto child = platform::Subprocess::start(options);

    using Clock = platform::Subprocess::Clock;
    const auto deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeout));
    bool cut = false;
    const auto status = child.waitUntil(deadline, keep, [&] { return stopRequested() || (cut = enough && enough()); });
    if (!status) {
        child.terminate();
        throwIfStopRequested();
        if (cut) return std::nullopt;
        throw TimedOut();
    }

    std::string text = diskFull ? captured : readFile(logFile).value_or("");
    if (!isValidUtf8(text)) text.clear();

    const int code = *status;
    if (allow.count(code)) return text;
    const bool fullNow = diskFull || freeSpace(logs()) < kLogReserve;
    throw Failure(executable.filename().string() + " failed (" + std::to_string(code) + "). " +
                  lastCharacters(text, 2000) + (fullNow ? std::string(kDiskFull) : std::string()) +
                  "\nLogs: " + logs().string());
}

}  // namespace ludowell
