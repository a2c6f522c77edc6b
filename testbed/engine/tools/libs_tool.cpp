// Build-time tool for the testbed engine: writes its library files, Mach-O
// images signed the testbed's way, and its link into the graphics package.
//   libs_tool <engine>
#include <cstdio>
#include <map>
#include <string>

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
    // Becomes a dependency link when the bundle is assembled.
    const fs::path link = engine / "lib/external/libd3dshared.dylib";
    fs::create_directories(link.parent_path());
    fs::remove(link);
    fs::create_symlink("@frameworks/renderer/d3dmetal/external/libd3dshared.dylib", link);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 2) return writeLibraries(argv[1]);
        std::fputs("Usage: libs_tool ENGINE\n", stderr);
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "libs_tool: %s\n", error.what());
        return 1;
    }
}
