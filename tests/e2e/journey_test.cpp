// The whole life of a game on a fresh data root, through the built
// executable against the testbed: every printed line and every Wine
// invocation with its environment. Then preparing the environment and
// opening Steam beyond the happy journey: package layout, user folders,
// the registry wait, launches that must start nothing, and what a killed
// run leaves behind.
#include <algorithm>
#include <chrono>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/files.h"
#include "core/library_snapshot.h"
#include "engine/engine_install.h"
#include "runtime/digest.h"
#include "runtime/library_state.h"
#include "runtime/runtime.h"
#include "support/eventually.h"
#include "support/failure_text.h"
#include "support/files.h"
#include "support/wine_calls.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using namespace ludowell;
using Lines = std::vector<std::string>;

namespace {

const std::string kCompatible = "Apple Silicon, macOS and Rosetta compatibility checks passed.";
const std::string kSteamRequested = "Steam launch requested. Initial client updates can take a few minutes.";

Lines lines(const std::string& text) {
    Lines result;
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    return result;
}

class Journey : public ::testing::Test {
protected:
    void SetUp() override { world.exportToThisProcess(); }

    testbed::World::Result run(const std::string& action, bool hud = false) {
        std::vector<std::string> args{"--command", action, "--game", "aoe4", "--data-root", root.string()};
        if (hud) args.push_back("--hud");
        return world.ludowell(args);
    }
    // The lines of a run that must succeed.
    Lines ran(const std::string& action, bool hud = false) {
        auto result = run(action, hud);
        EXPECT_EQ(result.status, 0) << result.output;
        return lines(result.output);
    }

    testbed::World world;
    fs::path root = world.dataRoot();
    // The testbed's own catalog entry, as "--game aoe4" finds it: its pin is the testbed game's.
    Runtime runtime{root, world.bundle / "Contents/Resources",
                    GameProfile::load(world.bundle / "Contents/Resources").front()};
};
class Preparation : public Journey {};

std::vector<nlohmann::json> wineArgs(const fs::path& root) {
    std::vector<nlohmann::json> argvs;
    for (auto& call : wineCalls(root)) argvs.push_back(call["argv"]);
    return argvs;
}

TEST_F(Journey, FromNothingToPlayingAndBack) {
    auto refused = run("setup");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.output, "ERROR: Please review the setup license in Ludowell first.\n");
    EXPECT_FALSE(fs::exists(root / "downloads"));
    EXPECT_FALSE(fs::exists(root / "logs"));

    atomicWrite(root / "license-accepted", "Accepted locally: 2026-12-05 17:00:00 +0000\n");
    EXPECT_EQ(ran("setup", true),
              (Lines{kCompatible,
                     "Downloading the validated graphics and dependency package (about 87 MB)\u2026",
                     "Updating game components. Steam, games and saves will stay in place\u2026",
                     "Game components updated. The previous engine has been retained for recovery.",
                     "Preparing a fresh Windows environment; no existing Steam accounts are imported\u2026",
                     "The independent runtime is ready.",
                     "Downloading the official Windows Steam installer\u2026",
                     "Steam is installed. Sign in with your own account and install Age of Empires IV in "
                     "the default Steam library.",
                     kCompatible, kSteamRequested}));
    EXPECT_EQ(readFile(root / "runtime-ready"), "runtime-v1\n");
    EXPECT_TRUE(fs::exists(runtime.engine() / "lib/external/libd3dshared.dylib")) << "linked into the package";
    EXPECT_EQ(readFile(root / "steam-session.json"), R"({"hud":true})");
    EXPECT_EQ(inspectLibrary(runtime).stage, GameStage::signIn);

    writeFile(root / "steam-sign-in-confirmed");
    EXPECT_EQ(inspectLibrary(runtime).stage, GameStage::install);

    EXPECT_EQ(ran("install", true), (Lines{kCompatible, kSteamRequested}));
    std::vector<double> fractions;
    ASSERT_TRUE(eventually([&] {
        auto snapshot = inspectLibrary(runtime);
        if (snapshot.stage == GameStage::downloading) fractions.push_back(*snapshot.download);
        return snapshot.stage == GameStage::ready;
    }, std::chrono::seconds(20)));
    ASSERT_FALSE(fractions.empty()) << "the download was never seen in progress";
    EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
    EXPECT_LT(fractions.front(), 1.0);

