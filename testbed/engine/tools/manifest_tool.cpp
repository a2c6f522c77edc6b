// Build-time tool for the shipped testbed engine.
//   libs <engine>                        writes the engine's library files
//   manifest <engine> <version> <output> lists every engine file with its
//                                        digest, Mach-O images unsigned
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "common/files.h"
#include "signing/signature.h"

namespace fs = std::filesystem;
using namespace testbed_engine;

namespace {

// A fake Mach-O image: a real magic number, then deterministic filler.
std::string machOImage(std::string magic, const std::string& name) {
    std::string image = std::move(magic);
    image += "testbed Mach-O image " + name + "\n";
    for (unsigned i = 0; image.size() < 4096; ++i) image.push_back(char((i * 131u + name.size()) & 0xff));
    return signedImage(image);
}

int writeLibraries(const fs::path& engine) {
    const std::map<std::string, std::string> files = {
        {"lib/wine/x86_64-windows/kernel32.dll", "TESTBED-PE dll kernel32\n"},
        {"lib/wine/x86_64-windows/ntdll.dll", "TESTBED-PE dll ntdll\n"},
        {"lib/wine/x86_64-windows/user32.dll", "TESTBED-PE dll user32\n"},
        {"lib/wine/x86_64-unix/ntdll.so", machOImage("\xCF\xFA\xED\xFE", "ntdll.so")},
        {"lib/wine/x86_64-unix/win32u.so", machOImage("\xCF\xFA\xED\xFE", "win32u.so")},
        {"lib/wine/x86_64-unix/winemac.so", machOImage("\xCA\xFE\xBA\xBE", "winemac.so")},
        {"share/wine/wine.inf", "; Testbed Wine setup information\n[Version]\nSignature=\"$Chicago$\"\n"},
    };
    for (const auto& [relative, bytes] : files) {
        const fs::path file = engine / relative;
        fs::create_directories(file.parent_path());
        atomicWrite(file, bytes);
    }
    return 0;
}

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int writeManifest(const fs::path& engine, const std::string& version, const fs::path& output) {
    std::map<std::string, std::string> digests;
    for (const auto& entry : fs::recursive_directory_iterator(engine)) {
        if (!entry.is_symlink() && !entry.is_regular_file()) continue;
        if (entry.is_directory()) continue;  // a linked folder lies outside the engine's files
        const std::string bytes = readAll(entry.path());
        const auto state = signatureState(bytes);
        if (state == SignatureState::unsignedImage || state == SignatureState::invalid)
            throw std::runtime_error(entry.path().string() + " is a Mach-O image without a valid signature");
        const auto hashed = state == SignatureState::notMachO ? std::string_view(bytes) : unsignedImage(bytes);
        digests[entry.path().lexically_relative(engine).generic_string()] = sha256Hex(hashed);
    }
    if (!digests.count("bin/wine") || !digests.count("bin/wineserver"))
        throw std::runtime_error("the engine lacks bin/wine or bin/wineserver: " + engine.string());

    nlohmann::ordered_json manifest;
    manifest["version"] = version;
    manifest["hashFormat"] = "unsigned-macho-sha256-v1";
    manifest["files"] = nlohmann::ordered_json::object();
    for (const auto& [path, digest] : digests) manifest["files"][path] = digest;
    atomicWrite(output, manifest.dump(2) + "\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::string command = argc > 1 ? argv[1] : "";
        if (command == "libs" && argc == 3) return writeLibraries(argv[2]);
        if (command == "manifest" && argc == 5) return writeManifest(argv[2], argv[3], argv[4]);
        std::fputs("Usage: manifest_tool libs ENGINE | manifest ENGINE VERSION OUTPUT\n", stderr);
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "manifest_tool: %s\n", error.what());
        return 1;
    }
}
