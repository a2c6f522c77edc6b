#pragma once
// What folders take on disk, walked without following any link. A file
// with several hard links counts once, however many parts it shows up in.
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace ludowell {

struct DiskUsage {
    std::uintmax_t bytes = 0;  // allocated blocks, not apparent length
    std::uintmax_t files = 0;
};

class DiskUsageCounter {
public:
    // Told the files counted so far now and then; returning false stops the walk.
    using Progress = std::function<bool(std::uintmax_t files)>;

    // The tree under `folder`, leaving out each folder of `skip` and what
    // is under it. Entries that vanish or cannot be read while the walk
    // passes (a running game writes and deletes) are passed over.
    DiskUsage measure(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& skip = {},
                      const Progress& progress = {});

private:
    std::set<std::pair<dev_t, ino_t>> linked_;  // files with more than one name, seen once
    std::uintmax_t files_ = 0;
};

}  // namespace ludowell
