// scripts/demo as a tester runs it, on a built tree and a private screen:
// the window comes up at once, the build it ran left the bundle alone, the
// update it offers installs and relaunches with the download server still
// there and the new version on show, the server ends with the last window,
// and the tester's home is left as it was.
#include <signal.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>
#include <utility>

#include "e2e/virtual_screen.h"
#include "platform/subprocess.h"
#include "support/eventually.h"
#include "support/files.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "support/update_feed.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

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
        auto demo = ludowell::platform::Subprocess::start({.executable = kSource / "scripts/demo"});
        const pid_t app = shownApp(screen);
        ASSERT_NE(app, 0);
        const auto took = std::chrono::steady_clock::now() - start;
        if (run == 1) EXPECT_LT(took, 2500ms) << "to the window";
        EXPECT_EQ(listing(kSource / "build/Ludowell.app"), bundle) << "a build with nothing to do changed the bundle";

        // The automatic check offers 1.0.1; installing it relaunches the app.
        ASSERT_TRUE(eventually([&] { return screen.windowsOf(app).size() == 2; }, 60s));
        // The sidebar's last line, "VERSION …", as drawn.
        const auto versionLine = [&](pid_t pid) { return screen.grab(screen.windowsOf(pid).front(), 16, 806, 120, 20); };
        const auto oldVersion = versionLine(app);
        screen.type(screen.windowsOf(app).back(), "Return");
        const pid_t relaunched = shownApp(screen, app);
        ASSERT_NE(relaunched, 0);
        EXPECT_TRUE(serverAnswers()) << "the relaunched app lost its server";
        std::vector<unsigned long> newVersion;
        eventually([&] {  // drawn, and drawn the same twice running
            const auto before = std::exchange(newVersion, versionLine(relaunched));
            return before == newVersion && std::count(newVersion.begin(), newVersion.end(), newVersion[0]) < 2400;
        }, 10s, [] { std::this_thread::sleep_for(300ms); });
        EXPECT_TRUE(newVersion != oldVersion) << "the relaunched window still shows the old version";

        ::kill(relaunched, SIGTERM);
        ASSERT_TRUE(demo.waitUntil(std::chrono::steady_clock::now() + 20s));
        EXPECT_FALSE(serverAnswers()) << "the server outlived the demo";
    }
    EXPECT_EQ(listing(home.path()), before);
}

}  // namespace
