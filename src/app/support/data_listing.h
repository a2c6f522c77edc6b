#pragma once
// A listing of a data root for a support report: names, sizes and dates,
// never a file's contents.
#include <cstddef>
#include <filesystem>
#include <string>

#include "app/support/redaction.h"

namespace ludowell {

// The tree under `root` to `depth` levels, shallow levels first so a cap of
// `maxEntries` drops the deepest. Links are shown, not followed; private
// names (Redaction::isPrivateName) are left out with what is under them.
std::string listDataRoot(const std::filesystem::path& root, const Redaction& redaction, int depth = 5,
                         std::size_t maxEntries = 4000);

}  // namespace ludowell
