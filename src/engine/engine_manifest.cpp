#include "engine/engine_manifest.h"

#include <cstring>

#include <nlohmann/json.hpp>

#include "core/failure.h"
#include "core/files.h"
#include "runtime/engine_selection.h"

namespace ludowell {

bool isMachOHeader(const unsigned char* bytes, size_t count) {
    static const unsigned char kMagics[][4] = {
        {0xCF, 0xFA, 0xED, 0xFE}, {0xCE, 0xFA, 0xED, 0xFE}, {0xCA, 0xFE, 0xBA, 0xBE},
        {0xBE, 0xBA, 0xFE, 0xCA}, {0xCA, 0xFE, 0xBA, 0xBF}};
    if (count < 4) return false;
    for (const auto& magic : kMagics)
        if (std::memcmp(bytes, magic, 4) == 0) return true;
    return false;
}

bool EngineManifest::safeComponent(const std::string& text) { return isSafeEngineVersion(text); }

namespace {
bool isHex(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool unsafePath(const std::string& path) {
    if (path.starts_with("/")) return true;
    size_t start = 0;
    for (;;) {
        size_t slash = path.find('/', start);
        std::string piece = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (piece.empty() || piece == "." || piece == "..") return true;
        if (slash == std::string::npos) return false;
        start = slash + 1;
    }
}
}  // namespace

void EngineManifest::validate() const {
    if (hashFormat && *hashFormat != kUnsignedMachOFormat)
        throw Failure("Unsupported engine manifest format.");
    if (!safeComponent(version) || files.empty() || !files.count("bin/wine") ||
        !files.count("bin/wineserver"))
        throw Failure("Invalid engine update manifest.");
    for (const auto& [path, sha] : files) {
        bool badDigest = sha.size() != 64;
        for (unsigned char c : sha) badDigest = badDigest || !isHex(c);
        if (unsafePath(path) || badDigest) throw Failure("Invalid engine update path or hash.");
    }
}

EngineManifest EngineManifest::decode(const std::string& text) {
    auto document = nlohmann::json::parse(text);
    EngineManifest manifest;
    manifest.version = document.at("version").get<std::string>();
    manifest.files = document.at("files").get<std::map<std::string, std::string>>();
    if (auto it = document.find("hashFormat"); it != document.end() && !it->is_null())
        manifest.hashFormat = it->get<std::string>();
    return manifest;
}

std::map<std::string, std::string> decodeDependencyLinks(const std::string& text) {
    return nlohmann::json::parse(text).get<std::map<std::string, std::string>>();
}

bool escapingLinkPath(const std::string& path) {
    if (path.starts_with("/")) return true;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        if (slash - start == 2 && path.compare(start, 2, "..") == 0) return true;
        start = slash + 1;
    }
    return false;
}

}  // namespace ludowell
