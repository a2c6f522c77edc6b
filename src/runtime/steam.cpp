#include <unistd.h>

#include <cerrno>
#include <system_error>

#include <nlohmann/json.hpp>

#include "core/failure.h"
#include "platform/subprocess.h"
#include "runtime/digest.h"
#include "core/files.h"
#include "runtime/pinned_downloads.h"
#include "runtime/runtime.h"
#include "runtime/say.h"
#include "runtime/stop_request.h"
#include "runtime/tool_log.h"

namespace ludowell {

void Runtime::installSteam(const EngineStep& currentEngine, bool hud) const {
    if (!exists(marker("runtime-ready"))) throw Failure("Run Set up Steam first.");
    if (!exists(steam())) {
        say("Downloading the official Windows Steam installer\u2026");
        const auto installer = steamInstallerDownload(*host_);
        const fs::path setup = root_ / "downloads/SteamSetup.exe";
        download(installer.url, setup, installer.sha, installer.limit);
        run(wine(), {setup.string(), "/S"}, environment(hud, true), 180);
        if (!exists(steam()))
            throw Failure(
                "Steam installation did not finish. Retry setup; your existing files will be kept.");
    }
    say("Steam is installed. Sign in with your own account and install " + profile_.title +
        " in the default Steam library.");
    openSteam(currentEngine, false, hud, false);
}

void Runtime::openSteam(const EngineStep& currentEngine, bool play, bool hud, bool install) const {
    hostCheck();
    if (!exists(marker("runtime-ready")) || !exists(steam()))
        throw Failure("Click Set up Steam before opening the library.");
    currentEngine(*this);

    if (play) {
        if (!exists(game()))
            throw Failure("Install " + profile_.title +
                          " in this Steam client's default library, then choose Play now.");
        say("Checking the installed game version\u2026");
        if (profile_.validatedSHA256 && digest(game()) != *profile_.validatedSHA256)
            throw Failure(
                "This game build has not been validated for the optimizations. Please update "
                "Ludowell.");
    }

    const bool alreadyRunning = running();
    if (alreadyRunning) {
        // The file only describes a client while one runs; unreadable means say nothing.
        if (auto text = readFile(marker("steam-session.json"))) {
            try {
                auto session = nlohmann::json::parse(*text);
                bool decoded = session.is_object();
                for (auto& [key, value] : session.items()) decoded = decoded && value.is_boolean();
                if (decoded && (!session.contains("hud") || session["hud"].get<bool>() != hud))
                    say("Steam is already open. The HUD change takes effect after exiting Steam "
                        "and reopening it.");
            } catch (const nlohmann::json::exception&) {
            }
        }
    }

    std::vector<std::string> arguments{steam().string(), "-cef-disable-gpu"};
    if (play) {
        arguments.push_back("-applaunch");
        arguments.push_back(profile_.steamID);
    } else if (install) {
        arguments.push_back("steam://install/" + profile_.steamID);
    }

    // Steam outlives this run: once started, a stop could no longer undo it.
    throwIfStopRequested();
    make(logs());
    const fs::path sessionLog = logs() / "steam-session.log";
    const int logFd = openToolLog(sessionLog, "Steam");
    const auto env = environment(hud, true);
    platform::Subprocess::Options options{wine(), arguments};
    options.environment = &env;
    options.workingDirectory = steamFolder();
    options.outputFd = logFd;
    options.newSession = true;  // the client outlives this run
    try {
        platform::Subprocess::start(options).release();
    } catch (...) {
        ::close(logFd);
        throw;
    }
    if (::close(logFd) != 0)
        throw fs::filesystem_error("Could not close the Steam log", sessionLog,
                                   std::error_code(errno, std::generic_category()));

    if (!alreadyRunning) atomicWrite(marker("steam-session.json"), hud ? R"({"hud":true})" : R"({"hud":false})");

    say(play ? "AoE IV launch requested. Steam may show a confirmation dialog."
             : "Steam launch requested. Initial client updates can take a few minutes.");
}

}  // namespace ludowell
