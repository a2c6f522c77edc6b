// Preparing the environment and opening Steam, beyond the happy journey:
// package layout, user folders, the registry wait, and launches that must
// start nothing, and what a killed run leaves behind.
#include <algorithm>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "runtime/digest.h"
#include "core/files.h"
#include "runtime/runtime.h"
#include "testbed_world.h"
#include "support/failure_text.h"
#include "support/eventually.h"
#include "support/files.h"
#include "support/wine_calls.h"
#include "engine/engine_install.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

std::vector<nlohmann::json> wineArgs(const fs::path& root) {
    std::vector<nlohmann::json> argvs;
    for (auto& call : wineCalls(root)) argvs.push_back(call["argv"]);
    return argvs;
}

class Preparation : public ::testing::Test {
protected:
    void SetUp() override { world.exportToThisProcess(); }

    testbed::World world;
    fs::path root = world.dataRoot();
    // The testbed's own catalog entry: its pin is the testbed game's.
    Runtime runtime{root, world.bundle / "Contents/Resources",
                    GameProfile::load(world.bundle / "Contents/Resources").front()};
};

TEST_F(Preparation, APackageWithoutTheRendererIsRefused) {
    // A pin naming an archive of the wrong shape, already downloaded.
    const fs::path source = world.dir / "odd/Template-1.0.15.app/Contents/Frameworks/other";
    writeFile(source / "file.txt", "not a renderer");
    const fs::path archive = root / "downloads/Template-1.0.15.tar.xz";
    fs::create_directories(archive.parent_path());
    runtime.run("/usr/bin/tar", {"-cJf", archive.string(), "-C", (world.dir / "odd").string(), "Template-1.0.15.app"});
    const std::string sha = digest(archive);
    writeFile(runtime.resources() / "testbed.json",
              nlohmann::json{{"packageURL", "https://localhost:1/none"}, {"packageSHA", sha},
                             {"steamURL", "https://localhost:1/none"}, {"steamSHA", sha}}.dump());
    EXPECT_EQ(failureText([&] { runtime.prepare(ensureCurrentEngine); }), "Unexpected graphics package layout.");
    EXPECT_FALSE(fs::exists(runtime.frameworks()));
    EXPECT_FALSE(stagingLeft(root));
    EXPECT_TRUE(fs::exists(archive)) << "a verified archive is kept";
}

// A prepared prefix: the user's folders stay inside it, the package's
// files come in only from inside the package, and what a killed run may
// leave is swept by the next run holding the lock, but nothing of the
// user's that merely looks alike.
TEST_F(Preparation, APreparedPrefixTakesNothingFromOutsideAndLosesNothingOfTheUsers) {
    runtime.prepare(ensureCurrentEngine);
    // Wine links the user's folders to the host; they become plain folders,
    // and a real folder with the user's files is left as it is.
    bool sawUser = false;
    for (auto& user : fs::directory_iterator(runtime.prefix() / "drive_c/users")) {
        for (auto& child : fs::directory_iterator(user.path()))
            EXPECT_FALSE(fs::is_symlink(child.symlink_status())) << child.path();
        if (!fs::exists(user.path() / "Documents")) continue;
        sawUser = true;
        writeFile(user.path() / "Documents/save.txt", "keep me");
        fs::remove(user.path() / "Desktop");
        fs::create_directory_symlink(world.dir, user.path() / "Desktop");
    }
    ASSERT_TRUE(sawUser);

    const fs::path dll = runtime.renderer() / "wine/x86_64-windows/dxgi.dll";
    const fs::path system32 = runtime.prefix() / "drive_c/windows/system32";
    const auto before = readFile(system32 / "dxgi.dll");
    writeFile(world.dir / "private.txt", "not for the prefix");
    fs::remove(dll);
    fs::create_symlink(world.dir / "private.txt", dll);
    EXPECT_EQ(failureText([&] { runtime.prepare(ensureCurrentEngine); }), "Unexpected graphics package layout.");
    EXPECT_EQ(readFile(system32 / "dxgi.dll"), before);
    // A link that stays inside the package is followed.
    fs::remove(dll);
    fs::create_symlink("d3d11.dll", dll);
    runtime.prepare(ensureCurrentEngine);
    EXPECT_EQ(readFile(system32 / "dxgi.dll"), readFile(runtime.renderer() / "wine/x86_64-windows/d3d11.dll"));
    for (auto& user : fs::directory_iterator(runtime.prefix() / "drive_c/users")) {
        if (!fs::exists(user.path() / "Documents")) continue;
        EXPECT_EQ(readFile(user.path() / "Documents/save.txt"), "keep me");
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(user.path() / "Desktop")));
        EXPECT_TRUE(fs::is_empty(user.path() / "Desktop"));
    }
    EXPECT_FALSE(stagingLeft(root));

    const std::string uuid = "0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9";
    const std::vector<fs::path> leftovers = {
        root / ("runtime-ready.tmp-" + uuid), root / ("engine-selection.json.tmp-" + uuid),
        root / ("steam-session.json.tmp-" + uuid), root / ("hash-staging-" + uuid) / "payload",
        root / ("engine-staging-" + uuid) / "bin/wine", root / "deps-staging-0A1B/payload",
        root / "downloads/SteamSetup.exe.partial",
        system32 / ("dxgi.dll.tmp-" + uuid)};
    const std::vector<fs::path> kept = {
        root / ("license-accepted.tmp-" + uuid), root / "runtime-ready.tmp-mine",
        system32 / ("kernel32.dll.tmp-" + uuid), root / "prefix/drive_c/users/save.tmp-x",
        root / "deps-staging/mine", root / "xengine-staging-1/mine", root / "engine-staging-file",
        world.dir / "outside/mine"};
    for (const auto& file : leftovers) writeFile(file, "partial");
    for (const auto& file : kept) writeFile(file, "mine");
    // A link under a leftover's name stays, and so does what it points to.
    fs::create_directory_symlink(world.dir / "outside", root / ("deps-staging-" + uuid));
    auto result = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(result.status, 0) << result.output;
    for (const auto& file : leftovers) EXPECT_FALSE(fs::exists(file)) << file;
    EXPECT_FALSE(fs::exists(root / ("hash-staging-" + uuid)));
    EXPECT_TRUE(fs::is_symlink(root / ("deps-staging-" + uuid)));
    for (const auto& file : kept) EXPECT_EQ(readFile(file), "mine") << file;
}

