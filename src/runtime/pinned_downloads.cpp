#include "runtime/pinned_downloads.h"

#include "platform/platform.h"

namespace ludowell {

PinnedDownload packageDownload(const std::filesystem::path& resources) {
    if (auto overrides = platform::downloadOverrides(resources))
        return {overrides->package.url, overrides->package.sha, overrides->package.size};
    return {"https://github.com/Gcenx/macOS_Wine_builds/releases/download/template/Template-1.0.15.tar.xz",
            templateSHA, templateSize};
}

PinnedDownload steamInstallerDownload(const std::filesystem::path& resources) {
    if (auto overrides = platform::downloadOverrides(resources))
        return {overrides->steamInstaller.url, overrides->steamInstaller.sha, overrides->steamInstaller.size};
    return {"https://cdn.cloudflare.steamstatic.com/client/installer/SteamSetup.exe", steamSHA, steamSize};
}

}  // namespace ludowell
