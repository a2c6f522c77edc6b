#include "common/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <fstream>
#include <system_error>

namespace testbed_engine {

void atomicWrite(const fs::path& file, const std::string& bytes) {
    const fs::path temporary =
        file.parent_path() / ("." + file.filename().string() + ".tmp-" + std::to_string(::getpid()));
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw fs::filesystem_error("cannot write", temporary, std::error_code(errno, std::generic_category()));
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            throw fs::filesystem_error("cannot write", temporary, std::error_code(error, std::generic_category()));
        }
        done += size_t(n);
    }
    ::close(fd);
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        throw fs::filesystem_error("cannot replace", file, std::error_code(error, std::generic_category()));
    }
}

std::optional<std::string> readText(const fs::path& file, size_t limit) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(limit, '\0');
    in.read(text.data(), std::streamsize(limit));
    text.resize(size_t(in.gcount()));
    return text;
}

std::string logTimestamp() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

void appendAtOnce(const fs::path& file, const std::string& text) {
    int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    ssize_t ignored = ::write(fd, text.data(), text.size());
    (void)ignored;
    ::close(fd);
}

}  // namespace testbed_engine
