#pragma once
#include <cstdint>
#include <string>

namespace ludowell {

namespace platform {
class Host;
}

// The files' names in the data root's "downloads" folder.
inline constexpr const char* packageFileName = "Template-1.0.15.tar.xz";
inline constexpr const char* steamInstallerFileName = "SteamSetup.exe";

struct PinnedDownload {
    std::string url;
    std::string sha;
    std::uint64_t size = 0;   // 0: unknown
    std::uint64_t limit = 0;  // the most bytes it may take; 0: no bound but time
};

// Where the package and the Steam installer come from, on this host.
PinnedDownload packageDownload(const platform::Host& host);
PinnedDownload steamInstallerDownload(const platform::Host& host);

}  // namespace ludowell
