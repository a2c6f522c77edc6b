// A data root on a small disk of its own: a private tmpfs mounted in a
// user and mount namespace, gone when the run ends.
#include <gtest/gtest.h>

#include "engine/update_lease.h"
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

namespace {

// A folder that cannot be written, a lock the account's home cannot hold
// and a file the disk cannot read: the ERROR line, or the line before a
// fixed one, says which and where, never only that something failed.
TEST_F(DiskFull, TheRealReasonIsNeverDropped) {
    const std::string app = world.executable.string(), data = root.string();
    const std::string lease = ludowell::UpdateLease::defaultLocation().parent_path().string();
    const std::string readOnly = " cannot be written: its disk is read-only.\n";
    const std::string manifest = (world.bundle / "Contents/Resources/engine-manifest.json").string();
    struct Case {
        const char* what;
        std::vector<std::string> command;
        std::string ending;
    };
    const auto readOnlyAt = [&](const std::string& folder) {
        return std::vector<std::string>{"/usr/bin/unshare", "-rm", "/bin/sh", "-c",
                                        "mount -t tmpfs -o ro tmpfs \"$0\" && exec \"$@\"", folder, app,
                                        "--command", "check", "--data-root", data};
    };
    const Case cases[] = {
        {"read-only data folder", readOnlyAt(data),
         "\"" + data + "/operation.lock\"" + readOnly + "ERROR: Could not open the operation lock.\n"},
        {"read-only home", readOnlyAt(lease),
         "\"" + lease + "/update-session.lock\"" + readOnly + "ERROR: Could not open the update lock.\n"},
        {"unreadable engine manifest",
         {"/usr/bin/strace", "-f", "-o", "/dev/null", "-P", manifest, "-e", "trace=read", "-e",
          "inject=read:error=EIO", app, "--command", "prepare", "--data-root", data},
         "ERROR: \"" + manifest + "\" cannot be read or written: the disk reported an input/output error.\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        const auto result = world.run(test.command.front(), {test.command.begin() + 1, test.command.end()});
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.output.ends_with(test.ending)) << result.output;
    }
}

}  // namespace