    EXPECT_EQ(ran("play", true), (Lines{kCompatible, "Checking the installed game version\u2026",
                                         "AoE IV launch requested. Steam may show a confirmation dialog."}));
    EXPECT_TRUE(eventually([&] { return isGameRunning(runtime); }, std::chrono::seconds(20)));

    // A HUD change while Steam runs is only announced; the session file stays.
    EXPECT_EQ(ran("steam"),
              (Lines{kCompatible,
                     "Steam is already open. The HUD change takes effect after exiting Steam and reopening it.",
                     kSteamRequested}));
    EXPECT_EQ(readFile(root / "steam-session.json"), R"({"hud":true})");

    EXPECT_EQ(ran("stop"), Lines{"Only Ludowell's game and Steam environment were stopped."});
    EXPECT_FALSE(isGameRunning(runtime));
    EXPECT_FALSE(runtime.running());
    // A whole setup's support report stays small enough to attach anywhere.
    world.ludowell({"--command", "report", "--output", (world.dir / "report.tar.gz").string(), "--data-root",
                    root.string()});
    EXPECT_LT(fs::file_size(world.dir / "report.tar.gz"), 1u << 20);

    // Twice in a row: the first run's Wine, still winding down, is no session.
    const size_t callsBefore = wineCalls(root).size();
    for (int round = 0; round < 2; ++round)
        EXPECT_EQ(ran("prepare"), (Lines{kCompatible,
                                         "Preparing a fresh Windows environment; no existing Steam accounts are "
                                         "imported\u2026",
                                         "The independent runtime is ready."}));
    auto calls = wineCalls(root);
    ASSERT_EQ(calls.size(), callsBefore + 2) << "a repeated prepare runs winecfg alone";
    EXPECT_EQ(calls.back()["argv"], nlohmann::json({"winecfg", "-v", "win10"}));
    EXPECT_NE(readFile(runtime.prefix() / "system.reg").value_or("").find("\"CurrentVersion\"=\"10.0\""),
              std::string::npos);

    // Every Wine invocation, in order, with the runtime's environment; the
    // HUD follows the run that started the program.
    const std::string steam = runtime.steam().string();
    const std::vector<std::pair<nlohmann::json, std::string>> expected = {
        {{"wineboot", "--init"}, "0"},
        {{"winecfg", "-v", "win10"}, "0"},
        {{(root / "downloads/SteamSetup.exe").string(), "/S"}, "1"},
        {{steam, "-cef-disable-gpu"}, "1"},
        {{steam, "-cef-disable-gpu", "steam://install/1466860"}, "1"},
        {{steam, "-cef-disable-gpu", "-applaunch", "1466860"}, "1"},
        {{steam, "-cef-disable-gpu"}, "0"},
        {{"winecfg", "-v", "win10"}, "0"},
        {{"winecfg", "-v", "win10"}, "0"},
    };
    size_t next = 0;
    for (auto& call : calls) {
        if (next == expected.size()) break;
        if (call["argv"] != expected[next].first) continue;
        const auto& env = call["env"];
        EXPECT_EQ(env["WINEPREFIX"], (root / "prefix").string());
        EXPECT_EQ(env["WINEDEBUG"], "-all");
        EXPECT_EQ(env["WINELOADER"], (runtime.engine() / "bin/wine").string());
        EXPECT_EQ(env["WINEDLLOVERRIDES"],
                  "winemenubuilder.exe=;mscoree,mshtml=;gameoverlayrenderer,gameoverlayrenderer64=;"
                  "dxgi,d3d11,d3d12,atidxx64=n,b;nvapi64,nvngx=");
        EXPECT_EQ(env["MTL_HUD_ENABLED"], expected[next].second) << call["argv"];
        EXPECT_EQ(env["GST_REGISTRY"], (root / "gstreamer-registry.bin").string());
        // The testbed catalog's game is not the validated build: never optimized.
        EXPECT_FALSE(env.contains("TRIVEN_SIDECAR_PATH"));
        if (call["argv"][0] == steam) EXPECT_EQ(call["cwd"], runtime.steamFolder().string());
        ++next;
    }
    EXPECT_EQ(next, expected.size()) << "missing invocation: " << expected[std::min(next, expected.size() - 1)].first;

