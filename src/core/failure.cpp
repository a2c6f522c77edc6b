#include "core/failure.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace ludowell {

std::string plainReason(int error, const std::string& path) {
    const std::string where = path.empty() ? std::string("A file") : "\"" + path + "\"";
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "The disk is full: " + where + " could not be written. Free up some space and try again.";
        case EROFS:
            return where + " cannot be written: its disk is read-only.";
        case EACCES:
        case EPERM:
            return where + " cannot be used: permission denied.";
        case EIO:
            return where + " cannot be read or written: the disk reported an input/output error.";
        default:
            return where + ": " + std::strerror(error) + ".";
    }
}

std::string plainReason(const std::exception& error) {
    if (const auto* files = dynamic_cast<const std::filesystem::filesystem_error*>(&error))
        return plainReason(files->code().value(), files->path1().string());
    // Other system errors already name what they were doing.
    return error.what();
}

}  // namespace ludowell
