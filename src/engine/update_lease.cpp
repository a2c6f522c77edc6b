#include "engine/update_lease.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "core/failure.h"
#include "platform/platform.h"

namespace ludowell {

std::filesystem::path UpdateLease::defaultLocation() {
    // The account's, not the environment's: every run of one account must
    // meet at the same lock, however its HOME or XDG_DATA_HOME are set.
    return platform::accountApplicationSupport() / "Hollowmere" / "update-session.lock";
}

UpdateLease::UpdateLease(bool exclusive, const std::filesystem::path& location) {
    std::filesystem::create_directories(location.parent_path());
    fd_ = ::open(location.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) throw Failure("Could not open the update lock.", plainReason(errno, location.string()));
    if (::flock(fd_, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        ::close(fd_);
        throw Failure("An update or launch is already in progress. Please wait for it to finish.");
    }
}

UpdateLease::~UpdateLease() {
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
}

}  // namespace ludowell
