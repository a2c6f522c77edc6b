// Stopping a command-mode run as the window does, with SIGTERM: the running
// tool ends and the run prints its usual lines and then one ERROR line.
// That the next run then completes is the window's Stop test (ui).
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/files.h"
#include "runtime/stop_request.h"
#include "support/eventually.h"
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
