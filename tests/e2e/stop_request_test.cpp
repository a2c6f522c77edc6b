// Stopping a command-mode run as the window does, with a signal. That the
// next run then completes is the window's Stop test (ui).
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
#include "support/files.h"
#include "support/scoped_env.h"
#include "testbed_world.h"

namespace fs = std::filesystem;

// Every way a run is asked to stop, wherever it is waiting, ends it and the
// tool it waits on soon, with its usual lines and then the stop's own: not
// a Mac's failure, not silence, and no half download taken for whole.
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
        fs::create_directories(game.parent_path());
        std::ofstream(game).close();
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
