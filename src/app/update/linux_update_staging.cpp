// The folders beside the bundle that updates unpack into: made and held
// while an update is ours, swept when an earlier run left them behind.
#include "app/update/linux_update_service.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

#include "platform/platform.h"

namespace ludowell {

namespace fs = std::filesystem;

namespace {

// Folders beside the bundle that updates make: ".<bundle>-update-<UUID>"
// now, ".<bundle>-previous-<UUID>" from before the swap was one step.
bool isUpdateFolder(const fs::path& bundle, const fs::path& entry) {
    const auto hidden = "." + bundle.filename().string() + "-";
    const auto name = entry.filename().string();
    return name.starts_with(hidden + "update-") || name.starts_with(hidden + "previous-");
}

constexpr auto kInUse = ".in-use";

}  // namespace

void LinuxUpdateService::sweepInterruptedUpdates() {
    const auto& bundle = options_.bundle;
    std::error_code ec;
    std::vector<fs::path> leftovers;
    for (const auto& entry : fs::directory_iterator(bundle.parent_path(), ec))
        if (entry.path() != staging_ && isUpdateFolder(bundle, entry.path())) leftovers.push_back(entry.path());
    // An install from before the swap was one step could stop with the
    // bundle moved aside: put it back rather than lose the only copy.
    if (!fs::exists(bundle, ec)) {
        for (const auto& folder : leftovers) {
            if (folder.filename().string().find("-previous-") == std::string::npos) continue;
            fs::rename(folder, bundle, ec);
            if (!ec) break;
        }
    }
    if (!fs::exists(bundle, ec)) return;  // nothing is removed while the app itself is missing
    for (const auto& folder : leftovers) {
        if (!fs::exists(folder, ec)) continue;
        // A running copy holds its staging folder's lock until it is done.
        const int fd = ::open((folder / kInUse).c_str(), O_RDONLY | O_CLOEXEC);
        const bool busy = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        if (fd >= 0) ::close(fd);
        if (!busy) fs::remove_all(folder, ec);
    }
}

bool LinuxUpdateService::makeStaging() {
    dropStaging();
    const auto& bundle = options_.bundle;
    staging_ = bundle.parent_path() / ("." + bundle.filename().string() + "-update-" + platform::makeUUID());
    if (::mkdir(staging_.c_str(), 0700) != 0) return false;
    stagingLock_ = ::open((staging_ / kInUse).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return stagingLock_ >= 0 && ::flock(stagingLock_, LOCK_EX | LOCK_NB) == 0;
}

void LinuxUpdateService::dropStaging() {
    std::error_code ec;
    if (!staging_.empty()) fs::remove_all(staging_, ec);
    staging_.clear();
    if (stagingLock_ >= 0) ::close(stagingLock_);
    stagingLock_ = -1;
}

}  // namespace ludowell
