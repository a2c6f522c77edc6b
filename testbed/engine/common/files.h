#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace testbed_engine {

namespace fs = std::filesystem;

// Writes under a temporary name in the same folder, then renames, so a
// reader sees the old file or the new one, never a partial one. Throws.
void atomicWrite(const fs::path& file, const std::string& bytes);

// Appends with one O_APPEND write, so lines of concurrent programs never
// interleave. Best effort: a file that cannot be opened is skipped.
void appendAtOnce(const fs::path& file, const std::string& text);

std::optional<std::string> readText(const fs::path& file, size_t limit = 1 << 20);

// Local time as Steam's logs print it: "2026-12-05 17:00:00".
std::string logTimestamp();

}  // namespace testbed_engine
