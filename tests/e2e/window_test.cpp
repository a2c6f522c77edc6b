// The built app's real window on a private X screen: the card of a game
// chosen in the sidebar, an accepted update that waits for a running game,
// a window whose bundle is replaced under it, and scripts/demo as a tester
// runs it.
#include <signal.h>
#include <sys/wait.h>

#include <cstdlib>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "core/files.h"
#include "e2e/virtual_screen.h"
#include "platform/platform.h"
#include "platform/subprocess.h"
#include "runtime/runtime.h"
#include "support/eventually.h"
#include "support/files.h"
#include "support/https_server.h"
#include "support/info_plist.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "support/update_feed.h"
#include "support/waiting_game.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using namespace ludowell;
using namespace std::chrono_literals;
using e2e::quits;

namespace {

std::string read(const fs::path& file) { return readFile(file).value_or(""); }

// Drawn by the app's own renderer (not the software one of the ui tests):
// Lantern Keep chosen in the sidebar after Age of Empires IV looks as it
// does when the app starts with it, with none of the picture of the game before.
TEST(Window, AGameChosenInTheSidebarShowsItsOwnCard) {
    if (!e2e::VirtualScreen::available()) GTEST_SKIP() << "needs Xvfb and xdotool";
    testbed::World world;
    world.exportToThisProcess();
    e2e::VirtualScreen screen(std::nullopt);
    const auto card = [&](std::vector<std::string> args, bool choose) {
        args.insert(args.end(), {"--data-root", world.dataRoot().string()});
        const pid_t app = world.startLudowell(args, world.dir / "app.log");
        std::vector<unsigned long> shown;
        if (eventually([&] { return !screen.windowsOf(app).empty(); }, 30s)) {
            const unsigned long window = screen.windowsOf(app).front();
            std::this_thread::sleep_for(1s);
            if (choose) screen.click(window, 71, 276);  // "Lantern Keep" in the sidebar
            shown = screen.settled(window, 214, 167, 893, 370);
        }
        quits(app);
        return shown;
    };
    const auto chosen = card({}, true), started = card({"--game", "lantern-keep"}, false);
    ASSERT_TRUE(!started.empty() && chosen.size() == started.size());
    // The same but for the odd pixel of a gradient's dithering.
    size_t differ = 0;
    for (size_t i = 0; i < started.size(); ++i)
        for (int shift : {0, 8, 16})
            if (std::abs(int((chosen[i] >> shift) & 0xff) - int((started[i] >> shift) & 0xff)) > 24) {
                ++differ;
                break;
            }
    EXPECT_LT(differ, started.size() / 200) << "Lantern Keep is not drawn as it is on its own";
}

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

// With an accepted update waiting and a game running, no way of leaving the
// app installs the update under the game. Once the game ends, the update
// installs and relaunches, once.
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
    const auto alive = [&] { return ::waitpid(app, nullptr, WNOHANG) == 0; };

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
        EXPECT_TRUE(alive());
        EXPECT_EQ(installedVersion(world), "1.0.0");
        screen.type(screen.windowsOf(app).back(), "Return");
        ASSERT_TRUE(eventually([&] { return windows() == 1; }, 10s));
    }
    EXPECT_TRUE(alive());

    // SIGTERM (a logout) has nobody to ask: the app ends at once, and the
    // update still does not install under the game.
    ASSERT_TRUE(quits(app)) << "an alert waits";
    EXPECT_EQ(installedVersion(world), "1.0.0");

    // The game ends, and a start a day later offers the update again: it
    // installs, and the new version starts once.
    game.stop();
    shell("find '" + world.home.string() + "' -name Ludowell.conf -exec sed -i /SULastCheckTime/d {} +");
    const pid_t again = world.startLudowell({"--data-root", game.root().string()}, world.dir / "again.log");
    ASSERT_TRUE(eventually([&] { return screen.windowsOf(again).size() == 2; }, 60s)) << read(world.dir / "again.log");
    screen.type(screen.windowsOf(again).back(), "Return");
    int status = -1;
    ASSERT_TRUE(eventually([&] { return ::waitpid(again, &status, WNOHANG) == again; }, 60s));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(installedVersion(world), "1.0.1");
    ASSERT_TRUE(eventually([&] { return e2e::runningFrom(world.executable).size() == 1; }, 10s));
    std::this_thread::sleep_for(1s);
    const auto relaunched = e2e::runningFrom(world.executable);
    ASSERT_EQ(relaunched.size(), 1u) << "relaunched once";
    ASSERT_TRUE(eventually([&] { return screen.windowsOf(relaunched[0]).size() == 1; }, 30s));
    EXPECT_TRUE(quits(relaunched[0])) << "nothing runs now: SIGTERM simply quits";
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
    // Done once Steam opened for sign-in.
    eventually([&] { return fs::exists(root / "steam-session.json"); }, 30s);
    std::this_thread::sleep_for(1s);
    quits(app);
}

