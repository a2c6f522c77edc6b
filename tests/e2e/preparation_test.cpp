// Preparing the environment and opening Steam, beyond the happy journey:
// pins, package layout, user folders, the registry wait, and launches
// that must start nothing. Also what a killed setup leaves behind.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/failure.h"
#include "platform/platform.h"
#include "runtime/digest.h"
#include "runtime/files.h"
#include "runtime/pinned_downloads.h"
#include "runtime/runtime.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

std::string failureOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const Failure& error) {
        return error.description;
    } catch (const std::exception& error) {
        return std::string("not a Failure: ") + error.what();
    }
    return "";
}

size_t wineCalls(const fs::path& root) {
    size_t count = 0;
    for (auto& entry : testbed::World::journal(root)) count += entry["program"] == "wine";
    return count;
}

std::vector<std::string> stagingFolders(const fs::path& root) {
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with("deps-staging-") || name.starts_with("engine-staging-")) found.push_back(name);
    }
    return found;
}

class Preparation : public ::testing::Test {
protected:
    void SetUp() override { world.exportToThisProcess(); }
    void TearDown() override {
        Runtime::timing() = {};
        platform::overrideBundle(std::nullopt);
    }

    testbed::World world;
    fs::path root = world.dataRoot();
    // The testbed's own catalog entry: its pin is the testbed game's.
    Runtime runtime{root, world.bundle / "Contents/Resources",
                    GameProfile::load(world.bundle / "Contents/Resources").front()};
};

TEST_F(Preparation, AStaleArchiveIsFetchedAgainAndUserFoldersStayTheUsers) {
    fs::create_directories(root / "downloads");
    std::ofstream(root / "downloads/Template-1.0.15.tar.xz") << "an older package";
    runtime.prepare();
    const auto pin = packageDownload(runtime.resources());
    EXPECT_EQ(digest(root / "downloads/Template-1.0.15.tar.xz"), pin.sha);
    EXPECT_EQ(readFile(root / "runtime-ready"), "runtime-v1\n");

    // Wine links the user's folders to the host; they become plain folders,
    // and a real folder with the user's files is left as it is.
    bool sawUser = false;
    for (auto& user : fs::directory_iterator(runtime.prefix() / "drive_c/users")) {
        for (auto& child : fs::directory_iterator(user.path()))
            EXPECT_FALSE(fs::is_symlink(child.symlink_status())) << child.path();
        if (!fs::exists(user.path() / "Documents")) continue;
        sawUser = true;
        std::ofstream(user.path() / "Documents/save.txt") << "keep me";
        fs::remove(user.path() / "Desktop");
        fs::create_directory_symlink(world.dir, user.path() / "Desktop");
    }
    ASSERT_TRUE(sawUser);
    runtime.prepare();
    for (auto& user : fs::directory_iterator(runtime.prefix() / "drive_c/users")) {
        if (!fs::exists(user.path() / "Documents")) continue;
        EXPECT_EQ(readFile(user.path() / "Documents/save.txt"), "keep me");
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(user.path() / "Desktop")));
        EXPECT_TRUE(fs::is_empty(user.path() / "Desktop"));
    }
    EXPECT_TRUE(stagingFolders(root).empty());
}

TEST_F(Preparation, APackageWithoutTheRendererIsRefused) {
    // A bundle whose pin names an archive of the wrong shape, already downloaded.
    const fs::path source = world.dir / "odd/Template-1.0.15.app/Contents/Frameworks/other";
    fs::create_directories(source);
    std::ofstream(source / "file.txt") << "not a renderer";
    const fs::path archive = world.dir / "odd.tar.xz";
    ASSERT_EQ(std::system(("/usr/bin/tar -cJf '" + archive.string() + "' -C '" + (world.dir / "odd").string() +
                           "' Template-1.0.15.app")
                              .c_str()),
              0);
    const fs::path resources = world.dir / "OddResources";
    fs::create_directories(resources);
    for (auto& entry : fs::directory_iterator(world.bundle / "Contents/Resources"))
        if (entry.path().filename() != "testbed.json")
            fs::create_symlink(fs::canonical(entry.path()), resources / entry.path().filename());
    const std::string sha = digest(archive);
    std::ofstream(resources / "testbed.json")
        << nlohmann::json{{"packageURL", "https://localhost:1/none"}, {"packageSHA", sha},
                          {"steamURL", "https://localhost:1/none"}, {"steamSHA", sha}}
               .dump();
    fs::create_directories(root / "downloads");
    fs::copy_file(archive, root / "downloads/Template-1.0.15.tar.xz");

    Runtime odd(root, resources);
    EXPECT_EQ(failureOf([&] { odd.prepare(); }), "Unexpected graphics package layout.");
    EXPECT_FALSE(fs::exists(odd.frameworks()));
    EXPECT_TRUE(stagingFolders(root).empty());
    EXPECT_TRUE(fs::exists(root / "downloads/Template-1.0.15.tar.xz")) << "a verified archive is kept";
}

TEST_F(Preparation, ARegistryThatNeverComesEndsTheWait) {
    // The testbed writes the registry a second after wineboot returns.
    Runtime::timing().registryWait = 0.3;
    EXPECT_EQ(failureOf([&] { runtime.prepare(); }),
              "Wine did not finish creating the Windows environment. Check the setup logs and retry.");
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));
}

