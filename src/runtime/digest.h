#pragma once
#include <filesystem>
#include <string>

namespace ludowell {
// Lower-case hexadecimal SHA-256 of a file, streamed in 1 MiB chunks.
std::string digest(const std::filesystem::path& file);
}  // namespace ludowell
