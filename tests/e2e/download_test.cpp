// Verified downloads through the real curl against the testbed's HTTPS
// server: what lands, what is reused, and what is never taken for a whole file.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "platform/platform.h"
#include "runtime/digest.h"
#include "runtime/files.h"
#include "runtime/runtime.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

const std::string kMismatch =
    "The downloaded file differs from the validated version. Setup stopped without executing it. "
    "A newer launcher may be needed.";

size_t commandLogs(const Runtime& runtime) {
    std::error_code ec;
    size_t count = 0;
    for (auto it = fs::directory_iterator(runtime.logs(), ec); !ec && it != fs::directory_iterator(); ++it)
        if (it->path().filename().string().starts_with("command-")) ++count;
    return count;
}

fs::path partial(fs::path file) { return file += ".partial"; }

std::string failureText(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.what();
    }
    ADD_FAILURE() << "no Failure was thrown";
    return {};
}

class Downloads : public ::testing::Test {
protected:
    explicit Downloads(testbed::World::Options options = {}) : world(options) {}
    void SetUp() override { world.exportToThisProcess(); }
    void TearDown() override { platform::overrideBundle(std::nullopt); }

    platform::PinnedSource package() const {
        return platform::downloadOverrides(world.bundle / "Contents/Resources")->package;
    }
    platform::PinnedSource installer() const {
        return platform::downloadOverrides(world.bundle / "Contents/Resources")->steamInstaller;
    }

    testbed::World world;
    Runtime runtime{world.dataRoot(), world.bundle / "Contents/Resources"};
    fs::path destination = world.dataRoot() / "downloads/Template-1.0.15.tar.xz";
};

TEST_F(Downloads, AFreshDownloadLandsVerified) {
    ASSERT_NE(package().url.find("localhost:" + std::to_string(world.port) + "/"), std::string::npos)
        << "the private bundle must point at this world's own server";
    fs::create_directories(destination.parent_path());
    runtime.download(package().url, destination, package().sha);
    EXPECT_EQ(digest(destination), package().sha);
    EXPECT_FALSE(fs::exists(partial(destination)));
    EXPECT_EQ(commandLogs(runtime), 1u);

    // Unpacking needs this layout; anything less stops setup.
    const std::string listing = runtime.run("/usr/bin/tar", {"-tf", destination.string()});
    const std::string frameworks = "Template-1.0.15.app/Contents/Frameworks/";
    for (const std::string file :
         {"renderer/d3dmetal/wine/x86_64-unix/d3d12.so", "renderer/d3dmetal/wine/x86_64-windows/dxgi.dll",
          "renderer/d3dmetal/wine/x86_64-windows/d3d11.dll", "renderer/d3dmetal/wine/x86_64-windows/d3d12.dll",
          "renderer/d3dmetal/wine/x86_64-windows/atidxx64.dll", "renderer/d3dmetal/external/libd3dshared.dylib",
          "GStreamer.framework/Versions/1.0/lib/libgstreamer-1.0.0.dylib",
          "GStreamer.framework/Versions/1.0/lib/gstreamer-1.0/libgstcoreelements.dylib"})
        EXPECT_NE(listing.find(frameworks + file + "\n"), std::string::npos) << file;
}

TEST_F(Downloads, AVerifiedFileIsReusedWithoutStartingAnything) {
    const fs::path setup = world.dataRoot() / "downloads/SteamSetup.exe";
    fs::create_directories(setup.parent_path());
    std::ofstream(setup) << "TESTBED-PE steam-setup\n";
    runtime.download(installer().url, setup, installer().sha);
    EXPECT_EQ(commandLogs(runtime), 0u);

    // Even an unreachable address is never asked for.
    runtime.download("https://localhost:1/nowhere", setup, installer().sha);
    EXPECT_EQ(commandLogs(runtime), 0u);
}

TEST_F(Downloads, AnOutdatedFileIsReplacedOnlyByAVerifiedOne) {
    fs::create_directories(destination.parent_path());
    std::ofstream(destination) << "an older package\n";

    // The server's file does not match this pin: the old file must survive.
    EXPECT_EQ(failureText([&] { runtime.download(package().url, destination, installer().sha); }), kMismatch);
    EXPECT_EQ(readFile(destination), "an older package\n");
    EXPECT_FALSE(fs::exists(partial(destination)));

    runtime.download(package().url, destination, package().sha);
    EXPECT_EQ(digest(destination), package().sha);
    EXPECT_FALSE(fs::exists(partial(destination)));
}

