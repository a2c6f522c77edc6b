// The application shell: the window, the menus, navigation, and the refusals
// to quit or close while a step or an update holds the application.
#include <QProcess>

#include <fstream>

#include <gtest/gtest.h>

#include "ui/dialogs.h"
#include "ui_harness.h"

namespace {

namespace fs = std::filesystem;
using uitest::Session;
using uitest::Window;

// Two catalog entries for the paths that only show with more than one game.
std::vector<ludowell::GameProfile> twoGames() {
    ludowell::GameProfile second = ludowell::GameProfile::aoeIV();
    second.id = "keep";
    second.title = "Keep of the North";
    return {ludowell::GameProfile::aoeIV(), second};
}

// Clicks the primary button and waits until its step runs.
void startStep(Window& w) {
    w.click(w.item("primary-action"));
    if (!w.waitFor([&] { return w.model().busy(); }, 5000)) throw std::runtime_error("no step started");
}

QObject* menuAction(Window& w, const char* name) {
    if (QObject* action = w.object(name)) return action;
    throw std::runtime_error(std::string("no menu item ") + name);
}

void trigger(QObject* action) { QMetaObject::invokeMethod(action, "trigger", Q_ARG(QObject*, nullptr)); }

// A step run while signing in, with two games: the step buttons, the game
// list, quitting and closing wait for it, navigation does not; then an
// update waiting for the game.
TEST(Shell, AStepHoldsItsButtonsQuitAndCloseButNotNavigation) {
    Session s({.stage = "signIn", .profiles = twoGames()});
    Window& w = *s.w;
    EXPECT_TRUE(w.shows("VERSION 1.0.0"));  // outside the preview
    QObject* check = menuAction(w, "menu-check-updates");
    EXPECT_FALSE(check->property("enabled").toBool());  // no gate yet
    int terminating = 0;
    QObject::connect(&w.shell(), &ludowell::ui::AppDelegate::terminating, [&] { ++terminating; });
    startStep(w);

    // The child's first line names what it does.
    ASSERT_TRUE(w.waitFor([&] { return w.model().activity() == "Installing Steam…"; }, 5000));
    w.screenshot("library-signIn-busy");
    QQuickItem* primary = w.item("primary-action");
    EXPECT_FALSE(primary->isEnabled());
    EXPECT_TRUE(primary->property("spinning").toBool());
    EXPECT_EQ(primary->property("text").toString(), "Installing Steam…");
    EXPECT_EQ(w.text("status-text"), "Working on it");
    for (const char* held : {"signed-in", "game-keep", "game-aoe4"}) EXPECT_FALSE(w.enabled(held)) << held;
    for (const char* usable : {"cant-see-steam", "nav-Help", "nav-Settings"}) EXPECT_TRUE(w.enabled(usable)) << usable;

    // Quitting and closing each explain themselves and change nothing.
    trigger(menuAction(w, "menu-quit"));
    w.window()->close();
    w.settle();
    EXPECT_TRUE(w.window()->isVisible());
    EXPECT_EQ(w.alerts.asked, (std::vector<QStringList>{{"Setup is still working", "Keep working"},
                                                         {"Setup is still working", "OK"}}));
    EXPECT_EQ(terminating, 0);

    // Once the step is over, closing the window quits.
    s.release();
    ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 10000));
    EXPECT_TRUE(w.shell().closeRequested());
    EXPECT_EQ(terminating, 1);
    EXPECT_EQ(w.alerts.seen.size(), 2u);

    // An update waiting for the game speaks before a running step does.
    fs::remove(s.bin / "go");
    startStep(w);
    const auto checks = uitest::giveUpdates(w, /*session=*/true);
    EXPECT_TRUE(check->property("enabled").toBool());
    trigger(check);
    EXPECT_EQ(*checks, 1);
    trigger(menuAction(w, "menu-quit"));
    ASSERT_EQ(w.alerts.seen.size(), 3u);
    EXPECT_EQ(w.alerts.asked[2], (QStringList{"Finish playing before updating", "OK"}));
}

