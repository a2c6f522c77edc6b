// A power cut after an engine install: the data root on a loop-mounted
// ext4 image, copied the moment a run has ended as a cut leaves it (the
// journal committed, data still in memory lost), repaired with e2fsck
// and mounted in its place. The next run must work on what the disk kept.
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/files.h"
#include "testbed_world.h"

namespace fs = std::filesystem;

namespace {

int sh(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

TEST(PowerCut, TheNextRunWorksOnWhatTheDiskKeptAfterAnEngineInstall) {
    if (::geteuid() != 0) GTEST_SKIP() << "loop mounts need root";
    testbed::World world;
    const std::string image = (world.dir / "disk.img").string(), cut = (world.dir / "cut.img").string();
    const fs::path disk = world.dataRoot("disk"), root = disk / "aoe4";
    const std::string mount = "mount -o loop '" + image + "' '" + disk.string() + "'";
    fs::create_directories(disk);
    ASSERT_EQ(sh("truncate -s 192M '" + image + "' && mke2fs -q -t ext4 '" + image + "'"), 0);
    if (sh(mount) != 0) GTEST_SKIP() << "loop devices are not available here";
    struct Unmount {
        fs::path at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    const auto manifest = world.bundle / "Contents/Resources/engine-manifest.json";
    for (const std::string version : {"11-0-1", "11-0-9"}) {
        SCOPED_TRACE(version);
        auto shipped = nlohmann::json::parse(*ludowell::readFile(manifest));
        shipped["version"] = version;
        fs::remove(manifest);  // a link to the build's own
        std::ofstream(manifest) << shipped.dump();
        const auto run = world.ludowell({"--command", "prepare", "--data-root", root.string()});
        ASSERT_EQ(run.status, 0) << run.output;

        // One small synced file commits the journal at once. Detached, not
        // waited for: Wine's server lingers a few seconds on the disk.
        ASSERT_EQ(sh("echo commit | dd of='" + (disk / "probe").string() + "' conv=fsync"), 0);
        ASSERT_EQ(sh("cp --sparse=always '" + image + "' '" + cut + "'"), 0);
        ::umount2(disk.c_str(), MNT_DETACH);
        ASSERT_LE(sh("e2fsck -fy '" + cut + "'") >> 8, 1) << "e2fsck could not repair the disk";
        fs::rename(cut, image);
        ASSERT_EQ(sh(mount), 0);
        ASSERT_NE(ludowell::readFile(root / "engine-selection.json").value_or("").find(version), std::string::npos)
            << "the cut must keep the switch, or it tests nothing";
        const auto next = world.ludowell({"--command", "check", "--data-root", root.string()});
        EXPECT_EQ(next.status, 0) << next.output;
    }
}

}  // namespace
