#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

namespace ludowell {

// The digests that the Mac build downloads are pinned to.
inline constexpr const char* templateSHA =
    "34273bcce885ce5a7fd6937af9ea344bb9961de7d55d6193f7413142e835c8c3";
inline constexpr const char* steamSHA =
    "7d3654531c32d941b8cae81c4137fc542172bfa9635f169cb392f245a0a12bcb";
// Their sizes, which only the window's progress reads: the digest alone
// decides whether a file is accepted.
inline constexpr std::uint64_t templateSize = 87'000'000;
inline constexpr std::uint64_t steamSize = 2'300'000;

// The files' names in the data root's "downloads" folder.
inline constexpr const char* packageFileName = "Template-1.0.15.tar.xz";
inline constexpr const char* steamInstallerFileName = "SteamSetup.exe";

struct PinnedDownload {
    std::string url;
    std::string sha;
    std::uint64_t size = 0;  // 0: unknown
};

// Where the package and the Steam installer come from, for this bundle.
PinnedDownload packageDownload(const std::filesystem::path& resources);
PinnedDownload steamInstallerDownload(const std::filesystem::path& resources);

}  // namespace ludowell
