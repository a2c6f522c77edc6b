#pragma once
// The small slice of HTTP/1.1 the testbed server speaks.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace testbed {

struct RequestLine {
    std::string method;
    std::string target;
    std::string version;
};

// The first line of a request head, or none when it is malformed.
std::optional<RequestLine> parseRequestLine(std::string_view head);

enum class Resolution { file, badRequest, notFound };

struct ResolvedTarget {
    Resolution kind;
    std::filesystem::path file;  // set for Resolution::file
};

// Maps a request target to a regular file inside root. Any ".." segment is
// refused outright, and a link that leads out of root counts as missing.
ResolvedTarget resolveTarget(const std::filesystem::path& root, std::string_view target);

const char* reasonPhrase(int status);

}  // namespace testbed
