// The testbed engine as the app relies on it: the server's life, "-w" and
// "-k", the Steam client, and signatures that the manifest generator and the
// app's digest agree on. What it shares with a real Wine is shown on both in
// engine_behaviour_test.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <map>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/process_tracking.h"
#include "engine/engine_manifest.h"
#include "platform/platform.h"
#include "runtime/digest.h"
#include "runtime/files.h"
#include "runtime/runtime.h"
#include "support/eventually.h"
#include "support/temp_dir.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

const fs::path kResources = fs::path(LUDOWELL_BUNDLE_DIR) / "Contents/Resources";
const fs::path kEngine = kResources / "Engine";
const fs::path kCodesign = kResources / "Testbed/codesign";
const int kDevNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);

struct Exit {
    bool exited;  // false: still running at the deadline (then killed)
    int status;
};

// Waits for a child up to `limit`, killing it when it is still running.
Exit waitFor(pid_t pid, std::chrono::milliseconds limit) {
    int status = 0;
    if (eventually([&] { return ::waitpid(pid, &status, WNOHANG) != 0; }, limit))
        return {true, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return {false, -1};
}

// One prefix inside a data root of its own.
class Prefix {
public:
    explicit Prefix(const fs::path& root) : root(root) {
        fs::create_directories(root);
        for (char** item = environ; *item; ++item) {
            std::string pair(*item);
            auto equals = pair.find('=');
            if (equals != std::string::npos) env[pair.substr(0, equals)] = pair.substr(equals + 1);
        }
        env["WINEPREFIX"] = (root / "prefix").string();
        env["WINELOADER"] = (kEngine / "bin/wine").string();
        env["WINESERVER"] = (kEngine / "bin/wineserver").string();
        std::ofstream(root / "waiter.exe") << "TESTBED-PE waiter\n";
    }
    ~Prefix() { run("wineserver", {"-k"}); }

    pid_t start(const std::string& program, const std::vector<std::string>& args) const {
        ludowell::platform::SpawnRequest request{kEngine / "bin" / program, args};
        request.environment = &env;
        request.outputFd = kDevNull;
        request.newSession = true;
        return ludowell::platform::spawn(request);
    }
    Exit run(const std::string& program, const std::vector<std::string>& args,
             std::chrono::milliseconds limit = 5s) const {
        return waitFor(start(program, args), limit);
    }
    pid_t startWaiter() const {
        pid_t pid = start("wine", {(root / "waiter.exe").string()});
        for (int i = 0; i < 200 && !server(); ++i) std::this_thread::sleep_for(10ms);
        return pid;
    }
    // The live server's process number, from its record.
    std::optional<pid_t> server() const {
        std::ifstream in(root / "prefix/.testbed/server.pid");
        pid_t pid = 0;
        if (!(in >> pid) || ::kill(pid, 0) != 0) return std::nullopt;
        return pid;
    }

    fs::path root;
    std::map<std::string, std::string> env;
};

TEST(TestbedEnginePrograms, TheServerLivesAsLongAsTheProgramsAndKillEndsThem) {
    TempDir temp;
    Prefix prefix(temp / "data");
    EXPECT_EQ(prefix.run("wineserver", {"-k"}).status, 1) << "nothing ran yet";
    EXPECT_TRUE(prefix.run("wineserver", {"-w"}, 1s).exited);

    const pid_t waiter = prefix.startWaiter();
    const auto server = prefix.server();
    ASSERT_TRUE(server);
    EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(*server) + "/exe"), kEngine / "bin/wineserver");
    EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(waiter) + "/exe"), kEngine / "bin/wine");
    EXPECT_FALSE(prefix.run("wineserver", {"-w"}, 300ms).exited) << "-w returned while a program runs";

    EXPECT_EQ(prefix.run("wineserver", {"-k"}).status, 0);
    EXPECT_EQ(waitFor(waiter, 2s).status, 128 + SIGKILL);
    EXPECT_TRUE(prefix.run("wineserver", {"-w"}, 1s).exited);
    EXPECT_EQ(prefix.run("wineserver", {"-k"}).status, 1);

    // A program that ends by itself takes the server with it a while after.
    EXPECT_EQ(prefix.run("wine", {"winecfg", "-v", "win10"}).status, 0);
    EXPECT_TRUE(prefix.run("wineserver", {"-w"}, 10s).exited);

    // A stopped program exits cleanly and unregisters.
    const pid_t stopped = prefix.startWaiter();
    ::kill(stopped, SIGTERM);
    EXPECT_EQ(waitFor(stopped, 2s).status, 0);
    EXPECT_FALSE(fs::exists(prefix.root / "prefix/.testbed/pids" / std::to_string(stopped)));
    EXPECT_EQ(prefix.run("wine", {(temp / "missing.exe").string()}).status, 53);
}

