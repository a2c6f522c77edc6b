#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Text from tools, logs and Steam's files arrives as bytes that should be
// UTF-8; these are the only places that decide what is.
namespace ludowell {

bool isValidUtf8(std::string_view text);
// Replaces every invalid sequence with U+FFFD.
std::string decodeUtf8Lossy(std::string_view bytes);
// The last `count` characters of valid UTF-8 text: code points, except
// that CR LF counts as one.
std::string lastCharacters(const std::string& text, size_t count);

}  // namespace ludowell
