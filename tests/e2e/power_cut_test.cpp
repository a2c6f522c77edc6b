// A power cut after an engine install: the data root on a real ext4 disk
// (a loop-mounted image), the disk as a cut leaves it copied the moment a
// run has ended, repaired with e2fsck and mounted in its place. The next
// run must work on what the disk kept.
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/files.h"
#include "testbed_world.h"

namespace fs = std::filesystem;

namespace {

class PowerCut : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0 || !fs::exists("/dev/loop-control")) GTEST_SKIP() << "loop mounts need root";
        fs::create_directories(mountPoint);
        ASSERT_EQ(sh("truncate -s 192M '" + image.string() + "' && mke2fs -q -t ext4 '" + image.string() + "'"), 0);
        if (sh("mount -o loop '" + image.string() + "' '" + mountPoint.string() + "'") != 0)
            GTEST_SKIP() << "loop devices are not available here";
    }
    void TearDown() override { ::umount2(mountPoint.c_str(), MNT_DETACH); }

    static int sh(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

    // What the disk holds after a cut now: the running journal committed
    // (as a few seconds pass; one small synced file does it at once), data
    // waiting in memory lost. Mounted in place.
    void cutPower() {
        ASSERT_EQ(sh("echo commit | dd of='" + (mountPoint / "probe").string() + "' conv=fsync"), 0);
        const auto cut = world.dir / "cut.img";
        ASSERT_EQ(sh("cp --sparse=always '" + image.string() + "' '" + cut.string() + "'"), 0);
        // Detached, not waited for: Wine's server lingers a few seconds in it.
        ASSERT_EQ(::umount2(mountPoint.c_str(), MNT_DETACH), 0);
        const int repaired = sh("e2fsck -fy '" + cut.string() + "'");
        ASSERT_TRUE(repaired == 0 || repaired == 256) << "e2fsck could not repair the disk";
        fs::rename(cut, image);
        ASSERT_EQ(sh("mount -o loop '" + image.string() + "' '" + mountPoint.string() + "'"), 0);
    }

    testbed::World world;
    const fs::path image = world.dir / "disk.img";
    const fs::path mountPoint = world.dataRoot("disk");
    const fs::path root = mountPoint / "aoe4";
};

TEST_F(PowerCut, TheNextRunWorksOnWhatTheDiskKeptAfterAnEngineInstall) {
    const auto manifest = world.bundle / "Contents/Resources/engine-manifest.json";
    // Each row installs an engine and loses power straight after.
    for (const std::string newer : {"", "11-0-9"}) {
        SCOPED_TRACE(newer.empty() ? "the first engine" : "an update to " + newer);
        if (!newer.empty()) {
            auto shipped = nlohmann::json::parse(*ludowell::readFile(manifest));
            shipped["version"] = newer;
            fs::remove(manifest);  // a link to the build's own
            std::ofstream(manifest) << shipped.dump();
        }
        const auto run = world.ludowell({"--command", "prepare", "--data-root", root.string()});
        ASSERT_EQ(run.status, 0) << run.output;
        cutPower();
        ASSERT_NE(ludowell::readFile(root / "engine-selection.json").value_or("").find(newer.empty() ? "11-0-1" : newer),
                  std::string::npos) << "the cut must keep the switch, or it tests nothing";
        const auto next = world.ludowell({"--command", "check", "--data-root", root.string()});
        EXPECT_EQ(next.status, 0) << next.output;
    }
}

}  // namespace
