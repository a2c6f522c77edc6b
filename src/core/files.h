#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <unistd.h>

namespace ludowell {

// Removes a folder when the scope ends, whichever way it ends; a removal
// error is ignored, since the folder only ever held temporary work.
struct ScopedRemoval {
    std::filesystem::path folder;
    explicit ScopedRemoval(std::filesystem::path path) : folder(std::move(path)) {}
    ScopedRemoval(const ScopedRemoval&) = delete;
    ScopedRemoval& operator=(const ScopedRemoval&) = delete;
    ~ScopedRemoval() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

// Closes a descriptor when the scope ends; a close error is ignored.
struct ScopedDescriptor {
    int fd;
    explicit ScopedDescriptor(int descriptor) : fd(descriptor) {}
    ScopedDescriptor(const ScopedDescriptor&) = delete;
    ScopedDescriptor& operator=(const ScopedDescriptor&) = delete;
    ~ScopedDescriptor() { ::close(fd); }
};

// Writes under a temporary name beside the file, syncs, then renames over
// it, so a reader sees the old or the new content and never a part.
void atomicWrite(const std::filesystem::path& file, std::string_view bytes);

// Copies a file the same way: under a temporary name beside the target,
// synced, then renamed over it. A killed copy never leaves a short file
// under the target's name.
void atomicCopy(const std::filesystem::path& from, const std::filesystem::path& to);

// Syncs every file and folder under `folder`, and the folder itself, to
// the disk, so a rename that follows never names a tree whose contents a
// power cut could still take. Links are not followed. Throws on failure.
void syncTree(const std::filesystem::path& folder);
// Syncs one folder's entries, so a rename inside it outlives a power cut.
void syncFolder(const std::filesystem::path& folder);

// The temporary name atomicWrite and atomicCopy use for `file`, and
// whether `name` is such a temporary of a file named `base`.
std::filesystem::path temporaryBeside(const std::filesystem::path& file);
bool isTemporaryOf(const std::string& name, const std::string& base);

// The path with "." and ".." resolved textually and no trailing slash;
// links stay as they are.
std::filesystem::path standardizedPath(std::filesystem::path path);
// Where a path leads once every link in it is followed, a dangling last
// one included. A missing file resolves to itself; other errors go to `ec`.
std::filesystem::path resolveLinks(const std::filesystem::path& path, std::error_code& ec);
// True when `path`, links followed, lies inside `folder` (links followed too).
bool resolvesInside(const std::filesystem::path& path, const std::filesystem::path& folder);

// Bytes free for this user on the disk that holds `path`; none known
// counts as plenty, so an unanswered question never blocks a step.
std::uintmax_t freeSpace(const std::filesystem::path& path);
// Below this a tool's log may not take its output.
inline constexpr std::uintmax_t kLogReserve = 1 << 20;
inline constexpr const char* kDiskFull = "\nThe disk is full. Free up some space and try again.";
// Throws a Failure that says the disk is full when fewer than `bytes`
// (plus the log reserve) are free where `folder` lies.
void requireFreeSpace(const std::filesystem::path& folder, std::uintmax_t bytes);
// The bytes the files under `folder` take, links not followed.
std::uintmax_t treeSize(const std::filesystem::path& folder);

// The whole file. A file that cannot be opened or read to its end throws
// filesystem_error with the system's reason: a read error never passes
// for a shorter file.
std::string readWholeFile(const std::filesystem::path& file);
// The whole file, or none when it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& file);



}  // namespace ludowell