    EXPECT_FALSE(stagingLeft(root));
}

TEST_F(Preparation, APackageWithoutTheRendererIsRefused) {
    // A pin naming an archive of the wrong shape, already downloaded.
    const fs::path source = world.dir / "odd/Template-1.0.15.app/Contents/Frameworks/other";
    writeFile(source / "file.txt", "not a renderer");
    const fs::path archive = root / "downloads/Template-1.0.15.tar.xz";
    fs::create_directories(archive.parent_path());
    runtime.run("/usr/bin/tar", {"-cJf", archive.string(), "-C", (world.dir / "odd").string(), "Template-1.0.15.app"});
    const std::string sha = digest(archive);
    writeFile(runtime.resources() / "testbed.json",
              nlohmann::json{{"packageURL", "https://localhost:1/none"}, {"packageSHA", sha},
                             {"steamURL", "https://localhost:1/none"}, {"steamSHA", sha}}.dump());
    EXPECT_EQ(failureText([&] { runtime.prepare(ensureCurrentEngine); }), "Unexpected graphics package layout.");
    EXPECT_FALSE(fs::exists(runtime.frameworks()));
    EXPECT_FALSE(stagingLeft(root));
    EXPECT_TRUE(fs::exists(archive)) << "a verified archive is kept";
}

// A prepared prefix: the user's folders stay inside it, the package's
// files come in only from inside the package, and what a killed run may
// leave is swept by the next run holding the lock, but nothing of the
// user's that merely looks alike.
TEST_F(Preparation, APreparedPrefixTakesNothingFromOutsideAndLosesNothingOfTheUsers) {
    runtime.prepare(ensureCurrentEngine);
    // Wine links the user's folders to the host; they become plain folders,
    // and a real folder with the user's files is left as it is.
    bool sawUser = false;
    for (auto& user : fs::directory_iterator(runtime.prefix() / "drive_c/users")) {
        for (auto& child : fs::directory_iterator(user.path()))
            EXPECT_FALSE(fs::is_symlink(child.symlink_status())) << child.path();
        if (!fs::exists(user.path() / "Documents")) continue;
        sawUser = true;
        writeFile(user.path() / "Documents/save.txt", "keep me");
        fs::remove(user.path() / "Desktop");
        fs::create_directory_symlink(world.dir, user.path() / "Desktop");
    }
    ASSERT_TRUE(sawUser);

    const fs::path dll = runtime.renderer() / "wine/x86_64-windows/dxgi.dll";
    const fs::path system32 = runtime.prefix() / "drive_c/windows/system32";
    const auto before = readFile(system32 / "dxgi.dll");
    writeFile(world.dir / "private.txt", "not for the prefix");
    fs::remove(dll);
    fs::create_symlink(world.dir / "private.txt", dll);
    EXPECT_EQ(failureText([&] { runtime.prepare(ensureCurrentEngine); }), "Unexpected graphics package layout.");
    EXPECT_EQ(readFile(system32 / "dxgi.dll"), before);
    // A link that stays inside the package is followed.
    fs::remove(dll);
    fs::create_symlink("d3d11.dll", dll);
    runtime.prepare(ensureCurrentEngine);
    EXPECT_EQ(readFile(system32 / "dxgi.dll"), readFile(runtime.renderer() / "wine/x86_64-windows/d3d11.dll"));
    for (auto& user : fs::directory_iterator(runtime.prefix() / "drive_c/users")) {
        if (!fs::exists(user.path() / "Documents")) continue;
        EXPECT_EQ(readFile(user.path() / "Documents/save.txt"), "keep me");
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(user.path() / "Desktop")));
        EXPECT_TRUE(fs::is_empty(user.path() / "Desktop"));
    }
    EXPECT_FALSE(stagingLeft(root));

    const std::string uuid = "0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9";
    const std::vector<fs::path> leftovers = {
        root / ("runtime-ready.tmp-" + uuid), root / ("engine-selection.json.tmp-" + uuid),
        root / ("steam-session.json.tmp-" + uuid), root / ("hash-staging-" + uuid) / "payload",
        root / ("engine-staging-" + uuid) / "bin/wine", root / "deps-staging-0A1B/payload",
        root / "downloads/SteamSetup.exe.partial",
        system32 / ("dxgi.dll.tmp-" + uuid)};
    const std::vector<fs::path> kept = {
        root / ("license-accepted.tmp-" + uuid), root / "runtime-ready.tmp-mine",
        system32 / ("kernel32.dll.tmp-" + uuid), root / "prefix/drive_c/users/save.tmp-x",
        root / "deps-staging/mine", root / "xengine-staging-1/mine", root / "engine-staging-file",
        world.dir / "outside/mine"};
    for (const auto& file : leftovers) writeFile(file, "partial");
    for (const auto& file : kept) writeFile(file, "mine");
    // A link under a leftover's name stays, and so does what it points to.
    fs::create_directory_symlink(world.dir / "outside", root / ("deps-staging-" + uuid));
    auto result = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(result.status, 0) << result.output;
    for (const auto& file : leftovers) EXPECT_FALSE(fs::exists(file)) << file;
    EXPECT_FALSE(fs::exists(root / ("hash-staging-" + uuid)));
    EXPECT_TRUE(fs::is_symlink(root / ("deps-staging-" + uuid)));
    for (const auto& file : kept) EXPECT_EQ(readFile(file), "mine") << file;
}

