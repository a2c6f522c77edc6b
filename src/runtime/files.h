#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ludowell {

// Writes under a temporary name beside the file, syncs, then renames over
// it, so a reader sees the old or the new content and never a part.
void atomicWrite(const std::filesystem::path& file, std::string_view bytes);

// The whole file, or none when it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& file);

bool isValidUtf8(std::string_view text);
// Replaces every invalid sequence with U+FFFD.
std::string decodeUtf8Lossy(std::string_view bytes);
// The last `count` characters of valid UTF-8 text: code points, except
// that CR LF counts as one.
std::string lastCharacters(const std::string& text, size_t count);

}  // namespace ludowell
