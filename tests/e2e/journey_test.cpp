// The whole life of a game on a fresh data root, through the built
// executable against the testbed: every printed line and every Wine
// invocation with its environment.
#include <chrono>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/library_snapshot.h"
#include "core/files.h"
#include "runtime/runtime.h"
#include "support/eventually.h"
#include "support/files.h"
#include "support/wine_calls.h"
#include "testbed_world.h"
#include "runtime/library_state.h"

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
    Runtime runtime{root};
};

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

}  // namespace
