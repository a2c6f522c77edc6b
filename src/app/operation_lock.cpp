#include "app/operation_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "core/failure.h"
#include "core/files.h"
#include "runtime/runtime.h"

namespace ludowell {

OperationLock::OperationLock(const std::filesystem::path& root) {
    // The spawner closes every descriptor above 2 in children, so the lock
    // never outlives this run inside Wine.
    fd_ = ::open((root / "operation.lock").c_str(), O_RDWR | O_CREAT, 0600);
    if (fd_ < 0)
        throw Failure("Could not open the operation lock.", plainReason(errno, (root / "operation.lock").string()));
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        throw Failure("Another setup or launch is already in progress. Please wait for it to finish.");
    }
}

OperationLock::~OperationLock() { ::close(fd_); }

void removeLeftoverStaging(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    auto sweep = [](const fs::path& folder, auto&& leftover) {
        std::error_code ec;
        std::vector<fs::path> found;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (leftover(it->path().filename().string(), *it)) found.push_back(it->path());
        for (const auto& path : found) {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    };
    sweep(root, [](const std::string& name, const fs::directory_entry& entry) {
        std::error_code ignored;
        if (name.starts_with("engine-staging-") || name.starts_with("deps-staging-") ||
            name.starts_with("hash-staging-"))
            return entry.is_directory(ignored) && !entry.is_symlink(ignored);
        // Only the files a run writes under this lock: the window writes
        // the licence consent on its own.
        for (const char* written : {"runtime-ready", "engine-selection.json", "steam-session.json"})
            if (isTemporaryOf(name, written)) return true;
        return false;
    });
    sweep(root / "downloads", [](const std::string& name, const fs::directory_entry&) {
        return name.ends_with(".partial");
    });
    sweep(Runtime(root, fs::path()).prefix() / "drive_c/windows/system32",
          [](const std::string& name, const fs::directory_entry&) {
              for (const char* library : Runtime::graphicsLibraries())
                  if (isTemporaryOf(name, std::string(library) + ".dll")) return true;
              return false;
          });
}

}  // namespace ludowell
