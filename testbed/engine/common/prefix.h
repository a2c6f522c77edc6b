#pragma once
// One Wine prefix as the testbed engine sees it, and the bookkeeping that
// ties programs to their prefix's server.
//
// Layout under "<prefix>/.testbed":
//   server.lock    held exclusively by the live server for its whole life
//   server.pid     "<pid> <start time>" of that server
//   programs.lock  held shared by every running program of the prefix
//   pids/<pid>     "<pid> <start time>" of each running program
// Advisory locks vanish with their process, so a killed program or server
// can never make the prefix look busy.
#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>

namespace testbed_engine {

namespace fs = std::filesystem;

struct Prefix {
    fs::path root;  // WINEPREFIX, absolute, without a trailing slash

    // From WINEPREFIX; none when it is unset or empty.
    static std::optional<Prefix> fromEnvironment();

    fs::path dataRoot() const { return root.parent_path(); }
    fs::path driveC() const { return root / "drive_c"; }
    fs::path state() const { return root / ".testbed"; }
    fs::path serverLock() const { return state() / "server.lock"; }
    fs::path serverRecord() const { return state() / "server.pid"; }
    fs::path programsLock() const { return state() / "programs.lock"; }
    fs::path programRecords() const { return state() / "pids"; }

    // The Windows form of a path ("C:\..." inside drive_c, "Z:\..." elsewhere).
    std::string windowsPath(const fs::path& unixPath) const;
    // The Unix form of a program argument that may be a Windows path.
    fs::path unixPath(const std::string& argument) const;
};

// "<pid> <start time>" records, so a stale file never names a stranger.
void writeProcessRecord(const fs::path& file, pid_t pid);
// The recorded process when it is still the same live process.
std::optional<pid_t> liveRecordedProcess(const fs::path& file);

// Whether the prefix has a live server (its lock is held).
bool serverRunning(const Prefix& prefix);

// The server program: WINESERVER when it names an executable, otherwise
// "wineserver" beside the running loader.
fs::path serverExecutable();

// Makes the calling process a program of the prefix for its lifetime.
class ProgramRegistration {
public:
    explicit ProgramRegistration(const Prefix& prefix);
    ~ProgramRegistration();
    ProgramRegistration(const ProgramRegistration&) = delete;
    ProgramRegistration& operator=(const ProgramRegistration&) = delete;

    // In a forked child: record the child itself (it shares the lock), and
    // drop that record again before the child ends.
    void adoptCurrentProcess();
    void withdrawCurrentProcess();
    // Starts the prefix's server unless one runs, and waits until it is up.
    // False when no server came up.
    bool ensureServer() const;

private:
    Prefix prefix_;
    pid_t pid_;
    int lockFd_ = -1;
};

}  // namespace testbed_engine
