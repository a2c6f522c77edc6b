#include "core/process_tracking.h"

#include <cctype>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace ludowell {
namespace {

std::string resolved(const std::filesystem::path& path) {
    std::error_code ec;
    auto result = std::filesystem::weakly_canonical(path, ec);
    return ec ? path.string() : result.string();
}

// Calls `found` with each process whose executable lies below `folder`
// until it returns true.
template <typename Found>
bool anyProcessIn(const std::filesystem::path& folder, Found found) {
    std::string prefix = resolved(folder);
    if (!prefix.ends_with("/")) prefix += "/";
    // Where the process table already gives resolved paths, resolving again
    // would only cost a walk of every path on every refresh.
    const bool alreadyResolved = platform::pidPathsAreResolved();
    for (const pid_t pid : platform::allPids()) {
        if (pid < 1) continue;
        const auto path = platform::executablePath(pid);
        if (!path) continue;
        const std::string resolvedPath = alreadyResolved ? std::string() : resolved(*path);
        const std::string& executable = alreadyResolved ? path->native() : resolvedPath;
        if (executable.starts_with(prefix) && found(pid, executable)) return true;
    }
    return false;
}

std::string lowered(std::string text) {
    for (char& c : text) {
        c = char(std::tolower(static_cast<unsigned char>(c)));
        if (c == '/') c = '\\';
    }
    return text;
}

// Wine's server, or a program Wine starts from the Windows folder
// (services, explorer, winedevice, plugplay, svchost...). Wine shows such a
// process with the Windows program's path as its command line; a loader
// named in front of it is skipped.
bool isWineOwn(int pid, std::string_view executable) {
    if (std::filesystem::path(executable).filename().string().starts_with("wineserver")) return true;
    const auto arguments = platform::processArguments(pid);
    for (const auto& argument : arguments) {
        const bool windowsPath = argument.find('\\') != std::string::npos;
        if (!windowsPath && std::filesystem::path(argument).filename().string().starts_with("wine")) continue;
        return lowered(argument).starts_with("c:\\windows\\");
    }
    // No command line: a process that ended meanwhile (Wine's own come and
    // go around wineboot) counts for nobody; one that still runs but cannot
    // be read counts as the user's.
    return arguments.empty() && !platform::executablePath(pid);
}

}  // namespace

bool hasLiveEngine(const std::filesystem::path& folder) {
    return anyProcessIn(folder, [](int, std::string_view) { return true; });
}

bool hasUserProgram(const std::filesystem::path& engine) {
    return anyProcessIn(engine, [](int pid, std::string_view executable) { return !isWineOwn(pid, executable); });
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

}  // namespace ludowell
