#pragma once
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

// The whole file, or none when it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& file);

bool isValidUtf8(std::string_view text);
// Replaces every invalid sequence with U+FFFD.
std::string decodeUtf8Lossy(std::string_view bytes);
// The last `count` characters of valid UTF-8 text: code points, except
// that CR LF counts as one.
std::string lastCharacters(const std::string& text, size_t count);

}  // namespace ludowell
