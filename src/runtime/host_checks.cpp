#include "core/failure.h"
#include "core/process_tracking.h"
#include "platform/platform.h"
#include "runtime/digest.h"
#include "runtime/runtime.h"
#include "runtime/say.h"
#include "runtime/stop_request.h"

namespace ludowell {
namespace {

// How long a server may stay after the user's last program: Wine's
// persistence plus its own background programs, with room for a slow Mac.
constexpr double kLingerLimit = 30;

std::string trimmed(const std::string& text) {
    const char* space = " \t\r\n\v\f";
    auto first = text.find_first_not_of(space);
    if (first == std::string::npos) return "";
    auto last = text.find_last_not_of(space);
    return text.substr(first, last - first + 1);
}

// A stop, or a logs folder that cannot be written, says nothing about
// the Mac: those pass through the checks' own sentences unchanged.
void passOnWhatIsNotAboutTheMac() {
    throwIfStopRequested();
    try {
        throw;
    } catch (const fs::filesystem_error&) {
        throw;
    } catch (...) {
    }
}

}  // namespace

void Runtime::hostCheck() const {
    if (host_->osMajorVersion() < 26)
        throw Failure(
            "This build requires macOS 26 or later. Earlier macOS versions have not been validated.");

    try {
        auto rosetta = host_->rosettaTest();
        run(rosetta.executable, rosetta.arguments, std::nullopt, 10);
    } catch (const std::exception&) {
        passOnWhatIsNotAboutTheMac();
        throw Failure(
            "Rosetta is required. Open an Intel app and follow macOS's Rosetta installation "
            "prompt, then try again.");
    }

    const std::string incompatible =
        "The optimization is not compatible with this Mac's current Rosetta runtime. No system "
        "settings were changed. ";
    try {
        run(host_->helpers() / "tessaline", {"--probe"}, std::nullopt, 25);
    } catch (const TimedOut&) {
        passOnWhatIsNotAboutTheMac();
        throw Failure(incompatible + "tessaline did not answer within 25 seconds.");
    } catch (const std::exception& error) {
        passOnWhatIsNotAboutTheMac();
        throw Failure(incompatible + error.what());
    }

    say("Apple Silicon, macOS and Rosetta compatibility checks passed.");
}

bool Runtime::running() const {
    if (!exists(server())) return false;
    const auto env = environment(false, true);
    try {
        run(server(), {"-w"}, env, 1.5);
        return false;
    } catch (const TimedOut&) {
        // "-w" only returns once the prefix's server is gone.
    }
    if (hasUserProgram(root_)) return true;
    // Only Wine's server and its own background programs remain: they end
    // by themselves seconds after the user's last program.
    try {
        run(server(), {"-w"}, env, kLingerLimit);
        return false;
    } catch (const TimedOut&) {
        return true;
    }
}

void Runtime::requireIdle() const {
    if (running())
        throw Failure(
            "Save and close AoE IV and this app's Steam client before setting up or repairing the "
            "environment.");
}

void Runtime::stop() const {
    if (!exists(server())) return;
    const auto env = environment(false, true);
    run(server(), {"-k"}, env, 20, {0, 1});
    run(server(), {"-w"}, env, 30);
    say("Only Ludowell's game and Steam environment were stopped.");
}

void Runtime::check() const {
    hostCheck();
    say("Data location: " + root_.string());
    if (exists(wine())) say(trimmed(run(wine(), {"--version"}, environment(false, false), 10)));
    say(std::string("Runtime: ") + (exists(marker("runtime-ready")) ? "ready" : "not set up") +
        " | Steam: " + (exists(steam()) ? "installed" : "not installed") +
        " | AoE IV: " + (exists(game()) ? "installed" : "not installed"));
    if (exists(game())) {
        const std::string actual = digest(game());
        if (profile_.validatedSHA256 && actual == *profile_.validatedSHA256)
            say("Game version matches the optimized build.");
        else
            say("Game update needs revalidation; optimized launch is blocked.");
    }
}

}  // namespace ludowell
