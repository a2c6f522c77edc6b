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

    // Mounts a tmpfs with `options` at `at`, runs `before`, then the app on the data root.
    testbed::World::Result onDisk(const std::string& options, const fs::path& at, const std::vector<std::string>& args,
                                  const std::string& before = "true") const {
        std::vector<std::string> command = {
            "-rm", "/bin/sh", "-c",
            "at=$0; root=$1; app=$2; shift 2; mount -t tmpfs -o " + options + " tmpfs \"$at\" && " + before +
                " && exec \"$app\" \"$@\" --data-root \"$root\"",
            at.string(), root.string(), world.executable.string()};
        command.insert(command.end(), args.begin(), args.end());
        return world.run("/usr/bin/unshare", command);
    }

    testbed::World world;
    const fs::path root = world.dataRoot("small");
};

TEST_F(DiskFull, CopyingTheEngineSaysSoFirstAndAFailingToolIsHeardWithoutItsLog) {
    auto copying = onDisk("size=4m", root, {"--command", "prepare"});
    EXPECT_EQ(copying.status, 1);
    EXPECT_NE(copying.output.find("ERROR: The disk is full: this step needs about "), std::string::npos)
        << copying.output;

    // A failing tool whose log cannot be written is still heard.
    const std::string fill =
        "mkdir -p \"$root/engine/bin\" \"$root/logs\" && "
        "printf '#!/bin/sh\\necho the tool could not finish >&2; exit 3\\n' > \"$root/engine/bin/wine\" && "
        "chmod +x \"$root/engine/bin/wine\" && : > \"$root/operation.lock\" && "
        "{ dd if=/dev/zero of=\"$root/filler\" bs=4k 2>/dev/null; true; }";
    auto result = onDisk("size=1m", root, {"--command", "check"}, fill);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("ERROR: wine failed (3). the tool could not finish\n\n"
                                 "The disk is full. Free up some space and try again.\nLogs: "),
              std::string::npos)
        << result.output;
}

// A folder that cannot be written, a lock the account's home cannot hold
// and a file the disk cannot read: the ERROR line, or the line before a
// fixed one, says which and where, never only that something failed.
TEST_F(DiskFull, TheRealReasonIsNeverDropped) {
    const fs::path lease = ludowell::UpdateLease::defaultLocation().parent_path();
    const std::string readOnly = " cannot be written: its disk is read-only.\n";
    const std::string manifest = (world.bundle / "Contents/Resources/engine-manifest.json").string();
    const std::pair<testbed::World::Result, std::string> cases[] = {
        {onDisk("ro", root, {"--command", "check"}),
         "\"" + root.string() + "/operation.lock\"" + readOnly + "ERROR: Could not open the operation lock.\n"},
        {onDisk("ro", lease, {"--command", "check"}),
         "\"" + lease.string() + "/update-session.lock\"" + readOnly + "ERROR: Could not open the update lock.\n"},
        {world.run("/usr/bin/strace", {"-f", "-o", "/dev/null", "-P", manifest, "-e", "trace=read", "-e",
                                       "inject=read:error=EIO", world.executable.string(), "--command", "prepare",
                                       "--data-root", root.string()}),
         "ERROR: \"" + manifest + "\" cannot be read or written: the disk reported an input/output error.\n"},
    };
    for (const auto& [result, ending] : cases) {
        EXPECT_EQ(result.status, 1) << ending;
        EXPECT_TRUE(result.output.ends_with(ending)) << result.output;
    }
}

}  // namespace
