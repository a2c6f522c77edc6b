#include "core/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "core/failure.h"
#include "platform/platform.h"

namespace ludowell {

namespace fs = std::filesystem;

fs::path temporaryBeside(const fs::path& file) {
    auto temporary = file;
    temporary += ".tmp-" + platform::makeUUID();
    return temporary;
}

bool isTemporaryOf(const std::string& name, const std::string& base) {
    const std::string lead = base + ".tmp-";
    if (!name.starts_with(lead) || name.size() != lead.size() + 36) return false;
    for (size_t i = lead.size(); i < name.size(); ++i) {
        const char c = name[i];
        const size_t at = i - lead.size();
        const bool hyphen = at == 8 || at == 13 || at == 18 || at == 23;
        if (hyphen ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return true;
}

void atomicCopy(const fs::path& from, const fs::path& to) {
    const fs::path temporary = temporaryBeside(to);
    auto discard = [&] {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    };
    try {
        fs::copy_file(from, temporary);
        int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || platform::syncToDisk(fd) != 0) {
            const int error = errno;
            if (fd >= 0) ::close(fd);
            throw fs::filesystem_error("Could not copy the file", from, to,
                                       std::error_code(error, std::generic_category()));
        }
        ::close(fd);
        fs::rename(temporary, to);
    } catch (...) {
        discard();
        throw;
    }
}

namespace {

void syncPath(const fs::path& path, int flags) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | flags);
    if (fd < 0 || platform::syncToDisk(fd) != 0) {
        const int error = errno;
        if (fd >= 0) ::close(fd);
        throw fs::filesystem_error("Could not write to the disk", path, std::error_code(error, std::generic_category()));
    }
    ::close(fd);
}

}  // namespace

void syncFolder(const fs::path& folder) { syncPath(folder, O_DIRECTORY); }

void syncTree(const fs::path& folder) {
    // Files before the folders that name them, the top folder last.
    std::vector<fs::path> folders{folder};
    for (fs::recursive_directory_iterator it(folder), end; it != end; ++it) {
        const auto type = it->symlink_status().type();
        if (type == fs::file_type::directory) folders.push_back(it->path());
        else if (type == fs::file_type::regular) syncPath(it->path(), 0);
    }
    for (auto at = folders.rbegin(); at != folders.rend(); ++at) syncFolder(*at);
}

fs::path resolveLinks(const fs::path& path, std::error_code& ec) {
    fs::path resolved = fs::weakly_canonical(path, ec);
    for (int hops = 0; !ec && hops < 40; ++hops) {
        const auto status = fs::symlink_status(resolved, ec);
        if (ec) {
            // A missing file is no escape; reading it reports its own error.
            if (ec == std::errc::no_such_file_or_directory) ec.clear();
            break;
        }
        if (!fs::is_symlink(status)) break;
        const fs::path next = fs::read_symlink(resolved, ec);
        if (!ec) resolved = fs::weakly_canonical(resolved.parent_path() / next, ec);
    }
    return resolved;
}

bool resolvesInside(const fs::path& path, const fs::path& folder) {
    std::error_code ec;
    const std::string inside = fs::weakly_canonical(folder, ec).string() + "/";
    if (ec) return false;
    const std::string resolved = resolveLinks(path, ec).string();
    return !ec && resolved.starts_with(inside);
}

void atomicWrite(const std::filesystem::path& file, std::string_view bytes) {
    const auto temporary = temporaryBeside(file);
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::filesystem::filesystem_error("Could not write the file", file,
                                                std::error_code(errno, std::generic_category()));
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw std::filesystem::filesystem_error("Could not write the file", file,
                                                std::error_code(error, std::generic_category()));
    };
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        done += size_t(n);
    }
    if (platform::syncToDisk(fd) != 0) fail(errno);
    ::close(fd);
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        throw std::filesystem::filesystem_error("Could not write the file", file,
                                                std::error_code(error, std::generic_category()));
    }
}

std::uintmax_t freeSpace(const fs::path& path) {
    std::error_code ec;
    const auto space = fs::space(path, ec);
    if (ec || space.available == static_cast<std::uintmax_t>(-1)) return UINTMAX_MAX;
    return space.available;
}

void requireFreeSpace(const fs::path& folder, std::uintmax_t bytes) {
    const std::uintmax_t free = freeSpace(folder);
    if (free == UINTMAX_MAX || free >= bytes + kLogReserve) return;
    const std::uintmax_t missing = bytes + kLogReserve - free;
    const std::uintmax_t megabytes = (missing + 999999) / 1000000;
    throw Failure("The disk is full: this step needs about " + std::to_string(megabytes) +
                  " MB more free space. Free up some space and try again.");
}

std::uintmax_t treeSize(const fs::path& folder) {
    std::uintmax_t total = 0;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored) && !it->is_symlink(ignored)) total += it->file_size(ignored);
    }
    return total;
}

std::filesystem::path standardizedPath(std::filesystem::path path) {
    path = path.lexically_normal();
    if (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
    return path;
}

std::string readWholeFile(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fs::filesystem_error("Could not open the file", file, std::error_code(errno, std::generic_category()));
    ScopedDescriptor closer{fd};
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) return contents;
        if (n > 0) {
            contents.append(buffer, size_t(n));
        } else if (errno != EINTR) {
            throw fs::filesystem_error("Could not read the file", file, std::error_code(errno, std::generic_category()));
        }
    }
}

std::optional<std::string> readFile(const std::filesystem::path& file) {
    try {
        return readWholeFile(file);
    } catch (const fs::filesystem_error&) {
        return std::nullopt;
    }
}

}  // namespace ludowell
