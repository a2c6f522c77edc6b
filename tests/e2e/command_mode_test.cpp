// The command driver through the built executable: start-up, the locks,
// the action table and the output protocol, on a full or failing disk and
// when asked to stop.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <thread>

#include <gtest/gtest.h>

#include "core/files.h"
#include "engine/update_lease.h"
#include "runtime/runtime.h"
#include "runtime/stop_request.h"
#include "support/eventually.h"
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

// An engine that fails, heard even with SIGCHLD ignored (which would reap
// the app's children unseen), and one whose version query hangs: "check"
// gives up after 10 seconds.
TEST_F(CommandMode, AFailingOrHangingToolEndsTheRunWithItsLine) {
    const std::pair<std::string, std::string> engines[] = {
        {"echo broken; exit 3",
         "ERROR: wine failed (3). broken\n\nLogs: " + (world.dataRoot("echo") / "logs").string() + "\n"},
        {"exec sleep 60", "ERROR: This is taking longer than expected. Please try again. Your downloads are kept.\n"},
    };
    for (const auto& [wine, says] : engines) {
        const fs::path root = world.dataRoot(wine.substr(0, 4));
        writeFile(root / "engine/bin/wine", "#!/bin/sh\n" + wine + "\n", true);
        auto result = world.run("/bin/sh", {"-c", "trap '' CHLD; exec \"$0\" \"$@\"", world.executable.string(),
                                            "--command", "check", "--data-root", root.string()});
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.output.ends_with(says)) << result.output;
    }
}

TEST_F(CommandMode, AMissingCatalogNeverHangsAHeadlessRun) {
    fs::remove(world.bundle / "Contents/Resources/games.json");
    // Headless: no screen an alert could wait on.
    ScopedEnv platform("QT_QPA_PLATFORM", std::nullopt), display("DISPLAY", std::nullopt),
        wayland("WAYLAND_DISPLAY", std::nullopt);
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

// A data root on a small disk of its own: a private tmpfs mounted in a
// user and mount namespace, gone when the run ends.
class DiskFull : public CommandMode {
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

// Every way a run is asked to stop, wherever it is waiting, ends it and the
// tool it waits on soon, with its usual lines and then the stop's own: not
// a Mac's failure, not silence, and no half download taken for whole.
// Stopped as the window does, with a signal; that the next run then
// completes is the window's Stop test (ui).
TEST(StopRequest, EveryStopEndsTheRunSoonWithTheStopsLine) {
    testbed::World world({.throttleBytesPerSecond = 64 * 1024, .largePackage = true});
    const std::string passed = "Apple Silicon, macOS and Rosetta compatibility checks passed.\n";
    const std::string stopped = "ERROR: " + std::string(ludowell::kStoppedText) + "\n";
    struct Case {
        const char* what;
        const char* command;
        int signal;
        const char* rosetta;  // the testbed's Rosetta
        const char* file;     // under the data root: waited for until it has bytes
        const char* line;     // or this, in the output
        std::string says;     // before the stop's line
    };
    const Case cases[] = {
        {"SIGTERM to curl", "setup", SIGTERM, "present", "downloads/Template-1.0.15.tar.xz.partial", nullptr,
         passed + "Downloading the validated graphics and dependency package (about 87 MB)\u2026\n"},
        {"SIGTERM in the Rosetta test", "check", SIGTERM, "slow", "logs", nullptr, ""},
        {"SIGHUP in the Rosetta test", "check", SIGHUP, "slow", "logs", nullptr, ""},
        {"SIGTERM while the game is hashed", "check", SIGTERM, "present", nullptr, "Runtime: ",
         passed + "Data location: " + world.dataRoot("3").string() +
             "\nRuntime: not set up | Steam: not installed | AoE IV: installed\n"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        const fs::path root = world.dataRoot(std::to_string(&test - cases)), output = root.string() + ".out";
        writeFile(root / "license-accepted", "Accepted locally: now\n");
        // A game too large to hash before any stop could be noticed.
        const fs::path game = ludowell::Runtime(root, std::nullopt, ludowell::GameProfile::aoeIV()).game();
        writeFile(game);
        fs::resize_file(game, 64ull << 30);
        ScopedEnv rosetta("LUDOWELL_TESTBED_ROSETTA", test.rosetta);
        const pid_t pid = world.startLudowell({"--command", test.command, "--data-root", root.string()}, output);
        ASSERT_TRUE(eventually([&] {
            std::error_code ec;
            if (test.file) return !fs::is_empty(root / test.file, ec) && !ec;
            return ludowell::readFile(output).value_or("").find(test.line) != std::string::npos;
        }, std::chrono::seconds(30)));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto sent = std::chrono::steady_clock::now();
        ::kill(pid, test.signal);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(3)) << "the stop waited";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        EXPECT_EQ(ludowell::readFile(output), test.says + stopped);
        EXPECT_FALSE(fs::exists(root / "downloads/Template-1.0.15.tar.xz"));
        EXPECT_FALSE(fs::exists(root / "runtime-ready"));
    }

    // A stop that came before the run could catch it (blocked at start,
    // as a parent may leave it) still arrives, as the first thing.
    const auto early = world.run("/usr/bin/python3",
        {"-c", "import os, signal, sys; signal.pthread_sigmask(signal.SIG_BLOCK, [signal.SIGINT]); "
               "os.kill(os.getpid(), signal.SIGINT); os.execv(sys.argv[1], sys.argv[1:])",
         world.executable.string(), "--command", "check", "--data-root", world.dataRoot("early").string()});
    EXPECT_EQ(early.status, 1);
    EXPECT_EQ(early.output, stopped);
}

}  // namespace
