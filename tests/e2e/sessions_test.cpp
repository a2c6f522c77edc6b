// Session control against the testbed engine: the running test, stopping
// exactly one prefix, and the status report.
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "runtime/digest.h"
#include "runtime/runtime.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

// An engine in the folder a runtime uses before any selection exists.
void placeEngine(const Runtime& runtime, const testbed::World& world) {
    fs::create_directories(runtime.root());
    std::string command = "/usr/bin/cp -R -P --preserve=mode,timestamps '" +
                          (world.bundle / "Contents/Resources/Engine").string() + "/.' '" +
                          (runtime.root() / "engine").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
}

// A Windows program that just waits, started under the runtime's prefix.
void startWaiter(const Runtime& runtime) {
    const fs::path program = runtime.root() / "waiter.exe";
    std::ofstream(program) << "TESTBED-PE waiter\n";
    const auto env = runtime.environment();
    platform::SpawnRequest request{runtime.wine(), {program.string()}};
    request.environment = &env;
    request.newSession = true;
    pid_t pid = platform::spawn(request);
    // The loader returns at once or keeps running as the program; either way
    // the prefix's server must come up.
    for (int i = 0; i < 100 && !runtime.running(); ++i) {
        int status;
        waitpid(pid, &status, WNOHANG);
    }
}

class Sessions : public ::testing::Test {
protected:
    void SetUp() override { world.exportToThisProcess(); }
    void TearDown() override { platform::overrideBundle(std::nullopt); }
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

    testing::internal::CaptureStdout();
    first.stop();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Only Ludowell's game and Steam environment were stopped.\n");
    EXPECT_FALSE(first.running());
    EXPECT_TRUE(second.running()) << "another runtime's programs must survive";

    // Nothing left to kill: "-k" answers 1, which still counts as stopped.
    testing::internal::CaptureStdout();
    first.stop();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Only Ludowell's game and Steam environment were stopped.\n");
    second.stop();
    EXPECT_FALSE(second.running());
}

TEST_F(Sessions, RequireIdleRefusesWhileAProgramRuns) {
    Runtime runtime(world.dataRoot());
    placeEngine(runtime, world);
    startWaiter(runtime);
    try {
        runtime.requireIdle();
        ADD_FAILURE() << "a busy prefix was taken for idle";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(),
                     "Save and close AoE IV and this app's Steam client before setting up or "
                     "repairing the environment.");
    }
    runtime.stop();
    EXPECT_NO_THROW(runtime.requireIdle());
}

TEST_F(Sessions, CheckReportsTheEngineAndTheGameVerdict) {
    const fs::path root = world.dataRoot();
    Runtime runtime(root);
    placeEngine(runtime, world);
    fs::create_directories(runtime.game().parent_path());
    std::ofstream(runtime.game()) << "TESTBED-PE game 1466860\n";

    auto pinned = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(pinned.status, 0) << pinned.output;
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = pinned.output.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(pinned.output.substr(start, end - start));
    ASSERT_EQ(lines.size(), 5u) << pinned.output;
    EXPECT_NE(lines[2].find("wine"), std::string::npos);
    EXPECT_EQ(lines[2], lines[2].substr(lines[2].find_first_not_of(" \t")));
    EXPECT_EQ(lines[3], "Runtime: not set up | Steam: not installed | AoE IV: installed");
    EXPECT_EQ(lines[4], "Game version matches the optimized build.");

    // The second testbed game carries no pin: its launch needs revalidation.
    const fs::path other = world.dataRoot("lantern");
    Runtime lantern(other, std::nullopt, [] {
        GameProfile p = GameProfile::aoeIV();
        p.installFolder = "Lantern Keep";
        p.executable = "LanternKeep.exe";
        return p;
    }());
    fs::create_directories(lantern.game().parent_path());
    std::ofstream(lantern.game()) << "TESTBED-PE game 2000001\n";
    auto unpinned = world.ludowell({"--command", "check", "--game", "lantern-keep", "--data-root", other.string()});
    EXPECT_EQ(unpinned.status, 0) << unpinned.output;
    EXPECT_TRUE(unpinned.output.ends_with("Game update needs revalidation; optimized launch is blocked.\n"))
        << unpinned.output;
}

}  // namespace
