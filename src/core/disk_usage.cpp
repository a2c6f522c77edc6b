#include "core/disk_usage.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "core/files.h"

namespace ludowell {
namespace fs = std::filesystem;
namespace {

constexpr std::uintmax_t kProgressEvery = 2000;

}  // namespace

DiskUsage DiskUsageCounter::measure(const fs::path& folder, const std::vector<fs::path>& skip,
                                    const Progress& progress) {
    DiskUsage usage;
    std::vector<fs::path> skipped;
    for (const auto& path : skip) skipped.push_back(standardizedPath(path));
    auto skips = [&](const fs::path& path) {
        return std::find(skipped.begin(), skipped.end(), path) != skipped.end();
    };

    struct stat top{};
    if (::lstat(folder.c_str(), &top) != 0 || !S_ISDIR(top.st_mode)) return usage;
    usage.bytes += std::uintmax_t(top.st_blocks) * 512;

    std::vector<fs::path> pending{standardizedPath(folder)};
    while (!pending.empty()) {
        const fs::path current = std::move(pending.back());
        pending.pop_back();
        // O_NOFOLLOW: a folder swapped for a link between the look and the
        // open is not followed either.
        const int fd = ::open(current.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        DIR* dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            continue;
        }
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..") continue;
            struct stat info{};
            if (::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;  // gone meanwhile
            const fs::path path = current / name;
            if (S_ISDIR(info.st_mode)) {
                if (skips(path)) continue;
                pending.push_back(path);
            } else if (info.st_nlink > 1 && !linked_.insert({info.st_dev, info.st_ino}).second) {
                continue;
            } else {
                ++usage.files;
                if (++files_ % kProgressEvery == 0 && progress && !progress(files_)) {
                    ::closedir(dir);
                    return usage;
                }
            }
            usage.bytes += std::uintmax_t(info.st_blocks) * 512;
        }
        ::closedir(dir);
    }
    return usage;
}

}  // namespace ludowell
