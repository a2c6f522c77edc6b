#pragma once
#include <filesystem>
#include <string>

namespace ludowell {

class Runtime;
struct EngineManifest;

// A file's digest by the manifest's rule: for a signed Mach-O image, the
// digest of its code with the signature removed, so re-signing keeps it.
std::string engineDigest(const Runtime& runtime, const std::filesystem::path& file,
                         const EngineManifest& manifest);

}  // namespace ludowell
