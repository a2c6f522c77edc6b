// Installing a 2,000-file, 300 MB engine into a fresh data root, beside the
// shell doing the same work in the same run: `cp -a` of the engine, then
// `sha256sum` over every file twice. Target: no slower than the shell.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "bench_util.h"
#include "platform/platform.h"
#include "runtime/digest.h"
#include "runtime/runtime.h"
#include "engine/engine_install.h"
#include "testbed_host.h"

namespace fs = std::filesystem;

namespace {

void write(const fs::path& file, const std::string& bytes, bool executable = false) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    if (executable) fs::permissions(file, fs::perms::owner_exec, fs::perm_options::add);
}

// Most engine files are small libraries and data; a few are large.
size_t generateEngine(const fs::path& engine) {
    write(engine / "bin/wine", "#!/bin/sh\necho wine-11.0\n", true);
    write(engine / "bin/wineserver", "#!/bin/sh\necho wine-11.0\n", true);
    std::mt19937_64 generator(7);
    std::string block(16 << 20, '\0');
    for (size_t i = 0; i < block.size(); i += 8) {
        uint64_t value = generator();
        std::memcpy(block.data() + i, &value, 8);
    }
    size_t total = 0;
    for (int i = 0; i < 1998; ++i) {
        const size_t size = i % 100 == 0 ? (13 << 20) + i : 4096 + (i * 7919) % 28672;
        const size_t offset = (size_t(i) * 4099) % (block.size() - size);
        write(engine / ("lib/wine/dir" + std::to_string(i % 40) + "/file" + std::to_string(i) + ".dll"),
              block.substr(offset, size));
        total += size;
    }
    return total;
}

void writeManifest(const fs::path& resources, const std::string& version) {
    nlohmann::json files = nlohmann::json::object();
    const fs::path engine = resources / "Engine";
    for (const auto& entry : fs::recursive_directory_iterator(engine))
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(engine).string()] = ludowell::digest(entry.path());
    write(resources / "engine-manifest.json", nlohmann::json{{"version", version}, {"files", files}}.dump());
    write(resources / "dependency-links.json", "{}");
}

// Progress lines would mix with the figures.
template <typename Work>
void quietly(Work work) {
    std::fflush(stdout);
    int saved = ::dup(1);
    int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    work();
    std::fflush(stdout);
    ::dup2(saved, 1);
    ::close(null);
    ::close(saved);
}

}  // namespace

int main() {
    char pattern[] = "/tmp/ludowell-engine-bench-XXXXXX";
    const fs::path work = ::mkdtemp(pattern);
    const fs::path bundle = work / "Ludowell.app";
    const fs::path resources = bundle / "Contents/Resources";
    write(bundle / "Contents/Helpers/tessaline", "#!/bin/sh\nexit 0\n", true);
    testbed::linkedHost().setBundle(bundle);

    const size_t bytes = generateEngine(resources / "Engine");
    writeManifest(resources, "11-0-2");
    size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(resources / "Engine"))
        count += entry.is_regular_file();

    // Best of three, alternating, so neither side alone gets the warm cache.
    double ours = 1e9, shell = 1e9;
    bool failed = false;
    for (int round = 0; round < 3; ++round) {
        const fs::path root = work / ("data-" + std::to_string(round));
        quietly([&] {
            ours = std::min(ours, bench::wallSeconds([&] {
                try {
                    ludowell::ensureCurrentEngine(ludowell::Runtime(root, resources));
                } catch (const std::exception& error) {
                    std::fprintf(stderr, "update failed: %s\n", error.what());
                    failed = true;
                }
            }));
        });
        fs::remove_all(root);

        const fs::path copy = work / "shell-copy";
        const std::string hashAll = "find '" + copy.string() + "' -type f -exec sha256sum {} +";
        shell = std::min(shell, bench::wallSeconds([&] {
            bench::shell("cp -a '" + (resources / "Engine").string() + "' '" + copy.string() + "'");
            bench::shell(hashAll);
            bench::shell(hashAll);
        }));
        fs::remove_all(copy);
    }

    std::printf("engine of %zu files, %.0f MiB\n", count, double(bytes) / (1 << 20));
    std::printf("  ensureCurrentEngine              %7.3f s\n", ours);
    std::printf("  cp -a + sha256sum twice (shell)  %7.3f s\n", shell);
    std::printf("  ratio shell / ours: %.2f (target >= 1.00)%s\n", shell / ours, failed ? "  UPDATE FAILED" : "");
    fs::remove_all(work);
    return failed ? 1 : 0;
}