const fs::path kSource = LUDOWELL_SOURCE_DIR;
const fs::path kDemo = kSource / "build/demo";

std::vector<pid_t> demoApps() {
    return e2e::runningFrom(fs::weakly_canonical(kDemo / "app/Ludowell.app/Contents/MacOS/ludowell"));
}

bool serverAnswers() {
    return shell("curl -sf -o /dev/null --cacert '" + (kDemo / "certs/ca.pem").string() +
                 "' https://localhost:47443/appcast.xml && echo up") == "up";
}

// The demo's one app, other than `other`, once it shows its window.
pid_t shownApp(e2e::VirtualScreen& screen, pid_t other = 0) {
    pid_t app = 0;
    eventually([&] {
        const auto apps = demoApps();
        app = apps.size() == 1 && apps[0] != other && !screen.windowsOf(apps[0]).empty() ? apps[0] : 0;
        return app != 0;
    }, 60s);
    return app;
}

// Every file under `folder`, with its modification time.
std::string listing(const fs::path& folder) {
    return shell("cd '" + folder.string() + "' && find . -printf '%p %T@\\n' | sort");
}

// The window comes up at once, the build the demo ran left the bundle
// alone, the update it offers installs and relaunches with the download
// server still there and the new version on show, the server ends with the
// last window, and the tester's home is left as it was.
TEST(Demo, OpensAtOnceSurvivesItsOwnUpdateAndLeavesTheTestersFilesAlone) {
    if (fs::canonical(LUDOWELL_BINARY_DIR) != fs::weakly_canonical(kSource / "build"))
        GTEST_SKIP() << "the demo runs the tree's own build folder";
    if (!e2e::VirtualScreen::available()) GTEST_SKIP() << "needs Xvfb and xdotool";
    if (serverAnswers() || !demoApps().empty()) GTEST_SKIP() << "a demo is running";
    e2e::VirtualScreen screen;
    // Whatever happens, no window of the demo's stays behind.
    const std::shared_ptr<void> ending(nullptr, [](void*) {
        for (pid_t pid : demoApps()) ::kill(pid, SIGKILL);
    });
    TempDir home;
    writeFile(home / ".config/kept.conf", "the tester's\n");
    const std::string before = listing(home.path()), bundle = listing(kSource / "build/Ludowell.app");
    ScopedEnv homeDir("HOME", home.path().string()), data("XDG_DATA_HOME", std::nullopt),
        config("XDG_CONFIG_HOME", std::nullopt), cache("XDG_CACHE_HOME", std::nullopt);

    // Twice: the first run may still have to pack this build's update.
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        const auto start = std::chrono::steady_clock::now();
        auto demo = platform::Subprocess::start({.executable = kSource / "scripts/demo"});
        const pid_t app = shownApp(screen);
        ASSERT_NE(app, 0);
        const auto took = std::chrono::steady_clock::now() - start;
        if (run == 1) EXPECT_LT(took, 2500ms) << "to the window";
        EXPECT_EQ(listing(kSource / "build/Ludowell.app"), bundle) << "a build with nothing to do changed the bundle";

        // The automatic check offers 1.0.1; installing it relaunches the app.
        ASSERT_TRUE(eventually([&] { return screen.windowsOf(app).size() == 2; }, 60s));
        // The sidebar's last line, "VERSION …", as drawn.
        const auto versionLine = [&](pid_t pid) {
            return screen.settled(screen.windowsOf(pid).front(), 16, 806, 120, 20);
        };
        const auto oldVersion = versionLine(app);
        screen.type(screen.windowsOf(app).back(), "Return");
        const pid_t relaunched = shownApp(screen, app);
        ASSERT_NE(relaunched, 0);
        EXPECT_TRUE(serverAnswers()) << "the relaunched app lost its server";
        EXPECT_TRUE(versionLine(relaunched) != oldVersion) << "the relaunched window still shows the old version";

        ::kill(relaunched, SIGTERM);
        ASSERT_TRUE(demo.waitUntil(std::chrono::steady_clock::now() + 20s));
        EXPECT_FALSE(serverAnswers()) << "the server outlived the demo";
    }
    EXPECT_EQ(listing(home.path()), before);
}

}  // namespace
