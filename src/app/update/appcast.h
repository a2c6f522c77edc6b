#pragma once
// The appcast feed in the RSS form Sparkle reads, version order, and the
// Ed25519 check of a downloaded archive.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/update/update_service.h"

namespace ludowell::appcast {

inline constexpr const char* kErrorDomain = "Ludowell.UpdateService";

enum ErrorCode {
    notConfigured = 1,
    feedUnreachable,
    feedInvalid,
    downloadFailed,
    downloadIncomplete,
    signatureInvalid,
    unpackFailed,
    installFailed,
};

// The items that carry a version and an enclosure, in feed order. Throws
// UpdateError when the text is not an RSS document.
std::vector<AppcastItem> parse(const std::string& xml);

// Orders versions as the Mac updater does: digit runs compare as numbers
// ("1.10" > "1.9"), a word marks a pre-release (1.0a1 < 1.0b1 < 1.0rc1 <
// 1.0), missing parts count as 0 (1.5 == 1.5.0). Negative, 0 or positive.
int compareVersions(const std::string& a, const std::string& b);

// The highest version above `current` among the items whose system range
// holds `hostSystemVersion`, if any.
std::optional<AppcastItem> newest(const std::vector<AppcastItem>& items, const std::string& current,
                                  const std::string& hostSystemVersion);

// True when `signature` (base64) is a valid Ed25519 signature of the
// file's bytes by `publicKey` (base64 of the 32-byte raw key).
bool verifySignature(const std::filesystem::path& file, const std::string& signature,
                     const std::string& publicKey);

}  // namespace ludowell::appcast
