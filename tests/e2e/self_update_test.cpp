// The built app in a real window, with an accepted update waiting and a
// game running: no way of leaving the app installs the update under the
// game. Once the game ends, the update installs and relaunches, once.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include <gtest/gtest.h>

#include "e2e/virtual_screen.h"
#include "platform/platform.h"
#include "runtime/runtime.h"
#include "core/files.h"
#include "support/eventually.h"
#include "support/files.h"
#include "support/https_server.h"
#include "support/info_plist.h"
#include "support/temp_dir.h"
#include "support/update_feed.h"
#include "support/waiting_game.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using namespace ludowell;
using namespace std::chrono_literals;

namespace {

std::string read(const fs::path& file) { return readFile(file).value_or(""); }

// An appcast offering `version`: a copy of the world's bundle that says so
// in its update settings, signed with a key the world's bundle trusts.
class PublishedUpdate {
public:
    // Served with the world's certificate, which the app already trusts.
    PublishedUpdate(const testbed::World& world, const std::string& version)
        : server_(www_.path(), world.dir / "certs") {
        const auto copy = source_.path() / "Ludowell.app";
        fs::copy(world.bundle, copy, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        settle(world.bundle, "1.0.0");
        settle(copy, version);
        const auto archive = www_ / ("Ludowell-" + version + ".tar");
        shell("tar -cf '" + archive.string() + "' -C '" + source_.path().string() + "' Ludowell.app");
        const FeedItem item{version, server_.url(archive.filename().string()), key_.sign(archive),
                            (long long)fs::file_size(archive)};
        writeFile(www_ / "appcast.xml", appcastFeed({item}));
    }

private:
    // A bundle's own Info.plist (not the build's, which it links to).
    void settle(const fs::path& bundle, const std::string& version) {
        fs::remove(bundle / "Contents/Info.plist");
        writeFile(bundle / "Contents/Info.plist", infoPlist(server_.url("appcast.xml"), key_.publicKey(), version));
    }

    TempDir www_, source_;
    HttpsServer server_;
    SigningKey key_;
};

std::string installedVersion(const testbed::World& world) {
    const auto text = read(world.bundle / "Contents/Info.plist");
    const std::string key = "<key>CFBundleVersion</key>\n\t<string>";
    const auto at = text.find(key);
    return at == std::string::npos ? "" : text.substr(at + key.size(), text.find('<', at + key.size()) - at - key.size());
}

bool stagedUpdateReady(const testbed::World& world) {
    for (const auto& entry : fs::directory_iterator(world.dir))
        if (entry.path().filename().string().starts_with(".Ludowell.app-update-") &&
            fs::exists(entry.path() / "Ludowell.app/Contents/MacOS/ludowell"))
            return true;
    return false;
}

bool alive(pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) == 0; }

TEST(SelfUpdate, NoWayOutInstallsUnderARunningGameAndTheGamesEndDoesOnce) {
    if (!e2e::VirtualScreen::available()) GTEST_SKIP() << "needs Xvfb and xdotool";
    testbed::World world;
    world.exportToThisProcess();
    PublishedUpdate update(world, "1.0.1");
    e2e::VirtualScreen screen;

    const Runtime game(world.dataRoot());
    placeEngine(game, world);
    const pid_t app = world.startLudowell({"--data-root", game.root().string()}, world.dir / "app.log");
    const auto windows = [&] { return screen.windowsOf(app).size(); };

    // The automatic check offers the update; the game starts before the
    // user accepts it, so it is kept waiting.
    ASSERT_TRUE(eventually([&] { return windows() == 2; }, 60s)) << read(world.dir / "app.log");
    ASSERT_TRUE(startWaiter(game));
    screen.type(screen.windowsOf(app).back(), "Return");
    ASSERT_TRUE(eventually([&] { return stagedUpdateReady(world); }, 60s)) << read(world.dir / "app.log");
    std::this_thread::sleep_for(2s);

    // The title bar's close button and Ctrl+Q: each is refused with an
    // alert, and the app and its bundle stay as they are.
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"close button", [&] { screen.requestClose(screen.windowsOf(app).front()); }},
        {"Ctrl+Q", [&] { screen.type(screen.windowsOf(app).front(), "ctrl+q"); }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        ASSERT_EQ(windows(), 1u);
        leave();
        ASSERT_TRUE(eventually([&] { return windows() == 2; }, 10s)) << "no alert";
        EXPECT_TRUE(alive(app));
        EXPECT_EQ(installedVersion(world), "1.0.0");
        screen.type(screen.windowsOf(app).back(), "Return");
        ASSERT_TRUE(eventually([&] { return windows() == 1; }, 10s));
    }
    EXPECT_TRUE(alive(app));
    EXPECT_EQ(installedVersion(world), "1.0.0");

