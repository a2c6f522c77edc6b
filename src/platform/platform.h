#pragma once
// The one place where macOS and Linux differ. Everything else in the
// program asks these functions and never tests the platform itself.
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ludowell::platform {

namespace fs = std::filesystem;

fs::path executable();  // the running program itself

fs::path homeDir();
// The account's own home folder from the user database, whatever the
// environment says: one per account, for what all its runs must share.
fs::path accountHome();
fs::path accountApplicationSupport();  // its "Library/Application Support" (Linux: .local/share)
// macOS "Library/Application Support" under home; the XDG data folder on Linux.
fs::path applicationSupport();
fs::path temporaryDir();

// A system tool and its arguments.
struct Command {
    fs::path executable;
    std::vector<std::string> arguments;
};
Command recursiveCopy(const fs::path& from, const fs::path& to);  // ditto

// The process table (libproc on macOS, /proc on Linux), newest first.
std::vector<pid_t> allPids();
// The executable a process runs; none when it has ended or is hidden.
std::optional<fs::path> executablePath(pid_t pid);
// True where executablePath already yields paths with every link resolved.
bool pidPathsAreResolved();
// The command line a process shows (Wine rewrites it to the Windows
// program's path); empty when it cannot be read.
std::vector<std::string> processArguments(int pid);

// A pipe whose two ends are closed on exec. Returns 0, or -1 with errno.
int openPipe(int fds[2]);

// Shows the folder in the platform's file browser (Finder), waiting only
// for the opener program, which hands it on at once.
void openInFileBrowser(const fs::path& folder);

// A display server to show windows on: always on a Mac; X11 or Wayland
// on Linux.
bool hasDisplayServer();
// Menus live in the screen's menu bar (macOS), not in the window.
bool hasGlobalMenuBar();

std::string makeUUID();  // upper-case with hyphens

// Swaps two existing paths in one step (renameat2 RENAME_EXCHANGE on Linux,
// renamex_np RENAME_SWAP on macOS). Throws std::system_error.
void exchangePaths(const fs::path& a, const fs::path& b);

// Pushes a file's written bytes to the disk itself, so they outlive a
// power cut (a Mac's fsync stops at the drive's cache: F_FULLFSYNC there).
// Returns 0, or -1 with errno.
int syncToDisk(int fd);

// A descriptor that becomes readable each time the process is asked to
// end with SIGTERM, so the event loop can decide instead of the signal.
int terminationRequests();

}  // namespace ludowell::platform
