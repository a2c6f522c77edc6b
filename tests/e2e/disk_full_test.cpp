// A data root on a small disk of its own: a private tmpfs mounted in a
// user and mount namespace, gone when the run ends.
#include <gtest/gtest.h>

#include "testbed_world.h"

namespace fs = std::filesystem;

namespace {

class DiskFull : public ::testing::Test {
protected:
    void SetUp() override {
        if (world.run("/usr/bin/unshare", {"-rm", "/bin/true"}).status != 0)
            GTEST_SKIP() << "user namespaces are not available here";
        fs::create_directories(root);
    }

    // Mounts a disk of `size` at the data root, runs `before` in it, then the app.
    testbed::World::Result onSmallDisk(const std::string& size, const std::string& before,
                                       const std::vector<std::string>& args) const {
        std::vector<std::string> command = {
            "-rm", "/bin/sh", "-c",
            "root=$0; app=$1; shift; mount -t tmpfs -o size=" + size + " tmpfs \"$root\" && " + before +
                " && exec \"$app\" \"$@\" --data-root \"$root\"",
            root.string(), world.executable.string()};
        command.insert(command.end(), args.begin(), args.end());
        return world.run("/usr/bin/unshare", command);
    }

    testbed::World world;
    const fs::path root = world.dataRoot("small");
};

TEST_F(DiskFull, CopyingTheEngineSaysSoFirstAndAFailingToolIsHeardWithoutItsLog) {
    auto copying = onSmallDisk("4m", "true", {"--command", "prepare"});
    EXPECT_EQ(copying.status, 1);
    EXPECT_NE(copying.output.find("ERROR: The disk is full: this step needs about "), std::string::npos)
        << copying.output;

    // A failing tool whose log cannot be written is still heard.
    const std::string fill =
        "mkdir -p \"$root/engine/bin\" \"$root/logs\" && "
        "printf '#!/bin/sh\\necho the tool could not finish >&2; exit 3\\n' > \"$root/engine/bin/wine\" && "
        "chmod +x \"$root/engine/bin/wine\" && : > \"$root/operation.lock\" && "
        "{ dd if=/dev/zero of=\"$root/filler\" bs=4k 2>/dev/null; true; }";
    auto result = onSmallDisk("1m", fill, {"--command", "check"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("ERROR: wine failed (3). the tool could not finish\n\n"
                                 "The disk is full. Free up some space and try again.\nLogs: "),
              std::string::npos)
        << result.output;
}

}  // namespace
