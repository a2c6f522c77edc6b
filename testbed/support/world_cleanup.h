#pragma once
// Clearing up after worlds: the Wine servers their data roots left running,
// their read-only files, and the folders of test processes that died.
#include <filesystem>
#include <map>
#include <string>

namespace testbed {

// The variables every process of the world gets.
std::map<std::string, std::string> worldVariables(const std::filesystem::path& home,
                                                  const std::filesystem::path& caBundle);
void removeTree(const std::filesystem::path& folder);
void stopWineServersIn(const std::filesystem::path& folder, const std::filesystem::path& resources,
                       const std::map<std::string, std::string>& overrides);
// Worlds under `temporary` whose test process is gone; never `self`.
void sweepAbandonedWorlds(const std::filesystem::path& temporary, const std::filesystem::path& self);

}  // namespace testbed
