// The whole journey on Debian's real Wine: the engine folder made from it,
// the testbed's Windows programs built with MinGW, and the built app. Right
// after each action the next is neither refused nor misled by what Wine
// leaves running for a few seconds.
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

#include "core/library_snapshot.h"
#include "core/process_tracking.h"
#include "core/files.h"
#include "runtime/runtime.h"
#include "support/eventually.h"
#include "support/files.h"
#include "testbed_world.h"
#include "runtime/library_state.h"

namespace fs = std::filesystem;
using namespace ludowell;
using namespace std::chrono_literals;

namespace {

const std::string kSteamRequested = "Steam launch requested. Initial client updates can take a few minutes.";
const std::string kReady = "The independent runtime is ready.";

std::string lastLine(const std::string& output) {
    std::string text = output.substr(0, output.find_last_not_of('\n') + 1);
    return text.substr(text.rfind('\n') + 1);
}

class RealEngine : public ::testing::Test {
protected:
    void SetUp() override {
        // No display: Wine's own programs run without one.
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        world.exportToThisProcess();
    }
    testbed::World::Result run(const fs::path& root, const std::string& action, bool hud = false) {
        std::vector<std::string> args{"--command", action, "--data-root", root.string()};
        if (hud) args.push_back("--hud");
        return world.ludowell(args, 300);
    }

    testbed::World world{testbed::World::Options{.resources = LUDOWELL_REAL_RESOURCES}};
};

TEST_F(RealEngine, FromSetupToPlayingAndBackWithASecondDataRootAlongside) {
    const fs::path root = world.dataRoot("first");
    const fs::path other = world.dataRoot("second");
    for (const auto& folder : {root, other}) writeFile(folder / "license-accepted", "Accepted locally: now\n");

    testbed::World::Result otherSetup{};
    std::thread alongside([&] { otherSetup = run(other, "setup"); });
    auto setup = run(root, "setup");
    alongside.join();
    ASSERT_EQ(setup.status, 0) << setup.output;
    ASSERT_EQ(otherSetup.status, 0) << otherSetup.output;
    EXPECT_EQ(lastLine(setup.output), kSteamRequested);
    // The installer's Wine was still winding down: no client was running.
    EXPECT_EQ(readFile(root / "steam-session.json"), R"({"hud":false})");

    const Runtime runtime(root);
    auto check = run(root, "check");
    ASSERT_EQ(check.status, 0) << check.output;
    EXPECT_NE(check.output.find("\nwine-8.0"), std::string::npos) << check.output;
    EXPECT_NE(check.output.find("Runtime: ready | Steam: installed | AoE IV: not installed"), std::string::npos);

    writeFile(root / "steam-sign-in-confirmed");
    auto install = run(root, "install");
    ASSERT_EQ(install.status, 0) << install.output;
    EXPECT_TRUE(eventually([&] { return inspectLibrary(runtime).stage == GameStage::ready; }, 60s));

    auto play = run(root, "play");
    ASSERT_EQ(play.status, 0) << play.output;
    EXPECT_EQ(lastLine(play.output), "AoE IV launch requested. Steam may show a confirmation dialog.");
    EXPECT_TRUE(eventually([&] { return isGameRunning(runtime); }, 60s));
    auto refused = run(root, "prepare");
    EXPECT_EQ(lastLine(refused.output),
              "ERROR: Save and close AoE IV and this app's Steam client before setting up or repairing the "
              "environment.");

    auto stop = run(root, "stop");
    ASSERT_EQ(stop.status, 0) << stop.output;
    EXPECT_EQ(stop.output, "Only Ludowell's game and Steam environment were stopped.\n");
    EXPECT_FALSE(isGameRunning(runtime));
    EXPECT_FALSE(hasLiveEngine(root));
    EXPECT_TRUE(hasUserProgram(other)) << "the other data root's Steam must survive";

    for (int round = 0; round < 2; ++round) {
        auto prepare = run(root, "prepare");
        ASSERT_EQ(prepare.status, 0) << "round " << round << ": " << prepare.output;
        EXPECT_EQ(lastLine(prepare.output), kReady);
    }
    // Straight after, Steam starts as a new client with the new setting.
    auto steam = run(root, "steam", true);
    ASSERT_EQ(steam.status, 0) << steam.output;
    EXPECT_EQ(steam.output.find("Steam is already open"), std::string::npos) << steam.output;
    EXPECT_EQ(readFile(root / "steam-session.json"), R"({"hud":true})");

    for (const auto& folder : {root, other}) EXPECT_EQ(run(folder, "stop").status, 0);
}

}  // namespace
