#pragma once
#include <filesystem>

namespace ludowell {

// Opens (truncating) the log a started tool writes its output to; the
// descriptor is closed on exec. Throws std::filesystem::filesystem_error
// saying "Could not open the <what> log".
int openToolLog(const std::filesystem::path& file, const char* what);

}  // namespace ludowell
