// The command driver through the built executable: start-up, the locks,
// the action table and the output protocol.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>

#include "engine/update_lease.h"
#include "testbed_world.h"

namespace fs = std::filesystem;

namespace {

const std::string kCompatible = "Apple Silicon, macOS and Rosetta compatibility checks passed.\n";
const std::string kAllMissing = "Runtime: not set up | Steam: not installed | AoE IV: not installed\n";

class CommandMode : public ::testing::Test {
protected:
    testbed::World world;
};

TEST_F(CommandMode, CheckOnAnEmptyDataRootPrintsExactlyThreeLines) {
    const fs::path root = world.dataRoot();
    fs::create_directories(root);
    auto result = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, kCompatible + "Data location: " + root.string() + "\n" + kAllMissing);
}

TEST_F(CommandMode, GameSelectionQuirks) {
    auto unknown = world.ludowell({"--command", "check", "--game", "nope"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.output, "Unknown game\n");

    // "--hud" right after "--game" is taken as the game's id.
    auto hud = world.ludowell({"--game", "--hud", "--command", "check"});
    EXPECT_EQ(hud.status, 1);
    EXPECT_EQ(hud.output, "Unknown game\n");

    // A relative data root is taken from the working folder, and ".." resolves.
    const fs::path root = world.dataRoot("second");
    auto relative = world.ludowell({"--game", "lantern-keep", "--command", "check", "--data-root",
                                    (world.dataRoot("other") / ".." / "second").string()});
    EXPECT_EQ(relative.status, 0);
    EXPECT_NE(relative.output.find("Data location: " + root.string() + "\n"), std::string::npos);
}

TEST_F(CommandMode, UnknownActionsStillTakeTheDataRootAndItsLock) {
    for (const std::string action : {"CHECK", "reboot"}) {
        const fs::path root = world.dataRoot(action);
        auto result = world.ludowell({"--command", action, "--data-root", root.string()});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.output, "ERROR: Unknown action.\n");
        struct stat info{};
        ASSERT_EQ(::stat((root / "operation.lock").c_str(), &info), 0) << action;
        EXPECT_EQ(info.st_mode & 0777, 0600u);
    }
}

TEST_F(CommandMode, ASecondRunOnALockedDataRootFailsAtOnce) {
    const fs::path root = world.dataRoot();
    fs::create_directories(root);
    // Another run holds the data root: the lock is per open file, so a
    // descriptor of our own stands in for that run.
    int fd = ::open((root / "operation.lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    auto result = world.ludowell({"--command", "play", "--data-root", root.string()});
    ::close(fd);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output,
              "ERROR: Another setup or launch is already in progress. Please wait for it to finish.\n");
    EXPECT_FALSE(fs::exists(root / "logs"));
}

TEST_F(CommandMode, AnUpdateHoldingTheLeaseKeepsEveryRunOut) {
    const fs::path root = world.dataRoot();
    const fs::path lease = world.home / ".local/share/Hollowmere/update-session.lock";
    {
        ludowell::UpdateLease exclusive(true, lease);
        auto result = world.ludowell({"--command", "check", "--data-root", root.string()});
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.output,
                  "ERROR: An update or launch is already in progress. Please wait for it to finish.\n");
        EXPECT_FALSE(fs::exists(root)) << "the runtime must stay untouched";
    }
    auto after = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(after.status, 0);
}

TEST_F(CommandMode, SetupWithoutConsentStartsNothing) {
    const fs::path root = world.dataRoot();
    auto result = world.ludowell({"--command", "setup", "--data-root", root.string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.output, "ERROR: Please review the setup license in Ludowell first.\n");
    EXPECT_FALSE(fs::exists(root / "downloads"));
    EXPECT_FALSE(fs::exists(root / "logs"));
}

TEST_F(CommandMode, ATimeOutGivesTheFixedLine) {
    // An engine whose version query hangs: "check" gives up after 10 seconds.
    const fs::path root = world.dataRoot();
    fs::create_directories(root / "engine/bin");
    {
        std::ofstream wine(root / "engine/bin/wine");
        wine << "#!/bin/sh\nexec sleep 60\n";
    }
    fs::permissions(root / "engine/bin/wine", fs::perms::owner_all);
    auto result = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(result.status, 1);
    const std::string last = "ERROR: This is taking longer than expected. Please try again. Your downloads are kept.\n";
    ASSERT_GE(result.output.size(), last.size());
    EXPECT_EQ(result.output.substr(result.output.size() - last.size()), last);
}

TEST_F(CommandMode, ABrokenCatalogNeverHangsAHeadlessRun) {
    const fs::path catalog = world.bundle / "Contents/Resources/games.json";
    fs::remove(catalog);
    std::ofstream(catalog) << "[]";
    auto result = world.ludowell({"--command", "check"}, 20);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("The game library contains duplicate or missing games."), std::string::npos);

    fs::remove(catalog);
    auto missing = world.ludowell({"--command", "check"}, 20);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find("The game library is missing. Please reinstall this app."), std::string::npos);
}

}  // namespace
