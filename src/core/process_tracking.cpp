#include "core/process_tracking.h"

#include <fcntl.h>
#include <unistd.h>

#include <optional>
#include <vector>

#include "platform/platform.h"
#include "runtime/files.h"
#include "runtime/runtime.h"

namespace ludowell {
namespace {

constexpr int kMaxPids = 8192;
constexpr unsigned kPathBytes = 4096;
constexpr off_t kLogTail = 131072;

std::string resolved(const std::filesystem::path& path) {
    std::error_code ec;
    auto result = std::filesystem::weakly_canonical(path, ec);
    return ec ? path.string() : result.string();
}

}  // namespace

bool hasLiveEngine(const std::filesystem::path& folder) {
    std::vector<int> pids(kMaxPids, 0);
    int count = platform::listAllPids(pids.data(), kMaxPids * int(sizeof(int)));
    std::string prefix = resolved(folder);
    if (!prefix.ends_with("/")) prefix += "/";
    // Where the process table already gives resolved paths, resolving again
    // would only cost a walk of every path on every refresh.
    const bool alreadyResolved = platform::pidPathsAreResolved();
    char path[kPathBytes];
    for (int i = 0; i < std::max(0, std::min(count, kMaxPids)); ++i) {
        if (pids[i] < 1) continue;
        path[0] = '\0';
        if (platform::pidPath(pids[i], path, kPathBytes) <= 0) continue;
        if (alreadyResolved ? std::string_view(path).starts_with(prefix) : resolved(path).starts_with(prefix))
            return true;
    }
    return false;
}

bool hasTrackedGame(const std::string& log, const GameProfile& profile) {
    const std::string adding = "AppID " + profile.steamID + " adding PID ";
    const std::string removal = "Remove " + profile.steamID + " from running list";
    const std::string ending = "AppID " + profile.steamID + " no longer tracking PID ";
    std::optional<std::string> tracked;

    auto apply = [&](std::string_view line) {
        if (line.empty()) return;
        if (line.find(adding) != std::string_view::npos &&
            line.find(profile.executable) != std::string_view::npos) {
            auto rest = line.substr(line.rfind("adding PID ") + 11);
            tracked = std::string(rest.substr(0, rest.find(' ')));
        }
        if (line.find(removal) != std::string_view::npos) tracked.reset();
        if (tracked && line.find(ending + *tracked + ",") != std::string_view::npos) tracked.reset();
    };

    // A carriage return directly before a line feed forms one character with
    // it, so such a pair does not end a line.
    std::string_view text(log);
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' || (i > 0 && text[i - 1] == '\r')) continue;
        apply(text.substr(start, i - start));
        start = i + 1;
    }
    apply(text.substr(start));
    return tracked.has_value();
}

bool isGameRunning(const Runtime& runtime) {
    if (!hasLiveEngine(runtime.engine())) return false;
    const auto logPath = runtime.steamFolder() / "logs/gameprocess_log.txt";
    int fd = ::open(logPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ScopedDescriptor closer{fd};
    off_t size = ::lseek(fd, 0, SEEK_END);
    if (size < 0) return false;
    ::lseek(fd, size > kLogTail ? size - kLogTail : 0, SEEK_SET);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            bytes.clear();
            break;
        }
        if (n == 0) break;
        bytes.append(buffer, size_t(n));
    }
    return hasTrackedGame(decodeUtf8Lossy(bytes), runtime.profile());
}

}  // namespace ludowell
