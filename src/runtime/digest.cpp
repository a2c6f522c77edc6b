#include "runtime/digest.h"
#include "core/files.h"
#include "runtime/stop_request.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <system_error>
#include <vector>

#include <openssl/evp.h>

namespace ludowell {

std::string digest(const std::filesystem::path& file) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::filesystem::filesystem_error("Could not open the file", file, std::error_code(errno, std::generic_category()));
    ScopedDescriptor closer{fd};

    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        throw std::runtime_error("SHA-256 is unavailable.");

    constexpr size_t kChunk = 1 << 20;
    std::vector<unsigned char> buffer(kChunk);
    for (;;) {
        ssize_t n = ::read(fd, buffer.data(), kChunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw std::filesystem::filesystem_error("Could not read the file", file, std::error_code(errno, std::generic_category()));
        }
        if (n == 0) break;
        // A game's executable can take many seconds to read.
        throwIfStopRequested();
        EVP_DigestUpdate(context.get(), buffer.data(), size_t(n));
    }

    unsigned char value[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context.get(), value, &length);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    text.reserve(length * 2);
    for (unsigned i = 0; i < length; ++i) {
        text.push_back(kHex[value[i] >> 4]);
        text.push_back(kHex[value[i] & 15]);
    }
    return text;
}

}  // namespace ludowell
