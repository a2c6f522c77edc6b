#include "runtime/runtime.h"

#include <algorithm>
#include <climits>
#include <system_error>

#include "core/failure.h"
#include "core/files.h"
#include "platform/platform.h"

namespace ludowell {

Runtime::Runtime(std::optional<fs::path> root, std::optional<fs::path> resources, GameProfile profile,
                 const platform::Host& host)
    : host_(&host), profile_(std::move(profile)) {
    root_ = standardizedPath(root ? *root : defaultRoot(profile_));
    resources_ = resources ? *resources : host.resources();
}

fs::path Runtime::defaultRoot(const GameProfile& profile) {
    return platform::applicationSupport() / "Hollowmere" / "Games" / profile.id;
}

fs::path Runtime::prefix() const { return root_ / "prefix"; }
fs::path Runtime::frameworks() const { return root_ / "deps/Frameworks"; }
fs::path Runtime::renderer() const { return frameworks() / "renderer/d3dmetal"; }
fs::path Runtime::wine() const { return engine() / "bin/wine"; }
fs::path Runtime::server() const { return engine() / "bin/wineserver"; }
fs::path Runtime::steam() const { return prefix() / "drive_c/Program Files (x86)/Steam/steam.exe"; }
fs::path Runtime::steamFolder() const { return steam().parent_path(); }
fs::path Runtime::game() const {
    return steamFolder() / ("steamapps/common/" + profile_.installFolder + "/" + profile_.executable);
}
fs::path Runtime::logs() const { return root_ / "logs"; }

void Runtime::requireUsableRoot() const {
    // WINEDLLPATH and DYLD_FALLBACK_LIBRARY_PATH separate folders with ":".
    if (root_.string().find(':') != std::string::npos)
        throw Failure("The data folder's path contains \":\" (shown as \"/\" in the Finder), which the game's "
                      "Windows environment cannot use. Choose a folder whose path has neither.");
    // The longest paths a run makes under the data root: the package while
    // it is unpacked, and the game inside Steam.
    const std::string unpacking = "deps-staging-" + std::string(36, 'X') +
                                  "/Template-1.0.15.app/Contents/Frameworks/renderer/d3dmetal/wine/x86_64-unix/d3d12.so";
    const std::string deepest = std::max(unpacking, game().lexically_relative(root_).string(),
                                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
    if (root_.string().size() + 1 + deepest.size() >= PATH_MAX)
        throw Failure("The data folder's path is too long for the game's Windows environment. Choose a folder "
                      "with a shorter path.");
}

bool Runtime::exists(const fs::path& path) const {
    std::error_code ec;
    return fs::exists(path, ec);  // follows links: a dangling link is absent
}

void Runtime::make(const fs::path& folder) const {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        std::error_code isDirError;
        if (fs::is_directory(folder, isDirError)) return;
        throw fs::filesystem_error("Could not create the folder", folder, ec);
    }
}

}  // namespace ludowell
