#pragma once
#include <map>
#include <optional>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace ludowell {

inline constexpr const char* kUnsignedMachOFormat = "unsigned-macho-sha256-v1";

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
