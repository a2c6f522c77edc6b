#pragma once
// The bundle's Info.plist: one description of the app that the Mac and our
// own update service both read.
#include <QVariantMap>

#include <filesystem>
#include <optional>

namespace ludowell {

// The top-level dictionary's plain values (string, integer, real, true,
// false) by key; nested arrays and dictionaries are left out. Nothing when
// the file is missing or is not a property list.
std::optional<QVariantMap> readInfoPlist(const std::filesystem::path& file);

// The version the bundle's Info.plist gives for people to read
// ("CFBundleShortVersionString"), read afresh: an update replaces the file
// under the same name. Empty when the file has none or it is not text.
QString bundleShortVersion(const std::filesystem::path& bundle);

}  // namespace ludowell
