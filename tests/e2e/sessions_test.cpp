// Session control against the testbed engine: the running test, stopping
// exactly one prefix, and the status report.
#include <gtest/gtest.h>

#include "runtime/runtime.h"
#include "testbed_world.h"
#include "support/eventually.h"
#include "support/failure_text.h"
#include "support/files.h"
#include "support/waiting_game.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

const std::string kStopped = "Only Ludowell's game and Steam environment were stopped.\n";

class Sessions : public ::testing::Test {
protected:
    void SetUp() override { world.exportToThisProcess(); }
    testbed::World world;
};

TEST_F(Sessions, StopEndsOnlyItsOwnPrefix) {
    Runtime first(world.dataRoot("first"));
    Runtime second(world.dataRoot("second"));
    placeEngine(first, world);
    placeEngine(second, world);
    EXPECT_FALSE(first.running());

    startWaiter(first);
    startWaiter(second);
    ASSERT_TRUE(first.running());
    ASSERT_TRUE(second.running());
    EXPECT_EQ(failureText([&] { first.requireIdle(); }),
              "Save and close AoE IV and this app's Steam client before setting up or repairing the environment.");

    testing::internal::CaptureStdout();
    first.stop();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), kStopped);
    EXPECT_FALSE(first.running());
    EXPECT_EQ(failureText([&] { first.requireIdle(); }), "<no error>");
    EXPECT_TRUE(second.running()) << "another runtime's programs must survive";

    // Nothing left to kill: "-k" answers 1, which still counts as stopped.
    testing::internal::CaptureStdout();
    first.stop();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), kStopped);
    second.stop();
    EXPECT_FALSE(second.running());
}

TEST_F(Sessions, CheckReportsTheEngineAndTheGameVerdict) {
    const fs::path root = world.dataRoot();
    const Runtime runtime(root);
    placeEngine(runtime, world);
    writeFile(runtime.game(), "TESTBED-PE game 1466860\n");

    auto empty = world.ludowell({"--command", "check"});  // the default data root, under the world's home
    EXPECT_EQ(empty.output, "Apple Silicon, macOS and Rosetta compatibility checks passed.\n"
                            "Data location: " + (world.home / ".local/share/Hollowmere/Games/aoe4").string() + "\n"
                            "Runtime: not set up | Steam: not installed | AoE IV: not installed\n");
    auto pinned = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(pinned.status, 0) << pinned.output;
    // The engine's version line is its "wine --version" answer, trimmed.
    EXPECT_EQ(pinned.output, "Apple Silicon, macOS and Rosetta compatibility checks passed.\n"
                             "Data location: " + root.string() + "\n"
                             "wine-11.0 (testbed)\n"
                             "Runtime: not set up | Steam: not installed | AoE IV: installed\n"
                             "Game version matches the optimized build.\n");

    // The second testbed game carries no pin: its launch needs revalidation.
    const fs::path other = world.dataRoot("lantern");
    Runtime lantern(other, std::nullopt, GameProfile::load(world.bundle / "Contents/Resources").back());
    writeFile(lantern.game(), "TESTBED-PE game 2000001\n");
    auto unpinned = world.ludowell({"--command", "check", "--game", "lantern-keep", "--data-root", other.string()});
    EXPECT_EQ(unpinned.status, 0) << unpinned.output;
    EXPECT_TRUE(unpinned.output.ends_with("Game update needs revalidation; optimized launch is blocked.\n"))
        << unpinned.output;
}

}  // namespace
