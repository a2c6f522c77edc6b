#pragma once
#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace ludowell {

inline constexpr const char* kUnsignedMachOFormat = "unsigned-macho-sha256-v1";

// Whether a file's first bytes are a Mach-O (or universal) image's magic.
bool isMachOHeader(const unsigned char* bytes, size_t count);

struct EngineManifest {
    std::string version;
    std::map<std::string, std::string> files;  // relative path -> SHA-256
    std::optional<std::string> hashFormat;

    static bool safeComponent(const std::string& text);
    void validate() const;
    static EngineManifest decode(const std::string& text);
};

struct EngineSelection {
    std::string current;
    std::optional<std::string> previous;

    std::string encode() const;
    static std::optional<EngineSelection> decode(const std::string& text);
};

}  // namespace ludowell
