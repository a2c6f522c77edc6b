// The library page in every stage of the design preview, one screenshot each.
#include <gtest/gtest.h>

#include "ui_harness.h"

namespace {

using uitest::Window;

Window::Setup preview(const std::string& stage) {
    Window::Setup setup;
    setup.preview = stage;
    return setup;
}

double heroHeight(Window& w) { return w.item("hero")->height(); }
QString textOf(Window& w, const char* name) { return w.item(name)->property("text").toString(); }
bool enabled(Window& w, const char* name) { return w.item(name)->isEnabled(); }

TEST(LibraryPage, SetupStageGuidesThroughTheFirstStep) {
    Window w(preview("setup"));
    w.screenshot("library-setup");

    EXPECT_EQ(heroHeight(w), 372);
    EXPECT_EQ(textOf(w, "step-label"), "STEP 1 OF 3");
    EXPECT_EQ(textOf(w, "setup-title"), "A few steps, then you're in.");
    EXPECT_EQ(textOf(w, "status-text"), "Setup needed");
    QQuickItem* primary = w.item("primary-action");
    EXPECT_EQ(primary->property("text").toString(), "Get started");
    EXPECT_EQ(primary->property("symbol").toString(), "arrow.right");
    EXPECT_TRUE(primary->isEnabled());
    EXPECT_TRUE(w.shows("One-time setup\nYour own Steam account"));
    EXPECT_FALSE(w.shows("STRATEGY   ·   MULTIPLAYER"));
    for (const char* text : {"Your next adventure.", "A home for your games on Mac.", "1 GAME", "IN YOUR LIBRARY",
                             "ANNIVERSARY EDITION", "Age of Empires IV", "Build your empire. Make history.",
                             "Prepare your Mac", "Sign in to Steam", "Install & play",
                             "More supported games will arrive in future updates.", "Need a hand?", "DESIGN PREVIEW"}) {
        EXPECT_TRUE(w.shows(text)) << text;
    }
    EXPECT_FALSE(w.shows("I'm signed in"));
    EXPECT_FALSE(w.shows("Already playing with Ambrovel?"));
    EXPECT_TRUE(w.item("setup-card")->isVisible());
    EXPECT_FALSE(w.item("ready-card")->isVisible());
}

TEST(LibraryPage, SignInStageOffersTheSignInBlock) {
    Window w(preview("signIn"));
    w.screenshot("library-signIn");

    EXPECT_EQ(heroHeight(w), 285);
    EXPECT_EQ(textOf(w, "step-label"), "STEP 2 OF 3");
    EXPECT_EQ(textOf(w, "setup-title"), "Let's get you playing.");
    EXPECT_EQ(textOf(w, "primary-action"), "Open Steam to sign in");
    EXPECT_TRUE(w.shows("Sign in in the Steam window"));
    EXPECT_TRUE(w.shows("I'm signed in"));
    EXPECT_TRUE(w.shows("I can't see the Steam window"));
    EXPECT_FALSE(w.shows("Install your own copy through Steam"));
    EXPECT_FALSE(w.shows("One-time setup\nYour own Steam account"));

    // Signing in moves the preview on to installing.
    w.click(w.item("signed-in"));
    EXPECT_EQ(textOf(w, "step-label"), "STEP 3 OF 3");
    EXPECT_EQ(textOf(w, "primary-action"), "Install with Steam");

    w.click(w.item("cant-see-steam"));
}

TEST(LibraryPage, InstallStageLinksBackToSteam) {
    Window w(preview("install"));
    w.screenshot("library-install");

    EXPECT_EQ(heroHeight(w), 285);
    EXPECT_EQ(textOf(w, "step-label"), "STEP 3 OF 3");
    EXPECT_EQ(textOf(w, "download-title"), "Install your own copy through Steam");
    EXPECT_EQ(textOf(w, "primary-action"), "Install with Steam");
    EXPECT_FALSE(Window::shown(w.item("download-progress")));
    EXPECT_TRUE(w.shows("Not signed in yet? Open Steam"));
    EXPECT_TRUE(enabled(w, "not-signed-in"));
}

TEST(LibraryPage, DownloadingStageShowsTheProgress) {
    Window w(preview("downloading"));
    w.screenshot("library-downloading");

    EXPECT_EQ(heroHeight(w), 285);
    EXPECT_EQ(textOf(w, "status-text"), "Installing");
    EXPECT_EQ(textOf(w, "primary-action"), "Open Steam");
    EXPECT_EQ(textOf(w, "download-title"), "Steam is downloading your game");
    QQuickItem* bar = w.item("download-progress");
    ASSERT_TRUE(Window::shown(bar));
    EXPECT_DOUBLE_EQ(bar->property("value").toDouble(), 0.43);
    EXPECT_EQ(textOf(w, "download-percent"), "43% downloaded · Steam may still need to unpack or verify files");
    EXPECT_FALSE(w.shows("Not signed in yet? Open Steam"));
}

TEST(LibraryPage, PlayableStagesShowTheReadyCard) {
    for (const char* stage : {"ready", "running"}) {
        Window w(preview(stage));
        w.screenshot(QStringLiteral("library-") + stage);

        EXPECT_EQ(heroHeight(w), 372) << stage;
        EXPECT_TRUE(w.item("ready-card")->isVisible()) << stage;
        EXPECT_FALSE(w.item("setup-card")->isVisible()) << stage;
        EXPECT_TRUE(w.shows("You're all set.")) << stage;
        EXPECT_TRUE(w.shows("STRATEGY   ·   MULTIPLAYER")) << stage;
        EXPECT_EQ(w.item("status-dot")->property("color").value<QColor>(), QColor::fromRgbF(0.188f, 0.820f, 0.345f))
            << stage;
    }
    Window ready(preview("ready"));
    EXPECT_EQ(textOf(ready, "primary-action"), "Play now");
    EXPECT_EQ(ready.item("primary-action")->property("symbol").toString(), "play.fill");
    Window running(preview("running"));
    EXPECT_EQ(textOf(running, "status-text"), "Running");
    EXPECT_EQ(textOf(running, "primary-action"), "Open Steam");
}

TEST(LibraryPage, ErrorAndNoticeShowTogetherErrorFirst) {
    Window w(preview("error"));
    EXPECT_EQ(textOf(w, "step-label"), "STEP 1 OF 3");
    // In the preview the primary button answers with a notice.
    w.click(w.item("primary-action"));
    w.screenshot("library-error");

    QQuickItem* error = w.item("error-card");
    QQuickItem* notice = w.item("notice-card");
    ASSERT_TRUE(Window::shown(error));
    ASSERT_TRUE(Window::shown(notice));
    EXPECT_LT(error->y(), notice->y());
    EXPECT_EQ(error->property("text").toString(),
              "Steam couldn't connect. Check your internet connection, then try again.");
    EXPECT_EQ(notice->property("text").toString(), "This is a design preview. No game or Steam process was started.");
    EXPECT_TRUE(w.shows("Show details"));
    EXPECT_TRUE(w.shows("Get help"));
    EXPECT_EQ(w.visibleTexts().count("Show details"), 1);  // only the error card has them

    // The error's buttons: details open the diagnostics sheet, help the Help page.
    w.click(error->findChild<QQuickItem*>("show-details"));
    EXPECT_TRUE(w.model().showDiagnostics());
    w.model().setShowDiagnostics(false);
    w.settle(200);
    // Dismissing one card leaves the other.
    w.click(notice->findChild<QQuickItem*>("dismiss-message"));
    EXPECT_TRUE(w.model().notice().isEmpty());
    EXPECT_FALSE(w.model().error().isEmpty());
    w.click(error->findChild<QQuickItem*>("get-help"));
    EXPECT_EQ(w.model().page(), "Help");
}

TEST(LibraryPage, CountLabelFollowsTheCatalog) {
    Window one(preview("setup"));
    EXPECT_EQ(textOf(one, "game-count"), "1 GAME");
    EXPECT_EQ(one.item("game-keep"), nullptr);

    Window::Setup setup = preview("setup");
    setup.profiles = uitest::twoGames();
    Window two(setup);
    two.screenshot("library-two-games");
    EXPECT_EQ(textOf(two, "game-count"), "2 GAMES");
    // The sidebar lists every game under Library.
    ASSERT_NE(two.item("game-keep"), nullptr);
    EXPECT_TRUE(Window::shown(two.item("game-aoe4")));
    EXPECT_TRUE(two.shows("Keep of the North"));

    // Choosing a game shows it on the Library page.
    two.model().setPage("Help");
    two.click(two.item("game-keep"));
    EXPECT_EQ(two.model().page(), "Library");
    EXPECT_EQ(textOf(two, "game-title"), "Keep of the North");
}

TEST(LibraryPage, MissingArtworkLeavesGradientsAndText) {
    TempDir empty;
    std::filesystem::create_directories(empty / "Contents/Resources");
    Window::Setup setup = preview("setup");
    setup.bundle = empty.path();
    Window w(setup);
    w.screenshot("library-no-artwork");
    EXPECT_FALSE(w.item("artwork")->property("loaded").toBool());
    EXPECT_TRUE(w.shows("Age of Empires IV"));
    EXPECT_EQ(heroHeight(w), 372);

    Window with(preview("setup"));
    EXPECT_TRUE(with.item("artwork")->property("loaded").toBool());
}

}  // namespace
