#include "runtime/cleanup.h"

#include <sys/stat.h>

#include <cstdio>

#include "core/failure.h"
#include "runtime/pinned_downloads.h"
#include "runtime/runtime.h"
#include "runtime/say.h"

namespace ludowell {
namespace {

const char* kBusy = "Save and close your game and this app's Steam client before cleaning up.";

// Regular files only: a link here was not made by the app.
bool isPlainFile(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::regular;
}

std::uintmax_t removeAll(const std::vector<fs::path>& files) {
    std::uintmax_t freed = 0;
    for (const auto& file : files) {
        const std::uintmax_t size = totalSize({file});
        fs::remove(file);  // a failure ends the step with the system's reason
        freed += size;
    }
    return freed;
}

}  // namespace

std::vector<fs::path> downloadedInstallers(const Runtime& runtime) {
    std::vector<fs::path> found;
    for (const char* name : {packageFileName, steamInstallerFileName}) {
        for (const std::string suffix : {"", ".partial"}) {
            const fs::path file = runtime.root() / "downloads" / (name + suffix);
            if (isPlainFile(file)) found.push_back(file);
        }
    }
    return found;
}

std::vector<fs::path> oldLogs(const Runtime& runtime, std::chrono::hours age) {
    std::vector<fs::path> found;
    const auto cutoff = fs::file_time_type::clock::now() - age;
    std::error_code ec;
    for (fs::directory_iterator it(runtime.logs(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (it->path().extension() != ".log" || !isPlainFile(it->path())) continue;
        const auto written = fs::last_write_time(it->path(), ignored);
        if (!ignored && written < cutoff) found.push_back(it->path());
    }
    return found;
}

std::uintmax_t totalSize(const std::vector<fs::path>& files) {
    std::uintmax_t total = 0;
    for (const auto& file : files) {
        struct stat info{};
        if (::lstat(file.c_str(), &info) == 0) total += std::uintmax_t(info.st_blocks) * 512;
    }
    return total;
}

std::string byteText(std::uintmax_t bytes) {
    const char* units[] = {"bytes", "KB", "MB", "GB", "TB"};
    double value = double(bytes);
    int unit = 0;
    while (value >= 1000 && unit < 4) {
        value /= 1000;
        ++unit;
    }
    char text[32];
    if (unit == 0)
        std::snprintf(text, sizeof text, "%ju bytes", bytes);
    else
        std::snprintf(text, sizeof text, value < 10 ? "%.1f %s" : "%.0f %s", value, units[unit]);
    return text;
}

void removeDownloadedInstallers(const Runtime& runtime) {
    if (runtime.running()) throw Failure(kBusy);
    const auto files = downloadedInstallers(runtime);
    if (files.empty()) {
        say("No downloaded installers to remove.");
        return;
    }
    const std::uintmax_t freed = removeAll(files);
    say("Removed the downloaded installers and freed " + byteText(freed) +
        ". A later repair downloads them again.");
}

void removeOldLogs(const Runtime& runtime) {
    if (runtime.running()) throw Failure(kBusy);
    const auto files = oldLogs(runtime);
    if (files.empty()) {
        say("No logs older than 30 days to remove.");
        return;
    }
    const std::uintmax_t freed = removeAll(files);
    say("Removed " + std::to_string(files.size()) + (files.size() == 1 ? " log" : " logs") +
        " older than 30 days and freed " + byteText(freed) + ".");
}

}  // namespace ludowell