TEST(TestbedEnginePrograms, OneSteamClientPerPrefixTracksTheGamesItLaunches) {
    TempDir temp;
    Prefix prefix(temp / "data");
    std::ofstream(temp / "SteamSetup.exe") << "TESTBED-PE steam-setup\n";
    ASSERT_EQ(prefix.run("wine", {(temp / "SteamSetup.exe").string(), "/S"}).status, 0);
    const fs::path steamFolder = prefix.root / "prefix/drive_c/Program Files (x86)/Steam";
    EXPECT_EQ(ludowell::readFile(steamFolder / "steam.exe"), "TESTBED-PE steam-client\n");
    const fs::path game = steamFolder / "steamapps/common/Age of Empires IV/RelicCardinal.exe";
    fs::create_directories(game.parent_path());
    std::ofstream(game) << "TESTBED-PE game 1466860\n";

    const pid_t client = prefix.start("wine", {(steamFolder / "steam.exe").string(), "-cef-disable-gpu"});
    ASSERT_TRUE(eventually([&] { return fs::exists(prefix.root / "prefix/.testbed/steam-queue"); }));
    // A second start hands its command line over and returns.
    const auto launch = prefix.run("wine", {(steamFolder / "steam.exe").string(), "-applaunch", "1466860"}, 3s);
    EXPECT_TRUE(launch.exited && launch.status == 0);

    const fs::path logFile = steamFolder / "logs/gameprocess_log.txt";
    auto log = [&] { return ludowell::readFile(logFile).value_or(""); };
    const auto profile = ludowell::GameProfile::aoeIV();
    ASSERT_TRUE(eventually([&] { return ludowell::hasTrackedGame(log(), profile); })) << log();
    const std::string text = log();
    const auto at = text.find("adding PID ") + 11;
    const pid_t gamePid = std::stoi(text.substr(at, text.find(' ', at) - at));
    EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(gamePid) + "/exe"), kEngine / "bin/wine");
    EXPECT_EQ(::kill(client, 0), 0) << "the first client must keep running";

    // The loader journals itself only once its stop handlers are in place;
    // a signal before that would end the game by the signal's default.
    const auto gameJournalled = [&] {
        std::ifstream in(prefix.root / "testbed-journal.jsonl");
        for (std::string line; std::getline(in, line);)
            if (nlohmann::json::parse(line)["argv"] == nlohmann::json({game.string()})) return true;
        return false;
    };
    ASSERT_TRUE(eventually(gameJournalled));
    ::kill(gamePid, SIGTERM);
    EXPECT_TRUE(eventually([&] { return !ludowell::hasTrackedGame(log(), profile); })) << log();
    EXPECT_NE(log().find("AppID 1466860 no longer tracking PID " + std::to_string(gamePid) + ", exit code 0"),
              std::string::npos);
    EXPECT_EQ(prefix.run("wineserver", {"-k"}).status, 0);
    EXPECT_TRUE(waitFor(client, 2s).exited);
}

TEST(TestbedEnginePrograms, SignaturesAgreeWithTheManifestAndTheAppsDigest) {
    TempDir temp;
    ludowell::platform::overrideBundle(fs::path(LUDOWELL_BUNDLE_DIR));
    const ludowell::Runtime runtime(temp / "data", kResources);
    const auto manifest = ludowell::EngineManifest::decode(*ludowell::readFile(kResources / "engine-manifest.json"));
    EXPECT_NO_THROW(manifest.validate());
    size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(kEngine))
        if (entry.is_regular_file()) ++files;
    EXPECT_EQ(manifest.files.size(), files) << "the manifest lists every engine file";
    for (const auto& [path, expected] : manifest.files)
        EXPECT_EQ(runtime.engineDigest(kEngine / path, manifest), expected) << path;

    const fs::path image = temp / "ntdll.so";
    fs::copy_file(kEngine / "lib/wine/x86_64-unix/ntdll.so", image);
    auto codesign = [&](std::vector<std::string> args) {
        args.push_back(image.string());
        ludowell::platform::SpawnRequest request{kCodesign, args};
        request.outputFd = kDevNull;  // its complaints are expected here
        return waitFor(ludowell::platform::spawn(request), 5s).status;
    };
    EXPECT_EQ(codesign({"--verify", "--strict"}), 0);
    EXPECT_EQ(codesign({"--remove-signature"}), 0);
    EXPECT_EQ(ludowell::digest(image), manifest.files.at("lib/wine/x86_64-unix/ntdll.so"));
    EXPECT_EQ(codesign({"--verify", "--strict"}), 1) << "an unsigned image verified";
    EXPECT_EQ(codesign({"--remove-signature"}), 1);
    ludowell::platform::overrideBundle(std::nullopt);
}

}  // namespace