TEST_F(Preparation, UnfinishedStepsStartNothing) {
    EXPECT_EQ(failureText([&] { runtime.installSteam(ensureCurrentEngine); }), "Run Set up Steam first.");
    // The testbed writes the registry a second after wineboot returns.
    runtime.setTiming({.registryWait = 0.3});
    EXPECT_EQ(failureText([&] { runtime.prepare(ensureCurrentEngine); }),
              "Wine did not finish creating the Windows environment. Check the setup logs and retry.");
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));
    runtime.setTiming({});
    runtime.prepare(ensureCurrentEngine);
    EXPECT_EQ(failureText([&] { runtime.openSteam(ensureCurrentEngine, false, false); }),
              "Click Set up Steam before opening the library.");
    runtime.installSteam(ensureCurrentEngine);

    // Steam present: nothing is downloaded or installed again.
    fs::remove(root / "downloads/SteamSetup.exe");
    const size_t before = wineArgs(root).size();
    runtime.installSteam(ensureCurrentEngine);
    EXPECT_FALSE(fs::exists(root / "downloads/SteamSetup.exe"));
    const auto after = wineArgs(root);
    for (size_t i = before; i < after.size(); ++i) EXPECT_NE(after[i].back(), "/S") << after[i];

    EXPECT_EQ(failureText([&] { runtime.openSteam(ensureCurrentEngine, true, false); }),
              "Install Age of Empires IV in this Steam client's default library, then choose Play now.");
    writeFile(runtime.game(), "TESTBED-PE game 1466860\npatched\n");
    const size_t calls = wineArgs(root).size();
    EXPECT_EQ(failureText([&] { runtime.openSteam(ensureCurrentEngine, true, false); }),
              "This game build has not been validated for the optimizations. Please update Ludowell.");
    EXPECT_EQ(wineArgs(root).size(), calls) << "an unvalidated build must not be started";

    // Asked to install and play at once, it plays.
    writeFile(runtime.game(), "TESTBED-PE game 1466860\n");
    runtime.openSteam(ensureCurrentEngine, true, false, true);
    const nlohmann::json play = {runtime.steam().string(), "-cef-disable-gpu", "-applaunch", "1466860"};
    // The client starts detached; give it a moment to be journaled.
    EXPECT_TRUE(eventually([&] { return std::ranges::count(wineArgs(root), play) == 1; }))
        << nlohmann::json(wineArgs(root));
    runtime.stop();
}

}  // namespace
