#pragma once
// The testbed's stand-in for an embedded Mach-O code signature: a trailer
// appended to the image,
//   "TBCSIG01" + SHA-256 of everything before the trailer + "TBCSEND1",
// which the testbed codesign verifies and removes and the manifest
// generator strips before hashing, just as the real tools treat a signature.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace testbed_engine {

constexpr size_t kTrailerSize = 8 + 32 + 8;

// Lower-case hexadecimal SHA-256.
std::string sha256Hex(std::string_view bytes);

// The five magic numbers by which the app tells a Mach-O file.
bool isMachO(std::string_view bytes);

enum class SignatureState { notMachO, unsignedImage, valid, invalid };
SignatureState signatureState(std::string_view bytes);

// The image without its trailer (unchanged when there is none).
std::string_view unsignedImage(std::string_view bytes);

// The image with a fresh trailer; an existing trailer is replaced.
std::string signedImage(std::string_view bytes);

}  // namespace testbed_engine
