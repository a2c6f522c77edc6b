#include "signing/signature.h"

#include <openssl/evp.h>

#include <cstring>
#include <stdexcept>

namespace testbed_engine {
namespace {

constexpr std::string_view kHead = "TBCSIG01";
constexpr std::string_view kTail = "TBCSEND1";

std::array<unsigned char, 32> sha256(std::string_view bytes) {
    std::array<unsigned char, 32> out{};
    unsigned int length = 0;
    if (!EVP_Digest(bytes.data(), bytes.size(), out.data(), &length, EVP_sha256(), nullptr) || length != 32)
        throw std::runtime_error("SHA-256 failed");
    return out;
}

bool hasTrailer(std::string_view bytes) {
    if (bytes.size() < kTrailerSize + 4) return false;
    auto trailer = bytes.substr(bytes.size() - kTrailerSize);
    return trailer.substr(0, 8) == kHead && trailer.substr(kTrailerSize - 8) == kTail;
}

}  // namespace

std::string sha256Hex(std::string_view bytes) {
    static const char* digits = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : sha256(bytes)) {
        hex.push_back(digits[byte >> 4]);
        hex.push_back(digits[byte & 15]);
    }
    return hex;
}

bool isMachO(std::string_view bytes) {
    static const unsigned char magics[][4] = {{0xCF, 0xFA, 0xED, 0xFE}, {0xCE, 0xFA, 0xED, 0xFE},
                                              {0xCA, 0xFE, 0xBA, 0xBE}, {0xBE, 0xBA, 0xFE, 0xCA},
                                              {0xCA, 0xFE, 0xBA, 0xBF}};
    if (bytes.size() < 4) return false;
    for (const auto& magic : magics)
        if (std::memcmp(bytes.data(), magic, 4) == 0) return true;
    return false;
}

SignatureState signatureState(std::string_view bytes) {
    if (!isMachO(bytes)) return SignatureState::notMachO;
    if (!hasTrailer(bytes)) return SignatureState::unsignedImage;
    auto body = unsignedImage(bytes);
    auto recorded = bytes.substr(body.size() + 8, 32);
    auto actual = sha256(body);
    return std::memcmp(recorded.data(), actual.data(), 32) == 0 ? SignatureState::valid
                                                                : SignatureState::invalid;
}

std::string_view unsignedImage(std::string_view bytes) {
    return hasTrailer(bytes) ? bytes.substr(0, bytes.size() - kTrailerSize) : bytes;
}

std::string signedImage(std::string_view bytes) {
    std::string result(unsignedImage(bytes));
    auto digest = sha256(result);
    result.append(kHead);
    result.append(reinterpret_cast<const char*>(digest.data()), digest.size());
    result.append(kTail);
    return result;
}

}  // namespace testbed_engine
