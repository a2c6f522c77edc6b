// The Steam client: one instance per prefix that installs apps from its
// store table and launches them, writing the files Steam writes. A second
// start hands its command line to the running instance and exits, as
// Steam's own single-instance forwarding does.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <map>

#include <nlohmann/json.hpp>

#include "common/files.h"
#include "common/process.h"
#include "wine/game_log.h"
#include "wine/programs.h"
#include "wine/steam_store.h"

namespace testbed_engine {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTick = std::chrono::milliseconds(100);
constexpr auto kInstallStep = std::chrono::milliseconds(300);
constexpr int kInstallSteps = 10;

long long realtimeNanoseconds() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

fs::path queueFolder(const Prefix& prefix) { return prefix.state() / "steam-queue"; }

// A queued command line is named after the time it was handed over, so a
// new instance can tell its own from those left by a killed one.
void forward(const Prefix& prefix, const Arguments& args) {
    fs::create_directories(queueFolder(prefix));
    char name[64];
    std::snprintf(name, sizeof name, "%020lld-%d.cmd", realtimeNanoseconds(), int(::getpid()));
    atomicWrite(queueFolder(prefix) / name,
                nlohmann::json(args).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

// The app truncates the session log for every start; appending keeps this
// instance's later lines at the end instead of behind a gap.
void appendToOutput() {
    for (int fd : {1, 2}) {
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
            int flags = ::fcntl(fd, F_GETFL);
            if (flags >= 0) ::fcntl(fd, F_SETFL, flags | O_APPEND);
        }
    }
}

class SteamClient {
public:
    SteamClient(const Prefix& prefix, const fs::path& steamExe, long long startedAt)
        : prefix_(prefix),
          steam_(steamExe.parent_path()),
          loader_(selfExecutable()),
          log_(steam_ / "logs/gameprocess_log.txt"),
          startedAt_(startedAt) {}

    int run(const Arguments& args) {
        appendToOutput();
        fs::create_directories(steam_ / "steamapps/common");
        fs::create_directories(steam_ / "logs");
        fs::create_directories(queueFolder(prefix_));
        dropStaleQueue();
        say("Steam client started (testbed)");
        handle(args);
        while (!stopRequested() && !quit_) {
            drainQueue();
            advanceInstalls();
            reapGames();
            if (!serverRunning(prefix_)) {
                say("The Wine server has stopped; exiting");
                break;
            }
            pause(kTick);
        }
        say("Steam client exiting");
        return 0;
    }

private:
    struct Install {
        const StoreApp* app;
        int step;
        Clock::time_point next;
    };
    struct Game {
        const StoreApp* app;
        std::string windowsExe;
    };

    void say(const std::string& line) {
        std::printf("[%s] %s\n", logTimestamp().c_str(), line.c_str());
        std::fflush(stdout);
    }

    fs::path gameExe(const StoreApp& app) const {
        return steam_ / "steamapps/common" / app.installFolder / app.executable;
    }

    const StoreApp* app(const std::string& appid) {
        const StoreApp* found = findStoreApp(appid);
        if (!found) say("No app " + appid + " in the store");
        return found;
    }

    void handle(const Arguments& args) {
        bool acted = false;
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& arg = args[i];
            if (arg == "-applaunch" && i + 1 < args.size()) {
                if (auto* found = app(args[++i])) launch(*found);
                acted = true;
            } else if (arg.starts_with("steam://install/")) {
                if (auto* found = app(arg.substr(16))) startInstall(*found);
                acted = true;
            } else if (arg.starts_with("steam://rungameid/")) {
                if (auto* found = app(arg.substr(18))) launch(*found);
                acted = true;
            } else if (arg == "-shutdown") {
                quit_ = true;
                acted = true;
            }
        }
        if (!acted) say("Showing the library");
    }

    void dropStaleQueue() {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(queueFolder(prefix_), ec)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(".")) continue;
            if (std::atoll(name.c_str()) < startedAt_) fs::remove(entry.path(), ec);
        }
    }

    void drainQueue() {
        std::vector<fs::path> queued;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(queueFolder(prefix_), ec))
            if (!entry.path().filename().string().starts_with(".")) queued.push_back(entry.path());
        std::sort(queued.begin(), queued.end());
        for (const auto& file : queued) {
            auto text = readText(file);
            fs::remove(file, ec);
            if (!text) continue;
            auto args = nlohmann::json::parse(*text, nullptr, false);
            if (!args.is_array()) continue;
            Arguments forwarded;
            for (const auto& item : args)
                if (item.is_string()) forwarded.push_back(item.get<std::string>());
            say("Command line from another instance");
            handle(forwarded);
        }
    }

    void writeManifest(const StoreApp& app, int stateFlags, long long done) {
        atomicWrite(steam_ / ("steamapps/appmanifest_" + app.appid + ".acf"), appManifest(app, stateFlags, done));
    }

    void startInstall(const StoreApp& app) {
        std::error_code ec;
        if (fs::exists(gameExe(app), ec)) {
            say(app.name + " is already installed");
            return;
        }
        if (installs_.count(app.appid)) return;
        say("Installing " + app.name);
        writeManifest(app, 1026, 0);
        installs_[app.appid] = Install{&app, 0, Clock::now() + kInstallStep};
    }

    void advanceInstalls() {
        const auto now = Clock::now();
        for (auto it = installs_.begin(); it != installs_.end();) {
            Install& install = it->second;
            if (now < install.next) {
                ++it;
                continue;
            }
            const StoreApp& app = *install.app;
            install.next = now + kInstallStep;
            if (++install.step < kInstallSteps) {
                writeManifest(app, 1026, app.bytes * install.step / kInstallSteps);
                ++it;
                continue;
            }
            // The executable lands before the manifest says "installed".
            fs::create_directories(gameExe(app).parent_path());
            atomicWrite(gameExe(app), "TESTBED-PE game " + app.appid + "\n");
            writeManifest(app, 4, app.bytes);
            say(app.name + " is installed");
            it = installs_.erase(it);
        }
    }

    void launch(const StoreApp& app) {
        const fs::path exe = gameExe(app);
        std::error_code ec;
        if (installs_.count(app.appid) || !fs::exists(exe, ec)) {
            say(app.name + " is not installed");
            return;
        }
        for (const auto& [pid, game] : games_)
            if (game.app == &app) {
                say(app.name + " is already running");
                return;
            }
        // The game is a program of its own: a new session, the loader's
        // image, and nothing of the client's descriptors.
        pid_t pid = ::fork();
        if (pid < 0) {
            say("Could not start " + app.name);
            return;
        }
        if (pid == 0) {
            ::setsid();
            if (::chdir(exe.parent_path().c_str()) != 0) ::_exit(127);
            closeInheritedDescriptors();
            execProgram(loader_, {exe.string()});
        }
        const std::string windowsExe = prefix_.windowsPath(exe);
        games_[pid] = Game{&app, windowsExe};
        log_.added(app, pid, windowsExe, ::getpid(),
                   prefix_.windowsPath(steam_ / "bin/cef/cef.win7x64/steamwebhelper.exe"));
        say("Launched " + app.name + " as process " + std::to_string(pid));
    }

    void reapGames() {
        int status = 0;
        pid_t pid;
        while ((pid = ::waitpid(-1, &status, WNOHANG)) > 0) {
            auto it = games_.find(pid);
            if (it == games_.end()) continue;
            const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            log_.ended(*it->second.app, pid, code, it->second.windowsExe);
            say(it->second.app->name + " exited with code " + std::to_string(code));
            games_.erase(it);
        }
    }

    Prefix prefix_;
    fs::path steam_;
    fs::path loader_;
    GameProcessLog log_;
    long long startedAt_;
    bool quit_ = false;
    std::map<std::string, Install> installs_;
    std::map<pid_t, Game> games_;
};

}  // namespace

int runSteamClient(const Prefix& prefix, const fs::path& steamExe, const Arguments& args) {
    ProgramSession session(prefix);
    const long long startedAt = realtimeNanoseconds();
    const fs::path lockFile = prefix.state() / "steam-client.lock";
    int lock = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock < 0) throw fs::filesystem_error("cannot open", lockFile, std::error_code(errno, std::generic_category()));
    if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        forward(prefix, args);
        return 0;
    }
    return SteamClient(prefix, steamExe, startedAt).run(args);
}

}  // namespace testbed_engine
