#pragma once
#include <optional>
#include <string>

namespace ludowell {

// "engine-selection.json": which "engine-<version>" folder Wine runs from,
// and the one it replaced, kept for recovery.
struct EngineSelection {
    std::string current;
    std::optional<std::string> previous;

    std::string encode() const;
    static std::optional<EngineSelection> decode(const std::string& text);
};

// A version that can name a folder: letters, digits and hyphens, under 100.
bool isSafeEngineVersion(const std::string& text);

}  // namespace ludowell
