// The library page in every stage of the design preview, one screenshot each.
#include <QAccessible>

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ui_harness.h"

namespace {

using uitest::Window;

TEST(LibraryPage, EachStageShowsItsStepStatusAndPrimaryAction) {
    struct Stage {
        std::string name;
        double hero;
        const char* step;  // empty: playable, so the ready card replaces the guide
        const char* status;
        const char* primary;
        const char* symbol;
    };
    const Stage stages[] = {
        {"setup", 372, "STEP 1 OF 3", "Setup needed", "Get started", "arrow.right"},
        {"signIn", 285, "STEP 2 OF 3", "Sign in to Steam", "Open Steam to sign in", "arrow.up.forward"},
        {"install", 285, "STEP 3 OF 3", "Ready to install", "Install with Steam", "arrow.down.to.line"},
        {"downloading", 285, "STEP 3 OF 3", "Installing", "Open Steam", "arrow.up.forward"},
        {"ready", 372, "", "Ready to play", "Play now", "play.fill"},
        {"running", 372, "", "Running", "Open Steam", "arrow.up.forward"},
    };
    // Texts shown in the listed stages only.
    const std::map<QString, std::set<std::string>> shownIn = {
        {"One-time setup\nYour own Steam account", {"setup"}},
        {"A few steps, then you're in.", {"setup"}},
        {"Let's get you playing.", {"signIn", "install", "downloading"}},
        {"I'm signed in", {"signIn"}},
        {"I can't see the Steam window", {"signIn"}},
        {"Install your own copy through Steam", {"install"}},
        {"Not signed in yet? Open Steam", {"install"}},
        {"Steam is downloading your game", {"downloading"}},
        {"43% downloaded · Steam may still need to unpack or verify files", {"downloading"}},
        {"STRATEGY   ·   MULTIPLAYER", {"ready", "running"}},
        {"Already playing with Ambrovel?", {}},
    };
    const QColor green = QColor::fromRgbF(0.188f, 0.820f, 0.345f);
    for (const Stage& stage : stages) {
        SCOPED_TRACE(stage.name);
        Window w({.preview = stage.name});
        w.screenshot(QString::fromStdString("library-" + stage.name));
        const bool playable = !*stage.step;
        EXPECT_EQ(w.item("hero")->height(), stage.hero);
        EXPECT_EQ(w.text("status-text"), stage.status);
        EXPECT_EQ(w.item("status-dot")->property("color").value<QColor>() == green, playable);
        EXPECT_EQ(w.text("primary-action"), stage.primary);
        EXPECT_EQ(w.item("primary-action")->property("symbol").toString(), stage.symbol);
        for (const char* button : {"primary-action", "signed-in", "cant-see-steam", "not-signed-in", "ready-open-steam"})
            if (Window::shown(w.item(button))) EXPECT_TRUE(w.enabled(button)) << button;
        EXPECT_EQ(w.item("ready-card")->isVisible(), playable);
        EXPECT_EQ(w.item("setup-card")->isVisible(), !playable);
        if (!playable) EXPECT_EQ(w.text("step-label"), stage.step);
        QQuickItem* bar = w.item("download-progress");
        EXPECT_EQ(Window::shown(bar), stage.name == "downloading");
        EXPECT_DOUBLE_EQ(bar->property("value").toDouble(), stage.name == "downloading" ? 0.43 : 0);
        for (const auto& [text, where] : shownIn)
            EXPECT_EQ(w.shows(text), where.contains(stage.name)) << text.toStdString();
        EXPECT_EQ(w.text("game-count"), "1 GAME");
        EXPECT_EQ(w.item("game-aoe4"), nullptr) << "one game: no list in the sidebar";
        EXPECT_TRUE(w.item("artwork")->property("loaded").toBool());
        // A screen reader finds a name for everything, and the card's game and stage.
        EXPECT_EQ(w.unnamed(), QStringList());
        EXPECT_EQ(uitest::accessibleName(w.item("hero")), "Age of Empires IV, " + w.text("status-text"));
        if (stage.name == "downloading") {
            QAccessibleInterface* progress = QAccessible::queryAccessibleInterface(bar);
            ASSERT_TRUE(progress);
            EXPECT_EQ(progress->role(), QAccessible::ProgressBar);
            EXPECT_EQ(progress->text(QAccessible::Description), "43% downloaded");
        }

        if (stage.name == "signIn") {  // "I'm signed in" is pressed in the keyboard walk
            w.click(w.item("cant-see-steam"));
            EXPECT_TRUE(w.model().notice().startsWith("The first Steam update can take a few minutes."));
        }
    }
}

TEST(LibraryPage, ErrorAndNoticeShowTogetherErrorFirst) {
    Window w({.preview = "error"});
    // In the preview the primary button answers with a notice.
    w.click(w.item("primary-action"));
    w.screenshot("library-error");

    QQuickItem* error = w.item("error-card");
    QQuickItem* notice = w.item("notice-card");
    ASSERT_TRUE(Window::shown(error));
    ASSERT_TRUE(Window::shown(notice));
    EXPECT_LT(error->y(), notice->y());
    EXPECT_EQ(error->property("text").toString(), w.model().error());
    EXPECT_EQ(notice->property("text").toString(), w.model().notice());
    EXPECT_EQ(w.visibleTexts().count("Show details"), 1);  // only the error card has them

    // Dismissing one card leaves the other; the error's help opens the Help
    // page (its details open the diagnostics sheet in the keyboard tests).
    w.click(notice->findChild<QQuickItem*>("dismiss-message"));
    EXPECT_TRUE(w.model().notice().isEmpty());
    EXPECT_FALSE(w.model().error().isEmpty());
    w.click(error->findChild<QQuickItem*>("get-help"));
    EXPECT_EQ(w.model().page(), "Help");
}

// The bundle's catalog has a second game, with no artwork. Switching to it
// and back redraws the card as if each game had been shown first: the
// primary button as wide as its title, no picture of the game before.
TEST(LibraryPage, SwitchingGamesDrawsTheCardOfTheGameShown) {
    const auto games = ludowell::GameProfile::load(uitest::builtBundle() / "Contents/Resources");
    ASSERT_EQ(games.size(), 2u);
    uitest::Session s({.stage = "ready", .profiles = games});
    Window& w = *s.w;
    const auto card = [](Window& in, const char* stage) {
        EXPECT_TRUE(in.waitFor([&] { return in.model().stage() == stage; }, 10000));
        in.still();
        QQuickItem* hero = in.item("hero");
        return in.window()->grabWindow().copy(hero->mapRectToScene(hero->boundingRect()).toRect());
    };
    const QImage ready = card(w, "ready");
    w.click(w.item("game-lantern-keep"));
    const QImage signIn = card(w, "signIn");  // "Open Steam to sign in" after "Play now"
    w.screenshot("library-switched-game");
    w.click(w.item("game-aoe4"));
    EXPECT_EQ(card(w, "ready"), ready);  // and "Play now" after it
    Window first({.profiles = {games[1], games[0]}, .dataRoot = s.data.path(), .executable = s.bin / "ludowell"});
    EXPECT_EQ(signIn, card(first, "signIn"));
}

}  // namespace
