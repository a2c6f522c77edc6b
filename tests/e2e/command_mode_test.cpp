// The command driver through the built executable: start-up, the locks,
// the action table and the output protocol.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <climits>

#include <gtest/gtest.h>

#include "engine/update_lease.h"
#include "support/files.h"
#include "support/scoped_env.h"
#include "testbed_world.h"

namespace fs = std::filesystem;

namespace {

class CommandMode : public ::testing::Test {
protected:
    testbed::World world;
};

// Refusals before any work: status 1 and one line. Actions match
// case-sensitively, and even an unknown one takes the data root and its
// lock; the Mac is judged before any helper, engine or download starts,
// its system before Rosetta. Data roots the engine's lists or the path
// limit cannot hold are refused before anything is made.
TEST_F(CommandMode, RefusalsAtStartAreOneLine) {
    const fs::path root = world.dataRoot();
    const std::string env = "/usr/bin/env", app = world.executable.string(), data = root.string();
    const std::string colon = (world.dir / "Games:2024/aoe4").string(), dir = std::string(200, 'd');
    std::string deep = (world.dir / dir).string();
    while (deep.size() < PATH_MAX - 60) deep += "/" + dir;
    const std::string emptyRoot = "ERROR: The data folder given with --data-root is empty.\n";
    const std::string noRosetta =
        "ERROR: Rosetta is required. Open an Intel app and follow macOS's Rosetta installation prompt, then try "
        "again.\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{app, "--command", "check", "--game", "nope"}, "Unknown game\n"},
        {{app, "--command", "CHECK", "--data-root", data}, "ERROR: Unknown action.\n"},
        {{app, "--data-root", "", "--command", "check"}, emptyRoot},
        {{app, "--command", "check", "--data-root", ""}, emptyRoot},
        {{"LUDOWELL_TESTBED_MACOS=15.6", "LUDOWELL_TESTBED_ROSETTA=missing", app, "--command", "check",
          "--data-root", data},
         "ERROR: This build requires macOS 26 or later. Earlier macOS versions have not been validated.\n"},
        {{"LUDOWELL_TESTBED_ROSETTA=missing", app, "--command", "check", "--data-root", data}, noRosetta},
        // macOS 26 tells a build made with an older SDK "16.0"; its kernel tells the truth.
        {{"LUDOWELL_TESTBED_MACOS=16.0", "LUDOWELL_TESTBED_DARWIN=25.2.0", "LUDOWELL_TESTBED_ROSETTA=missing", app,
          "--command", "check", "--data-root", data},
         noRosetta},
        {{app, "--command", "prepare", "--data-root", colon},
         "ERROR: The data folder's path contains \":\" (shown as \"/\" in the Finder), which the game's Windows "
         "environment cannot use. Choose a folder whose path has neither.\n"},
        {{app, "--command", "prepare", "--data-root", deep},
         "ERROR: The data folder's path is too long for the game's Windows environment. Choose a folder with a "
         "shorter path.\n"},
    };
    for (const auto& [args, output] : cases) {
        auto result = world.run(env, args);
        EXPECT_EQ(result.status, 1) << output;
        EXPECT_EQ(result.output, output);
    }
    EXPECT_TRUE(fs::exists(root / "operation.lock"));
    EXPECT_TRUE(testbed::World::journal(root).empty()) << "no helper, engine or download may start";
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));
    EXPECT_FALSE(fs::exists(world.dir / "Games:2024") || fs::exists(world.dir / dir));
}

TEST_F(CommandMode, AFailingToolFailsTheRunEvenWithSIGCHLDIgnored) {
    // An ignored SIGCHLD would otherwise reap the app's children unseen.
    const fs::path root = world.dataRoot();
    writeFile(root / "engine/bin/wine", "#!/bin/sh\necho broken; exit 3\n", true);
    auto ignoring = world.run("/bin/sh", {"-c", "trap '' CHLD; exec \"$0\" \"$@\"",
                                    world.executable.string(), "--command", "check", "--data-root", root.string()});
    EXPECT_EQ(ignoring.status, 1);
    EXPECT_NE(ignoring.output.find("ERROR: wine failed (3). broken"), std::string::npos) << ignoring.output;
}

TEST_F(CommandMode, HeldLocksKeepEveryOtherRunOutAtOnce) {
    const fs::path root = world.dataRoot();
    {
        ludowell::UpdateLease update(true);
        auto result = world.ludowell({"--command", "check", "--data-root", root.string()});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.output,
                  "ERROR: An update or launch is already in progress. Please wait for it to finish.\n");
        EXPECT_FALSE(fs::exists(root)) << "the runtime must stay untouched";
    }

    // Another run holds the data root: the lock is per open file, so a
    // descriptor of our own stands in for that run.
    fs::create_directories(root);
    int fd = ::open((root / "operation.lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    auto result = world.ludowell({"--command", "play", "--data-root", root.string()});
    ::close(fd);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output,
              "ERROR: Another setup or launch is already in progress. Please wait for it to finish.\n");
    EXPECT_FALSE(fs::exists(root / "logs"));

    EXPECT_EQ(world.ludowell({"--command", "check", "--data-root", root.string()}).status, 0) << "both released";
}

TEST_F(CommandMode, ATimeOutGivesTheFixedLine) {
    // An engine whose version query hangs: "check" gives up after 10 seconds.
    const fs::path root = world.dataRoot();
    writeFile(root / "engine/bin/wine", "#!/bin/sh\nexec sleep 60\n", true);
    auto result = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.output.ends_with(
        "ERROR: This is taking longer than expected. Please try again. Your downloads are kept.\n"))
        << result.output;
}

TEST_F(CommandMode, AMissingCatalogNeverHangsAHeadlessRun) {
    fs::remove(world.bundle / "Contents/Resources/games.json");
    // Headless: no screen an alert could wait on.
    ScopedEnv platform("QT_QPA_PLATFORM", std::nullopt);
    ScopedEnv display("DISPLAY", std::nullopt);
    ScopedEnv wayland("WAYLAND_DISPLAY", std::nullopt);
    auto result = world.ludowell({"--command", "check"}, 20);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("The game library is missing. Please reinstall this app."), std::string::npos);
}

// Started with standard descriptors closed, a run must not write its
// lines into the files it opens next: the update lease and the lock.
TEST_F(CommandMode, ClosedStandardDescriptorsTakeNoneOfItsFiles) {
    const fs::path root = world.dataRoot();
    for (const std::string closed : {">&-", "<&- >&- 2>&-"}) {
        SCOPED_TRACE(closed);
        auto result = world.run("/bin/sh", {"-c", "exec \"$0\" \"$@\" " + closed, world.executable.string(),
                                            "--command", "check", "--data-root", root.string()});
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(fs::file_size(ludowell::UpdateLease::defaultLocation()), 0u);
        EXPECT_EQ(fs::file_size(root / "operation.lock"), 0u);
    }
}

}  // namespace
