// Stopping a command-mode run as the window does, with SIGTERM: the running
// tool ends and the run prints its usual lines and then one ERROR line.
// That the next run then completes is the window's Stop test (ui).
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "core/files.h"
#include "runtime/runtime.h"
#include "runtime/stop_request.h"
#include "support/eventually.h"
#include "support/scoped_env.h"
#include "testbed_world.h"

namespace fs = std::filesystem;

TEST(StopRequest, EndsTheRunningToolAndFailsWithOneErrorLine) {
    testbed::World world({.throttleBytesPerSecond = 64 * 1024, .largePackage = true});
    const fs::path root = world.dataRoot();
    fs::create_directories(root);
    ludowell::atomicWrite(root / "license-accepted", "Accepted locally: now\n");
    const std::vector<std::string> args{"--command", "setup", "--data-root", root.string()};
    const fs::path output = world.dir / "stopped.out";

    const pid_t pid = world.startLudowell(args, output);
    const fs::path partial = root / "downloads/Template-1.0.15.tar.xz.partial";
    std::error_code ec;
    ASSERT_TRUE(eventually([&] { return fs::file_size(partial, ec) > 0 && !ec; }, std::chrono::seconds(30)))
        << "the download never started";
    const auto stoppedAt = std::chrono::steady_clock::now();
    ::kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_LT(std::chrono::steady_clock::now() - stoppedAt, std::chrono::seconds(3)) << "curl was not ended";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);

    EXPECT_EQ(ludowell::readFile(output),
              "Apple Silicon, macOS and Rosetta compatibility checks passed.\n"
              "Downloading the validated graphics and dependency package (about 87 MB)\u2026\n"
              "ERROR: " + std::string(ludowell::kStoppedText) + "\n");
    EXPECT_FALSE(fs::exists(root / "downloads/Template-1.0.15.tar.xz"));
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));
}

// Every way a run is asked to stop, wherever it is waiting, ends it soon
// with the stop's own line: not a Mac's failure, not silence.
TEST(StopRequest, EveryStopEndsTheRunSoonWithTheStopsLine) {
    testbed::World world;
    const std::string stopped = "ERROR: " + std::string(ludowell::kStoppedText) + "\n";
    struct Case {
        const char* what;
        int signal;
        const char* rosetta;  // the testbed's Rosetta
        std::string waitFor;  // in the output, before the signal is sent
    };
    const Case cases[] = {
        {"SIGTERM in the Rosetta test", SIGTERM, "slow", ""},
        {"SIGHUP in the Rosetta test", SIGHUP, "slow", ""},
        {"SIGTERM while the game is hashed", SIGTERM, "present", "Runtime: "},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        const fs::path root = world.dataRoot(std::to_string(test.signal) + test.rosetta);
        // A game too large to hash before any stop could be noticed.
        const fs::path game = ludowell::Runtime(root, std::nullopt, ludowell::GameProfile::aoeIV()).game();
        fs::create_directories(game.parent_path());
        std::ofstream(game).close();
        fs::resize_file(game, 64ull << 30);
        const fs::path output = root.string() + ".out";
        ScopedEnv rosetta("LUDOWELL_TESTBED_ROSETTA", test.rosetta);
        const pid_t pid = world.startLudowell({"--command", "check", "--data-root", root.string()}, output);
        ASSERT_TRUE(eventually([&] {
            auto text = ludowell::readFile(output).value_or("");
            return test.waitFor.empty() ? fs::exists(root / "logs") : text.find(test.waitFor) != std::string::npos;
        }, std::chrono::seconds(30)));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const auto sent = std::chrono::steady_clock::now();
        ::kill(pid, test.signal);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_LT(std::chrono::steady_clock::now() - sent, std::chrono::seconds(3)) << "the stop waited";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
        const auto text = ludowell::readFile(output).value_or("");
        EXPECT_TRUE(text.ends_with(stopped)) << text;
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
