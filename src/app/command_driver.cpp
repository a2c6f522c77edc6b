#include "app/command_driver.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/arguments.h"
#include "app/operation_lock.h"
#include "app/support/support_report.h"
#include "core/failure.h"
#include "engine/update_lease.h"
#include "platform/host.h"
#include "platform/platform.h"
#include "runtime/cleanup.h"
#include "runtime/runtime.h"
#include "runtime/say.h"
#include "runtime/stop_request.h"
#include "engine/engine_install.h"

namespace ludowell {
namespace {

// A standard descriptor closed by whoever started us would be handed to
// the next file opened (the update lease, the operation lock), and every
// progress line written into it: each closed one is held by /dev/null.
void openStandardDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

}  // namespace

int runCommandMode(const StartupState& state, const std::string& action) {
    const bool hud = hasFlag(state.arguments, "--hud");

    std::unique_ptr<UpdateLease> lease;
    std::unique_ptr<OperationLock> lock;
    try {
        std::optional<std::filesystem::path> root;
        if (auto given = argument(state.arguments, "--data-root")) {
            if (given->empty()) throw Failure("The data folder given with --data-root is empty.");
            root = state.overrideRoot ? std::filesystem::path(*state.overrideRoot)
                                      : std::filesystem::absolute(*given);
        }
        const Runtime runtime(root, std::nullopt, state.selectedProfile);
        // A report only reads: it must work while a step holds the locks,
        // since a stuck step is what support most often asks about.
        if (action == "report") {
            writeSupportReport(runtime, argument(state.arguments, "--output").value_or(""));
            return 0;
        }
        runtime.requireUsableRoot();
        lease = std::make_unique<UpdateLease>(false);
        runtime.make(runtime.root());
        lock = std::make_unique<OperationLock>(runtime.root());
        removeLeftoverStaging(runtime.root());

        if (action == "check") {
            runtime.check();
        } else if (action == "prepare") {
            runtime.prepare(ensureCurrentEngine);
        } else if (action == "setup") {
            if (!runtime.exists(runtime.marker("license-accepted")))
                throw Failure("Please review the setup license in Ludowell first.");
            runtime.prepare(ensureCurrentEngine);
            runtime.installSteam(ensureCurrentEngine, hud);
        } else if (action == "steam") {
            runtime.openSteam(ensureCurrentEngine, false, hud, false);
        } else if (action == "install") {
            runtime.openSteam(ensureCurrentEngine, false, hud, true);
        } else if (action == "play") {
            runtime.openSteam(ensureCurrentEngine, true, hud, false);
        } else if (action == "stop") {
            runtime.stop();
        } else if (action == "clean-downloads") {
            removeDownloadedInstallers(runtime);
        } else if (action == "clean-logs") {
            removeOldLogs(runtime);
        } else {
            throw Failure("Unknown action.");
        }
    } catch (const TimedOut&) {
        lock.reset();
        lease.reset();
        say("ERROR: This is taking longer than expected. Please try again. Your downloads are kept.");
        return 1;
    } catch (const Failure& failure) {
        lock.reset();
        lease.reset();
        if (!failure.cause.empty()) say(failure.cause);
        say("ERROR: " + failure.description);
        return 1;
    } catch (const std::exception& error) {
        lock.reset();
        lease.reset();
        say("ERROR: " + plainReason(error));
        return 1;
    } catch (...) {
        lock.reset();
        lease.reset();
        say("ERROR: An unexpected error stopped this step.");
        return 1;
    }
    lock.reset();
    lease.reset();
    return 0;
}

int entry(int argc, char** argv, const EntryHooks& hooks) {
    openStandardDescriptors();
    // Taken now: an update by another copy swaps the bundle under this one,
    // and children must start from the bundle, not from where it went.
    try {
        platform::executable();
    } catch (const std::system_error&) {
    }
    // An ignored SIGCHLD inherited from the parent would reap every tool
    // before its status could be read.
    std::signal(SIGCHLD, SIG_DFL);
    StartupState state;
    state.arguments.assign(argv, argv + argc);
    // A stop that comes while the catalog loads still ends in an ERROR line.
    if (argument(state.arguments, "--command")) watchForStopRequests();
    const std::string selectedID = argument(state.arguments, "--game").value_or("aoe4");

    try {
        state.profiles = GameProfile::load(platform::host().resources());
    } catch (const std::exception& error) {
        if (hooks.catalogFailed) return hooks.catalogFailed(error.what(), argc, argv);
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    auto found = std::find_if(state.profiles.begin(), state.profiles.end(),
                              [&](const GameProfile& p) { return p.id == selectedID; });
    if (found == state.profiles.end()) {
        std::printf("Unknown game\n");
        return 1;
    }
    state.selectedProfile = *found;
    // An empty or unresolvable folder is left for command mode to report;
    // the window falls back to the default data root.
    if (auto dataRoot = argument(state.arguments, "--data-root"); dataRoot && !dataRoot->empty()) {
        std::error_code ec;
        auto absolute = std::filesystem::absolute(*dataRoot, ec);
        if (!ec) state.overrideRoot = absolute.string();
    }

    state.preview = argument(state.arguments, "--preview-state");

    auto action = argument(state.arguments, "--command");
    if (!action) return hooks.windowed ? hooks.windowed(state, argc, argv) : 0;
    return runCommandMode(state, *action);
}

}  // namespace ludowell
