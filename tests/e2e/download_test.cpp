// Verified downloads through the real curl against the testbed's HTTPS
// server: what lands, what is reused, and what is never taken for a whole file.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

#include <gtest/gtest.h>

#include "runtime/digest.h"
#include "core/files.h"
#include "runtime/runtime.h"
#include "testbed_world.h"
#include "support/eventually.h"
#include "support/failure_text.h"
#include "testbed_host.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

const std::string kMismatch =
    "The downloaded file differs from the validated version. Setup stopped without executing it. "
    "A newer launcher may be needed.";

fs::path partial(fs::path file) { return file += ".partial"; }

class Downloads : public ::testing::Test {
protected:
    explicit Downloads(testbed::World::Options options = {}) : world(options) {}
    void SetUp() override { world.exportToThisProcess(); }

    testbed::World world;
    const platform::DownloadSources pins = testbed::Host({.bundle = world.bundle}).downloads();
    const platform::PinnedSource package = pins.package;
    const platform::PinnedSource installer = pins.steamInstaller;
    Runtime runtime{world.dataRoot(), world.bundle / "Contents/Resources"};
    fs::path destination = world.dataRoot() / "downloads/Template-1.0.15.tar.xz";
};

TEST_F(Downloads, OnlyAVerifiedFileLandsAndItIsNeverFetchedAgain) {
    ASSERT_NE(package.url.find("localhost:" + std::to_string(world.port) + "/"), std::string::npos)
        << "the private bundle must point at this world's own server";
    fs::create_directories(destination.parent_path());
    auto missing = package.url;
    missing.replace(missing.rfind('/') + 1, std::string::npos, "Template-9.9.9.tar.xz");
    const std::string text = failureText([&] { runtime.download(missing, destination, package.sha); });
    EXPECT_TRUE(text.starts_with("curl failed (")) << text;
    EXPECT_TRUE(text.ends_with("\nLogs: " + runtime.logs().string())) << text;
    EXPECT_EQ(failureText([&] { runtime.download(installer.url, destination, package.sha); }), kMismatch);
    EXPECT_FALSE(fs::exists(destination));
    EXPECT_FALSE(fs::exists(partial(destination)));

    // The server's file does not match this pin: the old file must survive.
    std::ofstream(destination) << "an older package\n";
    EXPECT_EQ(failureText([&] { runtime.download(package.url, destination, installer.sha); }), kMismatch);
    EXPECT_EQ(readFile(destination), "an older package\n");
    EXPECT_FALSE(fs::exists(partial(destination)));

    runtime.download(package.url, destination, package.sha);
    EXPECT_EQ(digest(destination), package.sha);
    EXPECT_FALSE(fs::exists(partial(destination)));

    // A verified file starts nothing: an unreachable address, had it been
    // asked for, would have failed.
    EXPECT_EQ(failureText([&] { runtime.download("https://localhost:1/nowhere", destination, package.sha); }),
              kNoFailure);
}

// A slow server, so a download can be caught half-way.
struct InterruptedDownloads : Downloads {
    InterruptedDownloads() : Downloads({.throttleBytesPerSecond = 200}) {}
};

TEST_F(InterruptedDownloads, AKilledDownloadIsNeverTakenForAWholeFile) {
    fs::create_directories(destination.parent_path());
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::setpgid(0, 0);  // curl joins this group, so one signal stops both
        try {
            runtime.download(package.url, destination, package.sha);
        } catch (...) {
        }
        ::_exit(0);
    }
    ::setpgid(child, child);
    // curl creates its output file when the first bytes arrive.
    eventually([&] { return fs::exists(partial(destination)); }, std::chrono::seconds(20));
    // A slow transfer holds up no other request.
    runtime.download(installer.url, world.dataRoot() / "SteamSetup.exe", installer.sha);
    EXPECT_EQ(::waitpid(child, nullptr, WNOHANG), 0) << "the small file waited for the large one";
    ::kill(-child, SIGKILL);
    ::waitpid(child, nullptr, 0);

    ASSERT_TRUE(fs::exists(partial(destination))) << "the transfer was never seen under way";
    ASSERT_NE(digest(partial(destination)), package.sha) << "the transfer finished before it could be interrupted";
    EXPECT_FALSE(fs::exists(destination));

    runtime.download(package.url, destination, package.sha);
    EXPECT_EQ(digest(destination), package.sha);
    EXPECT_FALSE(fs::exists(partial(destination)));
}

// A hostile server: every body it sends is endless.
struct EndlessDownloads : Downloads {
    EndlessDownloads() : Downloads({.endless = true}) {}
};

TEST_F(EndlessDownloads, APinnedDownloadEndsAsSoonAsItOutgrowsItsPin) {
    const auto www = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "testbed/www";
    // The package, then Steam's installer once a verified package is there.
    for (const std::string action : {"prepare", "setup"}) {
        SCOPED_TRACE(action);
        if (action == "setup") {
            fs::copy_file(www / "Template-1.0.15.tar.xz", destination);
            std::ofstream(world.dataRoot() / "license-accepted") << "Accepted locally: now\n";
        }
        const auto result = world.ludowell({"--command", action, "--data-root", world.dataRoot().string()});
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.output.ends_with("ERROR: " + kMismatch + "\n")) << result.output;
        for (const auto& entry : fs::directory_iterator(destination.parent_path()))
            EXPECT_FALSE(entry.path().extension() == ".partial") << entry.path();
    }
}

}  // namespace