TEST_F(Preparation, UnfinishedStepsStartNothing) {
    EXPECT_EQ(failureText([&] { runtime.installSteam(ensureCurrentEngine); }), "Run Set up Steam first.");
    // The testbed writes the registry a second after wineboot returns.
    runtime.setTiming({.registryWait = 0.3});
    EXPECT_EQ(failureText([&] { runtime.prepare(ensureCurrentEngine); }),
              "Wine did not finish creating the Windows environment. Check the setup logs and retry.");
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));
    runtime.setTiming({});
    runtime.prepare(ensureCurrentEngine);
    EXPECT_EQ(failureText([&] { runtime.openSteam(ensureCurrentEngine, false, false); }),
              "Click Set up Steam before opening the library.");
    runtime.installSteam(ensureCurrentEngine);

    // Steam present: nothing is downloaded or installed again.
    fs::remove(root / "downloads/SteamSetup.exe");
    const size_t before = wineArgs(root).size();
    runtime.installSteam(ensureCurrentEngine);
    EXPECT_FALSE(fs::exists(root / "downloads/SteamSetup.exe"));
    const auto after = wineArgs(root);
    for (size_t i = before; i < after.size(); ++i) EXPECT_NE(after[i].back(), "/S") << after[i];

    EXPECT_EQ(failureText([&] { runtime.openSteam(ensureCurrentEngine, true, false); }),
              "Install Age of Empires IV in this Steam client's default library, then choose Play now.");
    writeFile(runtime.game(), "TESTBED-PE game 1466860\npatched\n");
    const size_t calls = wineArgs(root).size();
    EXPECT_EQ(failureText([&] { runtime.openSteam(ensureCurrentEngine, true, false); }),
              "This game build has not been validated for the optimizations. Please update Ludowell.");
    EXPECT_EQ(wineArgs(root).size(), calls) << "an unvalidated build must not be started";

    // Asked to install and play at once, it plays.
    writeFile(runtime.game(), "TESTBED-PE game 1466860\n");
    runtime.openSteam(ensureCurrentEngine, true, false, true);
    const nlohmann::json play = {runtime.steam().string(), "-cef-disable-gpu", "-applaunch", "1466860"};
    // The client starts detached; give it a moment to be journaled.
    EXPECT_TRUE(eventually([&] { return std::ranges::count(wineArgs(root), play) == 1; }))
        << nlohmann::json(wineArgs(root));
    runtime.stop();
}

}  // namespace