TEST_F(Preparation, LaunchesThatMustStartNothing) {
    EXPECT_EQ(failureOf([&] { runtime.installSteam(); }), "Run Set up Steam first.");
    runtime.prepare();
    EXPECT_EQ(failureOf([&] { runtime.openSteam(false, false); }),
              "Click Set up Steam before opening the library.");
    runtime.installSteam();

    // Steam present: nothing is downloaded or installed again.
    fs::remove(root / "downloads/SteamSetup.exe");
    const size_t before = wineCalls(root);
    runtime.installSteam();
    EXPECT_FALSE(fs::exists(root / "downloads/SteamSetup.exe"));
    auto journal = testbed::World::journal(root);
    for (size_t i = 0, seen = 0; i < journal.size(); ++i) {
        if (journal[i]["program"] != "wine") continue;
        if (seen++ >= before) EXPECT_NE(journal[i]["argv"].back(), "/S") << journal[i]["argv"];
    }

    EXPECT_EQ(failureOf([&] { runtime.openSteam(true, false); }),
              "Install Age of Empires IV in this Steam client's default library, then choose Play now.");
    fs::create_directories(runtime.game().parent_path());
    std::ofstream(runtime.game()) << "TESTBED-PE game 1466860\npatched\n";
    const size_t calls = wineCalls(root);
    EXPECT_EQ(failureOf([&] { runtime.openSteam(true, false); }),
              "This game build has not been validated for the optimizations. Please update Ludowell.");
    EXPECT_EQ(wineCalls(root), calls) << "an unvalidated build must not be started";

    // Asked to install and play at once, it plays.
    std::ofstream(runtime.game()) << "TESTBED-PE game 1466860\n";
    const size_t beforeLaunch = wineCalls(root);
    runtime.openSteam(true, false, true);
    // The client starts detached; give it a moment to be journaled.
    for (int i = 0; i < 100 && wineCalls(root) == beforeLaunch; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    nlohmann::json argv;
    for (auto& entry : testbed::World::journal(root))
        if (entry["program"] == "wine" && entry["argv"].size() > 1 && entry["argv"][1] == "-cef-disable-gpu")
            argv = entry["argv"];
    EXPECT_EQ(argv, nlohmann::json({runtime.steam().string(), "-cef-disable-gpu", "-applaunch", "1466860"}));
    runtime.stop();
}

// A setup killed anywhere is finished by the next run, which reuses what
// was verified and never takes a partial marker for a whole one.
TEST(SetupRecovery, AKilledSetupIsCompletedByTheNextRun) {
    testbed::World world(testbed::World::Options{20000});  // a download slow enough to interrupt
    const fs::path root = world.dataRoot();
    fs::create_directories(root);
    atomicWrite(root / "license-accepted", "Accepted locally: now\n");
    const auto env = world.environment();
    const std::vector<std::string> args{"--command", "setup", "--data-root", root.string()};

    // Each run is killed, with everything it started, once its setup reaches a later point.
    const std::vector<std::function<bool()>> points = {
        [&] { return fs::exists(root / "downloads/Template-1.0.15.tar.xz.partial"); },
        [&] { return !stagingFolders(root).empty(); },
        [&] { return fs::exists(root / "prefix/system.reg"); },
        [&] { return fs::exists(root / "prefix/drive_c/windows/system32/dxgi.dll"); },
        [&] { return fs::exists(root / "downloads/SteamSetup.exe.partial"); },
    };
    fs::file_time_type archiveTime{};
    for (size_t i = 0; i < points.size(); ++i) {
        platform::SpawnRequest request{world.executable, args};
        request.environment = &env;
        request.newSession = true;
        const pid_t pid = platform::spawn(request);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        int status = 0;
        bool ended = false;
        while (!points[i]() && std::chrono::steady_clock::now() < deadline) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                ended = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        ::kill(-pid, SIGKILL);
        if (!ended) waitpid(pid, &status, 0);
        if (auto marker = readFile(root / "runtime-ready")) EXPECT_EQ(*marker, "runtime-v1\n");
        if (i >= 1 && fs::exists(root / "downloads/Template-1.0.15.tar.xz")) {
            if (archiveTime == fs::file_time_type{}) archiveTime = fs::last_write_time(root / "downloads/Template-1.0.15.tar.xz");
        }
    }

    auto finished = world.ludowell(args);
    EXPECT_EQ(finished.status, 0) << finished.output;
    EXPECT_EQ(readFile(root / "runtime-ready"), "runtime-v1\n");
    EXPECT_TRUE(fs::exists(Runtime(root).steam()));
    EXPECT_TRUE(stagingFolders(root).empty());
    EXPECT_FALSE(fs::exists(root / "downloads/Template-1.0.15.tar.xz.partial"));
    if (archiveTime != fs::file_time_type{})
        EXPECT_EQ(fs::last_write_time(root / "downloads/Template-1.0.15.tar.xz"), archiveTime)
            << "a verified archive is reused, not fetched again";
    world.ludowell({"--command", "stop", "--data-root", root.string()});
}

}  // namespace
