#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "core/failure.h"
#include "core/process_tracking.h"
#include "engine/engine_install.h"
#include "engine/engine_digest.h"
#include "engine/engine_manifest.h"
#include "runtime/engine_selection.h"
#include "platform/platform.h"
#include "core/files.h"
#include "runtime/runtime.h"
#include "runtime/say.h"

namespace ludowell {
namespace {

constexpr const char* kStagedFailed =
    "The new game components failed verification. Your previous engine is unchanged.";

// Hashes the manifest's files on a small pool of threads. Hashing a large
// engine dominates an update, and entries may be checked in any order.
// `check` throws for a bad entry; the first error wins and stops the rest.
template <typename Check>
void forEachFileInParallel(const EngineManifest& manifest, Check check) {
    std::vector<std::pair<std::string, std::string>> entries(manifest.files.begin(),
                                                             manifest.files.end());
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr firstError;
    std::mutex errorMutex;
    auto worker = [&] {
        for (;;) {
            if (failed) return;
            size_t index = next++;
            if (index >= entries.size()) return;
            try {
                check(entries[index].first, entries[index].second);
            } catch (...) {
                std::lock_guard lock(errorMutex);
                if (!firstError) firstError = std::current_exception();
                failed = true;
                return;
            }
        }
    };
    unsigned count = std::clamp(std::thread::hardware_concurrency(), 2u, 4u);
    count = std::min<unsigned>(count, std::max<size_t>(entries.size(), 1));
    std::vector<std::thread> threads;
    for (unsigned i = 1; i < count; ++i) threads.emplace_back(worker);
    worker();
    for (auto& thread : threads) thread.join();
    if (firstError) std::rethrow_exception(firstError);
}

}  // namespace

void ensureCurrentEngine(const Runtime& runtime) {
    const EngineManifest manifest = EngineManifest::decode(readWholeFile(runtime.resources() / "engine-manifest.json"));
    manifest.validate();

    const fs::path target = runtime.root() / ("engine-" + manifest.version);
    const fs::path selected = runtime.engine();
    if (selected == target && runtime.exists(runtime.wine())) return;

    runtime.requireIdle();
    if (hasLiveEngine(runtime.root()))
        throw Failure("Save and close your game and Steam before updating game components.");

    say("Updating game components. Steam, games and saves will stay in place\u2026");
    runtime.make(target.parent_path());

    const fs::path staging = runtime.root() / ("engine-staging-" + platform::makeUUID());
    ScopedRemoval removal{staging};

    if (!runtime.exists(target)) {
        requireFreeSpace(runtime.root(), treeSize(runtime.resources() / "Engine"));
        auto copy = platform::recursiveCopy(runtime.resources() / "Engine", staging);
        runtime.run(copy.executable, copy.arguments, std::nullopt, 180);

        // A link leaving staging is refused whether or not its target exists;
        // a file missing from the copy reports its own error when hashed.
        forEachFileInParallel(manifest, [&](const std::string& path, const std::string& expected) {
            const fs::path file = staging / path;
            if (!resolvesInside(file, staging)) throw Failure(kStagedFailed);
            if (engineDigest(runtime, file, manifest) != expected) throw Failure(kStagedFailed);
        });

        const auto links = decodeDependencyLinks(readWholeFile(runtime.resources() / "dependency-links.json"));
        for (const auto& [name, value] : links) {
            if (escapingLinkPath(name) || escapingLinkPath(value)) throw Failure("Invalid runtime dependency manifest.");
            const fs::path link = staging / name;
            const fs::path destination = runtime.frameworks() / value;
            // Unlisted links in the engine or the package must not carry a
            // link, or the folders made for it, outside either of them.
            if (!runtime.exists(destination) || !resolvesInside(destination, runtime.frameworks()))
                throw Failure("Missing dependency: " + value);
            if (!resolvesInside(link.parent_path() / "-", staging)) throw Failure(kStagedFailed);
            runtime.make(link.parent_path());
            if (!resolvesInside(link.parent_path() / "-", staging)) throw Failure(kStagedFailed);
            fs::create_symlink(destination, link);
        }

        // On disk before it takes its name, and the name before any
        // selection can point at it: a power cut must never leave a
        // selected engine whose files the disk did not keep.
        syncTree(staging);
        fs::rename(staging, target);
        syncFolder(runtime.root());
    }

    forEachFileInParallel(manifest, [&](const std::string& path, const std::string& expected) {
        if (engineDigest(runtime, target / path, manifest) != expected)
            throw Failure("The staged engine is incomplete. Your previous engine is unchanged.");
    });

    auto env = runtime.environment(false, false);
    env["WINELOADER"] = (target / "bin/wine").string();
    env["WINESERVER"] = (target / "bin/wineserver").string();
    std::string version = runtime.run(target / "bin/wine", {"--version"}, env, 15);
    std::transform(version.begin(), version.end(), version.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (version.find("wine") == std::string::npos)
        throw Failure("The new engine didn't pass its startup check. Your previous engine is unchanged.");
    runtime.run(target / "bin/wineserver", {"--version"}, env, 15);

    // Wine updates a prefix on its first command after an engine change,
    // which may take longer than that command's own limit allows: update it
    // now, with time to spare, and switch only once it is done, so a cut-off
    // update is tried again by the next run.
    if (runtime.exists(runtime.prefix() / "system.reg")) {
        env["WINEDLLPATH"] = (runtime.renderer() / "wine").string() + ":" + (target / "lib/wine").string();
        runtime.run(target / "bin/wine", {"wineboot", "--update"}, env, runtime.timing().prefixUpdateLimit);
    }

    // The one switch between engines: a single atomic replacement.
    EngineSelection selection{manifest.version, runtime.engine().filename().string()};
    atomicWrite(runtime.engineSelectionFile(), selection.encode());
    say("Game components updated. The previous engine has been retained for recovery.");
}

}  // namespace ludowell