TEST(Shell, TheOtherStagesStepButtonsWaitAndAPlayedGameWhileItOpens) {
    {
        Session s({.stage = "install"});
        startStep(*s.w);
        EXPECT_FALSE(s.w->enabled("not-signed-in"));
    }
    // A played game keeps the button waiting while it opens.
    Session s({.stage = "ready"});
    Window& w = *s.w;
    startStep(w);
    EXPECT_FALSE(w.enabled("ready-open-steam"));
    s.release();
    ASSERT_TRUE(w.waitFor([&] { return w.model().launching(); }, 10000));
    w.settle();
    EXPECT_EQ(w.text("primary-action"), "Opening your game…");
    EXPECT_FALSE(w.enabled("primary-action"));
}

TEST(Shell, MenusAndASidebarThatNavigates) {
    Window w({.preview = "setup", .profiles = twoGames()});
    w.screenshot("library-two-games");
    EXPECT_TRUE(w.shows("DESIGN PREVIEW"));
    EXPECT_EQ(w.text("game-count"), "2 GAMES");
    EXPECT_EQ(menuAction(w, "menu-quit")->property("shortcut").toInt(), int(QKeySequence::Quit));

    trigger(menuAction(w, "menu-about"));
    ASSERT_EQ(w.alerts.seen.size(), 1u);
    EXPECT_EQ(w.alerts.seen[0].message, "Ludowell");
    EXPECT_TRUE(w.alerts.seen[0].informative.startsWith("Version 1."));
    // Nothing runs: quitting and closing need no answer.
    EXPECT_TRUE(w.shell().applicationShouldTerminate());
    EXPECT_TRUE(w.shell().windowShouldClose());
    EXPECT_EQ(w.alerts.seen.size(), 1u);

    QQuickItem* page = w.item("page");
    auto showing = [&](const char* file) { return page->property("source").toString().endsWith(file); };
    EXPECT_TRUE(showing("LibraryPage.qml"));
    EXPECT_TRUE(w.item("nav-Library")->property("selected").toBool());
    w.open("Help");
    EXPECT_EQ(w.model().page(), "Help");
    EXPECT_TRUE(showing("HelpPage.qml"));
    EXPECT_TRUE(w.item("nav-Help")->property("selected").toBool());
    EXPECT_FALSE(w.item("nav-Library")->property("selected").toBool());
    w.open("Settings");
    EXPECT_TRUE(showing("SettingsPage.qml"));
    // The preview opens no folder and makes none.
    w.click(w.item("disclosure-header"));
    w.click(w.item("show-data-folder"));
    w.click(w.item("show-logs"));
    EXPECT_TRUE(w.browser.opened.empty());
    EXPECT_FALSE(fs::exists(w.model().dataRoot().toStdString()));

    // Every game is listed under Library; choosing one shows it there.
    EXPECT_TRUE(Window::shown(w.item("game-aoe4")));
    EXPECT_TRUE(w.shows("Keep of the North"));
    w.click(w.item("game-keep"));
    EXPECT_TRUE(showing("LibraryPage.qml"));
    EXPECT_EQ(w.text("game-title"), "Keep of the North");
}

// The built program with a catalog that cannot be read tells so on standard
// error without a display, and in an alert with one.
TEST(Shell, CatalogFailureIsToldWithOrWithoutADisplay) {
    TempDir copy;
    const fs::path bundle = copy / "Ludowell.app";
    fs::create_directories(bundle / "Contents/MacOS");
    fs::copy(uitest::builtBundle() / "Contents/Resources", bundle / "Contents/Resources", fs::copy_options::recursive);
    fs::copy_file(uitest::builtBundle() / "Contents/MacOS/ludowell", bundle / "Contents/MacOS/ludowell");
    std::ofstream(bundle / "Contents/Resources/games.json") << "[ not a catalog";

    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(variable);
    app.setProcessEnvironment(env);
    app.start(QString::fromStdString((bundle / "Contents/MacOS/ludowell").string()), {});
    ASSERT_TRUE(app.waitForFinished(20000));
    EXPECT_EQ(app.exitCode(), 1);
    EXPECT_TRUE(app.readAllStandardError().contains("Ludowell couldn't open"));

    uitest::RecordingAlerts alerts;
    ludowell::ui::showCatalogFailure(alerts, "The game library is missing. Please reinstall this app.");
    ASSERT_EQ(alerts.seen.size(), 1u);
    EXPECT_EQ(alerts.seen[0].message, "Ludowell couldn't open");
    EXPECT_EQ(alerts.seen[0].informative, "The game library is missing. Please reinstall this app.");
}

}  // namespace