TEST_F(Downloads, AMismatchWithNothingInPlaceLeavesNothing) {
    fs::create_directories(destination.parent_path());
    EXPECT_EQ(failureText([&] { runtime.download(installer().url, destination, package().sha); }), kMismatch);
    EXPECT_FALSE(fs::exists(destination));
    EXPECT_FALSE(fs::exists(partial(destination)));
}

TEST_F(Downloads, AMissingFileIsACurlFailureNamingTheLogs) {
    fs::create_directories(destination.parent_path());
    auto url = package().url;
    url.replace(url.rfind('/') + 1, std::string::npos, "Template-9.9.9.tar.xz");
    const std::string text = failureText([&] { runtime.download(url, destination, package().sha); });
    EXPECT_TRUE(text.starts_with("curl failed (")) << text;
    EXPECT_TRUE(text.ends_with("\nLogs: " + runtime.logs().string())) << text;
    EXPECT_FALSE(fs::exists(destination));
}

TEST_F(Downloads, TheServerKeepsToItsRoot) {
    // What the server answers, as curl sees it, with the path sent verbatim.
    auto status = [&](const std::string& path, const std::string& method = "GET") {
        std::vector<std::string> args{"-s", "-o", "/dev/null", "-w", "%{http_code}", "--path-as-is"};
        if (method == "HEAD") args.push_back("--head");
        else args.insert(args.end(), {"--request", method});
        args.push_back("https://localhost:" + std::to_string(world.port) + path);
        return runtime.run("/usr/bin/curl", args);
    };
    EXPECT_EQ(status("/SteamSetup.exe"), "200");
    EXPECT_EQ(status("/SteamSetup.exe", "HEAD"), "200");
    EXPECT_EQ(status("/SteamSetup.exe", "DELETE"), "405");
    EXPECT_EQ(status("/"), "404") << "no listings";
    EXPECT_EQ(status("/../www/SteamSetup.exe"), "400");
    EXPECT_EQ(status("/%2e%2e/www/SteamSetup.exe"), "400");
    EXPECT_EQ(status("/a/../SteamSetup.exe"), "400");
}

// A slow server, so a download can be caught half-way.
class InterruptedDownloads : public Downloads {
protected:
    InterruptedDownloads() : Downloads({.throttleBytesPerSecond = 200}) {}
};

TEST_F(InterruptedDownloads, ASlowTransferHoldsUpNoOtherRequest) {
    const auto source = package();
    const auto env = world.environment();
    platform::SpawnRequest slow;
    slow.executable = "/usr/bin/curl";
    slow.arguments = {"-s", "-o", "/dev/null", source.url};
    slow.environment = &env;
    pid_t transfer = platform::spawn(slow);

    const fs::path small = world.dataRoot() / "SteamSetup.exe";
    runtime.download(installer().url, small, installer().sha);
    int status = 0;
    EXPECT_EQ(::waitpid(transfer, &status, WNOHANG), 0) << "the small file waited for the large one";
    ::kill(transfer, SIGKILL);
    ::waitpid(transfer, &status, 0);
}

TEST_F(InterruptedDownloads, AKilledDownloadIsNeverTakenForAWholeFile) {
    fs::create_directories(destination.parent_path());
    const auto source = package();
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::setpgid(0, 0);  // curl joins this group, so one signal stops both
        try {
            runtime.download(source.url, destination, source.sha);
        } catch (...) {
        }
        ::_exit(0);
    }
    ::setpgid(child, child);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::error_code ec;
    // curl creates its output file when the first bytes arrive.
    while (!fs::exists(partial(destination), ec) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ::kill(-child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);

    ASSERT_TRUE(fs::exists(partial(destination))) << "the transfer was never seen under way";
    ASSERT_NE(digest(partial(destination)), source.sha) << "the transfer finished before it could be interrupted";
    EXPECT_FALSE(fs::exists(destination));

    runtime.download(source.url, destination, source.sha);
    EXPECT_EQ(digest(destination), source.sha);
    EXPECT_FALSE(fs::exists(partial(destination)));
}

TEST(WorldBundle, CommandModeRunsInsideTheWorld) {
    testbed::World world;
    const fs::path root = world.dataRoot();
    auto explicitRoot = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_NE(explicitRoot.output.find("Data location: " + root.string() + "\n"), std::string::npos)
        << explicitRoot.output;

    // Without a data root the default one lies under the world's home.
    auto defaultRoot = world.ludowell({"--command", "check"});
    EXPECT_NE(defaultRoot.output.find("Data location: " + (world.home / ".local/share/Hollowmere/Games/aoe4").string() +
                                      "\n"),
              std::string::npos)
        << defaultRoot.output;
}

}  // namespace
