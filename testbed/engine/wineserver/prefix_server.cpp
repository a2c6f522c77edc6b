#include "wineserver/prefix_server.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <set>
#include <thread>

#include "common/process.h"
#include "common/registry.h"

namespace testbed_engine {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr auto kPoll = milliseconds(50);
constexpr auto kLinger = milliseconds(3000);  // Wine's default persistence
constexpr auto kClaimWindow = milliseconds(1000);
constexpr auto kKillWait = milliseconds(2000);

int openLock(const fs::path& file) {
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw fs::filesystem_error("cannot open", file, std::error_code(errno, std::generic_category()));
    return fd;
}

bool tryLock(int fd, int operation) { return ::flock(fd, operation | LOCK_NB) == 0; }

// Claims the server lock. Probes by programs hold it shared for an
// instant, so a busy lock is retried before another server is assumed.
bool claimServerLock(int fd) {
    const auto deadline = Clock::now() + kClaimWindow;
    while (!tryLock(fd, LOCK_EX)) {
        if (Clock::now() >= deadline || stopRequested()) return false;
        std::this_thread::sleep_for(milliseconds(20));
    }
    return true;
}

bool programsIdle(int programsFd) {
    if (!tryLock(programsFd, LOCK_EX)) return false;
    ::flock(programsFd, LOCK_UN);
    return true;
}

// Signals every recorded program that is still the process that recorded
// itself; removes records of processes that are gone.
std::set<pid_t> signalPrograms(const Prefix& prefix, int signal) {
    std::set<pid_t> signalled;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(prefix.programRecords(), ec)) {
        if (entry.path().filename().string().starts_with(".")) continue;
        if (auto pid = liveRecordedProcess(entry.path())) {
            if (::kill(*pid, signal) == 0) signalled.insert(*pid);
        } else {
            fs::remove(entry.path(), ec);
        }
    }
    return signalled;
}

template <typename Predicate>
bool waitUntil(Predicate done, milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(milliseconds(20));
    }
    return true;
}

void saveQuietly(const Prefix& prefix) {
    try {
        saveRegistry(prefix);
    } catch (const std::exception&) {
    }
}

}  // namespace

int serve(const Prefix& prefix) {
    fs::create_directories(prefix.programRecords());
    // What a killed server held in memory is lost, as with Wine. Forgotten
    // before the lock is claimed: programs wait for it before they write.
    if (!serverRunning(prefix)) forgetUnsavedRegistry(prefix);
    int serverFd = openLock(prefix.serverLock());
    if (!claimServerLock(serverFd)) return 0;  // another server has the prefix
    int programsFd = openLock(prefix.programsLock());
    writeProcessRecord(prefix.serverRecord(), ::getpid());

    std::error_code ignored;
    std::optional<Clock::time_point> idleSince;
    while (!stopRequested()) {
        if (!programsIdle(programsFd)) {
            idleSince.reset();
        } else if (!idleSince) {
            idleSince = Clock::now();
        } else if (Clock::now() - *idleSince >= kLinger && tryLock(programsFd, LOCK_EX)) {
            // While programs are locked out, save and give up the server
            // lock: a program starting now waits, then finds no server and
            // starts one.
            saveQuietly(prefix);
            fs::remove(prefix.serverRecord(), ignored);
            ::close(serverFd);
            ::close(programsFd);
            return 0;
        }
        pause(kPoll);
    }
    saveQuietly(prefix);
    fs::remove(prefix.serverRecord(), ignored);
    return 0;
}

bool killPrefix(const Prefix& prefix, int signal) {
    bool killed = false;
    // Programs may start others (a client launching a game) while they
    // are being stopped: repeat until a pass finds nobody.
    std::set<pid_t> seen;
    for (int pass = 0; pass < 20; ++pass) {
        auto signalled = signalPrograms(prefix, signal);
        const size_t known = seen.size();
        seen.insert(signalled.begin(), signalled.end());
        if (signalled.empty() || (pass > 0 && seen.size() == known)) break;
        killed = true;
        waitUntil([&] {
            for (pid_t pid : signalled)
                if (startTime(pid)) return false;
            return true;
        }, kKillWait);
    }
    // The server itself is asked to stop, so it saves the registry first.
    if (auto server = liveRecordedProcess(prefix.serverRecord()); server && ::kill(*server, SIGTERM) == 0)
        killed = true;
    waitUntil([&] { return !serverRunning(prefix); }, kKillWait);
    return killed;
}

void waitForServerExit(const Prefix& prefix) {
    while (serverRunning(prefix)) std::this_thread::sleep_for(kPoll);
}

}  // namespace testbed_engine
