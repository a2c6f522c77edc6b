#include "common/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>

extern char** environ;

namespace testbed_engine {
namespace {

volatile sig_atomic_t gStop = 0;

void onStop(int) { gStop = 1; }

void restoreSignals() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) ::signal(sig, SIG_DFL);
}

void streamsToNull() {
    int null = ::open("/dev/null", O_RDWR);
    if (null < 0) return;
    for (int fd = 0; fd < 3; ++fd) ::dup2(null, fd);
    if (null > 2) ::close(null);
}

void reap(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
}

}  // namespace

void closeInheritedDescriptors() { ::close_range(3, UINT_MAX, 0); }

void installStopHandlers() {
    struct sigaction action {};
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a stop cuts a sleep short
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::signal(SIGHUP, SIG_IGN);
    ::signal(SIGPIPE, SIG_IGN);
}

bool stopRequested() { return gStop != 0; }

void pause(std::chrono::milliseconds duration) {
    if (gStop) return;
    // Unlike sleep_for, poll returns on EINTR, so a stop signal ends the pause early.
    ::poll(nullptr, 0, static_cast<int>(duration.count()));
}

fs::path selfExecutable() {
    std::error_code ec;
    auto path = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : path;
}

std::optional<unsigned long long> startTime(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!in || !std::getline(in, stat)) return std::nullopt;
    // The command name may hold spaces and parentheses; fields follow the last ")".
    auto close = stat.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(stat.substr(close + 1));
    std::string state;
    fields >> state;
    if (state == "Z" || state == "X") return std::nullopt;
    std::string field;
    // State is field 3; the start time is field 22.
    for (int index = 4; index <= 22; ++index)
        if (!(fields >> field)) return std::nullopt;
    try {
        return std::stoull(field);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::optional<fs::path> executableOf(pid_t pid) {
    std::error_code ec;
    auto path = fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", ec);
    if (ec) return std::nullopt;
    return path;
}

void execProgram(const fs::path& program, const std::vector<std::string>& arguments, const std::string& shownAs) {
    std::vector<std::string> store{shownAs.empty() ? program.string() : shownAs};
    store.insert(store.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& item : store) argv.push_back(item.data());
    argv.push_back(nullptr);
    restoreSignals();
    ::execve(program.c_str(), argv.data(), environ);
    std::fprintf(stderr, "%s: %s\n", program.c_str(), std::strerror(errno));
    ::_exit(127);
}

bool runDetached(const std::function<void()>& work, bool keepOutput) {
    pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild != 0) ::_exit(grandchild < 0 ? 1 : 0);
        // The intermediate child has exited: nothing of the caller waits on us.
        if (!keepOutput) streamsToNull();
        work();
        ::_exit(0);
    }
    reap(child);
    return true;
}

bool startDetached(const fs::path& program, const std::vector<std::string>& arguments, const std::string& shownAs) {
    // Returns only once the program runs as itself: until its exec, the
    // child would look like a copy of this process to the process table.
    int started[2];
    if (::pipe2(started, O_CLOEXEC) != 0) return false;
    const bool forked = runDetached([&] {
        ::close(started[0]);
        ::close_range(3, unsigned(started[1]) - 1, 0);
        ::close_range(unsigned(started[1]) + 1, UINT_MAX, 0);
        execProgram(program, arguments, shownAs);
    });
    ::close(started[1]);
    char byte;
    if (forked)
        while (::read(started[0], &byte, 1) < 0 && errno == EINTR) {}
    ::close(started[0]);
    return forked;
}

}  // namespace testbed_engine
