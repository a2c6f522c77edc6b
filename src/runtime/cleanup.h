#pragma once
// Freeing space the user asks for: only what the app itself made and can
// make again. Steam, the game, saves, engines and the prefix stay.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ludowell {

class Runtime;

inline constexpr std::chrono::hours kOldLogAge{24 * 30};

// The installers under "downloads", finished or half-way.
std::vector<std::filesystem::path> downloadedInstallers(const Runtime& runtime);
// Logs not written to within `age`.
std::vector<std::filesystem::path> oldLogs(const Runtime& runtime, std::chrono::hours age = kOldLogAge);
// The bytes those files take.
std::uintmax_t totalSize(const std::vector<std::filesystem::path>& files);
// "87.2 MB": decimal units, as the Mac's Finder counts.
std::string byteText(std::uintmax_t bytes);

// Each refuses while the game or Steam runs, then removes and says what
// it freed.
void removeDownloadedInstallers(const Runtime& runtime);
void removeOldLogs(const Runtime& runtime);

}  // namespace ludowell
