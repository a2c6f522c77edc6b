// Build-time tool that turns a Wine engine folder into the bundle's engine
// resources, the same way for a Mac build and for the testbed:
//   Resources/Engine                the engine, without its dependency links
//   Resources/engine-manifest.json  every file's digest, Mach-O images
//                                   hashed with their signature removed
//   Resources/dependency-links.json links into the graphics package
// A dependency link is written in the engine folder as a symbolic link
// whose target starts with "@frameworks/": the rest names the file inside
// the graphics package that the installed engine links to.
//
// Usage: ludowell_engine_tool ENGINE RESOURCES VERSION CODESIGN
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "engine/engine_manifest.h"
#include "runtime/digest.h"
#include "core/files.h"

namespace fs = std::filesystem;

extern char** environ;

namespace {

constexpr std::string_view kFrameworks = "@frameworks/";

void run(const fs::path& tool, const std::string& verb, const fs::path& file) {
    const std::string program = tool.string(), path = file.string();
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(verb.c_str()),
                    const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid ||
        !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " " + verb + " failed for " + path);
}

bool isMachO(const fs::path& file) {
    unsigned char head[4] = {};
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(head), 4);
    return ludowell::isMachOHeader(head, size_t(in.gcount()));
}

// The digest rule the installed app checks with: signatures change with
// every signing, the code under them does not.
std::string engineDigest(const fs::path& file, const fs::path& codesign, const fs::path& scratch) {
    if (!isMachO(file)) return ludowell::digest(file);
    run(codesign, "--verify", file);
    const fs::path payload = scratch / "payload";
    fs::remove(payload);
    fs::copy_file(file, payload);
    run(codesign, "--remove-signature", payload);
    return ludowell::digest(payload);
}

bool escapes(const std::string& relative) {
    if (relative.empty() || relative.starts_with('/')) return true;
    for (const auto& piece : fs::path(relative))
        if (piece == "..") return true;
    return false;
}

void assemble(const fs::path& engine, const fs::path& resources, const std::string& version, const fs::path& codesign) {
    for (const char* program : {"bin/wine", "bin/wineserver"})
        if (!fs::is_regular_file(engine / program))
            throw std::runtime_error("the engine lacks " + std::string(program) + ": " + engine.string());
    if (!ludowell::EngineManifest::safeComponent(version)) throw std::runtime_error("unusable engine version " + version);

    const fs::path partial = resources / "Engine.partial", scratch = resources / "Engine.scratch";
    fs::remove_all(partial);
    fs::remove_all(scratch);
    fs::create_directories(partial);
    fs::create_directories(scratch);

    std::map<std::string, std::string> digests, links;
    for (auto it = fs::recursive_directory_iterator(engine); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path relative = it->path().lexically_relative(engine);
        const std::string name = relative.generic_string();
        if (it->is_symlink()) {
            const std::string target = fs::read_symlink(it->path()).string();
            if (target.starts_with(kFrameworks)) {
                const std::string inside = target.substr(kFrameworks.size());
                if (escapes(name) || escapes(inside)) throw std::runtime_error("unsafe dependency link " + name);
                links[name] = inside;
                continue;
            }
            // Links stay links. Every file the manifest lists lies inside the
            // engine; only a whole folder may be shared from outside it.
            const bool inside = !escapes((relative.parent_path() / target).lexically_normal().generic_string());
            if (!inside && !(fs::path(target).is_absolute() && fs::is_directory(it->path())))
                throw std::runtime_error(name + " links outside the engine: " + target);
            fs::create_directories((partial / relative).parent_path());
            fs::copy_symlink(it->path(), partial / relative);
            if (!fs::is_directory(it->path())) digests[name] = engineDigest(it->path(), codesign, scratch);
            continue;
        }
        if (it->is_directory()) {
            fs::create_directories(partial / relative);
        } else if (it->is_regular_file()) {
            fs::copy_file(it->path(), partial / relative, fs::copy_options::overwrite_existing);
            fs::permissions(partial / relative, fs::status(it->path()).permissions());
            digests[name] = engineDigest(it->path(), codesign, scratch);
        } else {
            throw std::runtime_error(name + " is neither a file, a folder nor a link");
        }
    }
    fs::remove_all(scratch);

    nlohmann::ordered_json manifest;
    manifest["version"] = version;
    manifest["hashFormat"] = ludowell::kUnsignedMachOFormat;
    manifest["files"] = nlohmann::ordered_json::object();
    for (const auto& [path, digest] : digests) manifest["files"][path] = digest;
    fs::remove_all(resources / "Engine");
    fs::rename(partial, resources / "Engine");
    ludowell::atomicWrite(resources / "dependency-links.json", nlohmann::json(links).dump(2) + "\n");
    // Last: its presence means the rest is complete.
    ludowell::atomicWrite(resources / "engine-manifest.json", manifest.dump(2) + "\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("Usage: ludowell_engine_tool ENGINE RESOURCES VERSION CODESIGN\n", stderr);
        return 2;
    }
    try {
        assemble(argv[1], argv[2], argv[3], argv[4]);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ludowell_engine_tool: %s\n", error.what());
        return 1;
    }
}
