// The built app's window on a private X screen, drawn by its own renderer
// (not the software one of the ui tests): Lantern Keep chosen in the
// sidebar after Age of Empires IV looks as it does when the app starts with
// it, with none of the picture of the game before.
#include <signal.h>

#include <cstdlib>
#include <thread>
#include <utility>

#include <gtest/gtest.h>

#include "e2e/virtual_screen.h"
#include "support/eventually.h"
#include "testbed_world.h"

using namespace std::chrono_literals;

TEST(Window, AGameChosenInTheSidebarShowsItsOwnCard) {
    if (!e2e::VirtualScreen::available()) GTEST_SKIP() << "needs Xvfb and xdotool";
    testbed::World world;
    world.exportToThisProcess();
    e2e::VirtualScreen screen(std::nullopt);
    // The card, once drawn the same twice running.
    const auto card = [&](std::vector<std::string> args, bool choose) {
        args.insert(args.end(), {"--data-root", world.dataRoot().string()});
        const pid_t app = world.startLudowell(args, world.dir / "app.log");
        std::vector<unsigned long> shown;
        if (eventually([&] { return !screen.windowsOf(app).empty(); }, 30s)) {
            const unsigned long window = screen.windowsOf(app).front();
            std::this_thread::sleep_for(1s);
            if (choose) screen.click(window, 71, 276);  // "Lantern Keep" in the sidebar
            eventually([&] {
                const auto before = std::exchange(shown, screen.grab(window, 214, 167, 893, 370));
                return before == shown;
            }, 15s, [] { std::this_thread::sleep_for(300ms); });
        }
        ::kill(app, SIGTERM);
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
