// The built app's window on a private X screen, drawn by its own renderer
// (not the software one of the ui tests): a game chosen in the sidebar
// shows the card it shows when the app starts with it, with none of the
// picture of the game shown before.
#include <signal.h>

#include <cstdlib>

#include <thread>
#include <utility>

#include <gtest/gtest.h>

#include "e2e/virtual_screen.h"
#include "support/eventually.h"
#include "support/scoped_env.h"
#include "testbed_world.h"

using namespace std::chrono_literals;

TEST(Window, AGameChosenInTheSidebarShowsItsOwnCard) {
    if (std::system("command -v xdotool >/dev/null && command -v Xvfb >/dev/null") != 0)
        GTEST_SKIP() << "needs Xvfb and xdotool";
    testbed::World world;
    world.exportToThisProcess();
    e2e::VirtualScreen screen;
    ScopedEnv display("DISPLAY", screen.name()), platform("QT_QPA_PLATFORM", "xcb"), quick("QT_QUICK_BACKEND", std::nullopt);
    const std::string root = world.dataRoot().string();

    // The card (below the page heading) once it has stopped changing.
    const auto card = [&](const std::vector<std::string>& args, bool chooseLanternKeep) {
        const pid_t app = world.startLudowell(args, world.dir / "app.log");
        unsigned long window = 0;
        EXPECT_TRUE(eventually([&] {
            const auto windows = screen.windowsOf(app);
            window = windows.empty() ? 0 : windows.front();
            return window != 0;
        }, 30s));
        std::vector<unsigned long> shown;
        if (window) {
            std::this_thread::sleep_for(1s);
            if (chooseLanternKeep) screen.click(window, 71, 276);
            eventually([&] {
                std::this_thread::sleep_for(300ms);
                const auto before = std::exchange(shown, screen.grab(window, 214, 167, 893, 370));
                return before == shown;
            }, 15s);
        }
        ::kill(app, SIGTERM);
        return shown;
    };
    const auto chosen = card({"--data-root", root}, true);
    const auto started = card({"--game", "lantern-keep", "--data-root", root}, false);
    ASSERT_FALSE(started.empty());
    ASSERT_EQ(chosen.size(), started.size());
    // The same but for the odd pixel of a gradient's dithering.
    size_t differ = 0;
    for (size_t i = 0; i < started.size(); ++i)
        for (int shift : {0, 8, 16})
            if (std::abs(int((chosen[i] >> shift) & 0xff) - int((started[i] >> shift) & 0xff)) > 24) {
                ++differ;
                break;
            }
    EXPECT_LT(differ, started.size() / 200) << "Lantern Keep, chosen after Age of Empires IV, is not drawn as it is on its own";
}
