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

// "dependency-links.json": where in the engine a link goes, and what in the
// graphics package it points to. Throws on a document that is not an object
// of strings.
std::map<std::string, std::string> decodeDependencyLinks(const std::string& text);
// A link name or value that is absolute or climbs out with "..".
bool escapingLinkPath(const std::string& path);
}  // namespace ludowell
