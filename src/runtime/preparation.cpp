#include <chrono>
#include <thread>

#include "core/failure.h"
#include "platform/platform.h"
#include "core/files.h"
#include "runtime/pinned_downloads.h"
#include "runtime/runtime.h"
#include "runtime/stop_request.h"
#include "runtime/say.h"

namespace ludowell {
namespace {

constexpr std::uintmax_t kUnpackedPerArchiveByte = 4;

std::vector<fs::path> entries(const fs::path& folder) {
    std::vector<fs::path> result;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        result.push_back(it->path());
    return result;
}

bool isSymlink(const fs::path& path) {
    std::error_code ec;
    auto status = fs::symlink_status(path, ec);
    return !ec && fs::is_symlink(status);
}

}  // namespace

void Runtime::prepare(const EngineStep& currentEngine) const {
    hostCheck();
    requireIdle();

    make(root_);
    make(root_ / "downloads");
    if (!exists(frameworks())) {
        say("Downloading the validated graphics and dependency package (about 87 MB)\u2026");
        const auto package = packageDownload(*host_);
        const fs::path archive = root_ / "downloads/Template-1.0.15.tar.xz";
        download(package.url, archive, package.sha, package.limit);

        // The archive is compressed; the unpacked package takes a few times its size.
        std::error_code ignored;
        requireFreeSpace(root_, fs::file_size(archive, ignored) * kUnpackedPerArchiveByte);
        const fs::path staging = root_ / ("deps-staging-" + platform::makeUUID());
        make(staging);
        ScopedRemoval removeStaging{staging};
        run("/usr/bin/tar", {"-xf", archive.string(), "-C", staging.string()}, std::nullopt, 180);
        const fs::path source = staging / "Template-1.0.15.app/Contents/Frameworks";
        if (!exists(source / "renderer/d3dmetal/wine/x86_64-unix/d3d12.so"))
            throw Failure("Unexpected graphics package layout.");
        make(root_ / "deps");
        // The package's presence is its only marker: whole on disk first.
        syncTree(source);
        fs::rename(source, frameworks());
        syncFolder(root_ / "deps");
    }

    currentEngine(*this);

    say("Preparing a fresh Windows environment; no existing Steam accounts are imported\u2026");
    const fs::path registry = prefix() / "system.reg";
    const auto plainEnvironment = environment(false, false);
    if (!exists(registry)) run(wine(), {"wineboot", "--init"}, plainEnvironment, 180);

    // Wine may write the registry a while after wineboot has returned.
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(timing().registryWait));
    while (!exists(registry) && std::chrono::steady_clock::now() < deadline) {
        throwIfStopRequested();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    if (!exists(registry) || !exists(prefix() / "drive_c/windows/system32"))
        throw Failure(
            "Wine did not finish creating the Windows environment. Check the setup logs and retry.");

    run(wine(), {"winecfg", "-v", "win10"}, plainEnvironment, 30);

    // Wine links user folders to the host's; the game's saves must stay inside the prefix.
    for (const auto& user : entries(prefix() / "drive_c/users")) {
        for (const auto& child : entries(user)) {
            if (!isSymlink(child)) continue;
            fs::remove(child);
            make(child);
        }
    }

    // Each copy replaces its target in one rename: a killed repair leaves
    // the old DLL or the new one, never a short file under the marker.
    for (const char* name : graphicsLibraries()) {
        const fs::path target = prefix() / "drive_c/windows/system32" / (std::string(name) + ".dll");
        const fs::path source = renderer() / "wine/x86_64-windows" / (std::string(name) + ".dll");
        // The package is pinned, its links' targets are not.
        if (!resolvesInside(source, frameworks())) throw Failure("Unexpected graphics package layout.");
        atomicCopy(source, target);
    }

    atomicWrite(marker("runtime-ready"), "runtime-v1\n");
    say("The independent runtime is ready.");
}

}  // namespace ludowell