    // SIGTERM (a logout) has nobody to ask: the app ends at once, and the
    // update still does not install under the game.
    ::kill(app, SIGTERM);
    int status = -1;
    ASSERT_TRUE(eventually([&] { return ::waitpid(app, &status, WNOHANG) == app; }, 10s)) << "an alert waits";
    EXPECT_EQ(installedVersion(world), "1.0.0");

    // The game ends, and a start a day later offers the update again: it
    // installs, and the new version starts once.
    game.stop();
    for (const auto& entry : fs::recursive_directory_iterator(world.home))
        if (entry.path().filename() == "Ludowell.conf") {
            std::string settings = read(entry.path());
            if (const auto at = settings.find("SULastCheckTime"); at != std::string::npos)
                settings.erase(at, settings.find('\n', at) - at);
            writeFile(entry.path(), settings);
        }
    const pid_t again = world.startLudowell({"--data-root", game.root().string()}, world.dir / "again.log");
    ASSERT_TRUE(eventually([&] { return screen.windowsOf(again).size() == 2; }, 60s)) << read(world.dir / "again.log");
    screen.type(screen.windowsOf(again).back(), "Return");
    ASSERT_TRUE(eventually([&] { return ::waitpid(again, &status, WNOHANG) == again; }, 60s));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(installedVersion(world), "1.0.1");
    ASSERT_TRUE(eventually([&] { return e2e::runningFrom(world.executable).size() == 1; }, 10s));
    std::this_thread::sleep_for(1s);
    const auto relaunched = e2e::runningFrom(world.executable);
    ASSERT_EQ(relaunched.size(), 1u) << "relaunched once";
    ASSERT_TRUE(eventually([&] { return screen.windowsOf(relaunched[0]).size() == 1; }, 30s));
    // Nothing runs now: SIGTERM simply quits.
    ::kill(relaunched[0], SIGTERM);
    const bool ended = eventually([&] { return ::kill(relaunched[0], 0) != 0; }, 10s);
    if (!ended) ::kill(relaunched[0], SIGKILL);
    EXPECT_TRUE(ended);
}

// A second window, open while another copy installs an update (the new
// bundle swapped in, the old one deleted): its next step still starts,
// from the bundle's new executable.
TEST(SelfUpdate, ASecondWindowStartsItsStepsFromTheUpdatedBundle) {
    if (!e2e::VirtualScreen::available()) GTEST_SKIP() << "needs Xvfb and xdotool";
    testbed::World world;
    world.exportToThisProcess();
    e2e::VirtualScreen screen;
    const fs::path root = world.dataRoot();
    writeFile(root / "license-accepted", "Accepted locally: now\n");
    const pid_t app = world.startLudowell({"--data-root", root.string()}, world.dir / "app.log");
    ASSERT_TRUE(eventually([&] { return screen.windowsOf(app).size() == 1; }, 60s)) << read(world.dir / "app.log");

    const auto staging = world.dir / ".Ludowell.app-update-other";
    fs::create_directories(staging);
    fs::copy(world.bundle, staging / "Ludowell.app", fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    platform::exchangePaths(staging / "Ludowell.app", world.bundle);
    fs::remove_all(staging);

    // The window's menus, the sidebar's three entries, then the primary
    // button, "Get started", once the page has settled.
    std::this_thread::sleep_for(3s);
    const auto window = screen.windowsOf(app).front();
    for (int i = 0; i < 6; ++i) screen.type(window, "Tab");
    screen.type(window, "space");
    EXPECT_TRUE(eventually([&] { return fs::exists(root / "runtime-ready"); }, 60s)) << read(world.dir / "app.log");
    // Done once Steam opened for sign-in; then SIGTERM simply quits.
    eventually([&] { return fs::exists(root / "steam-session.json"); }, 30s);
    std::this_thread::sleep_for(1s);
    ::kill(app, SIGTERM);
    if (!eventually([&] { return ::waitpid(app, nullptr, WNOHANG) == app; }, 10s)) ::kill(app, SIGKILL);
}

}  // namespace
