#include "app/operation_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/failure.h"

namespace ludowell {

OperationLock::OperationLock(const std::filesystem::path& root) {
    // The spawner closes every descriptor above 2 in children, so the lock
    // never outlives this run inside Wine.
    fd_ = ::open((root / "operation.lock").c_str(), O_RDWR | O_CREAT, 0600);
    if (fd_ < 0) throw Failure("Could not open the operation lock.");
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd_);
        throw Failure("Another setup or launch is already in progress. Please wait for it to finish.");
    }
}

OperationLock::~OperationLock() { ::close(fd_); }

void removeLeftoverStaging(const std::filesystem::path& root) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with("engine-staging-") && !name.starts_with("deps-staging-")) continue;
        std::error_code ignored;
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) std::filesystem::remove_all(it->path(), ignored);
    }
}

}  // namespace ludowell
