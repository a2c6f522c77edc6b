// The application shell: the window, the menus, and the refusals to quit or
// close while a step or an update holds the application.
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>

#include <sys/stat.h>

#include <fstream>

#include <gtest/gtest.h>

#include "app/model/library_model.h"
#include "app/update/updates.h"
#include "runtime/runtime.h"
#include "ui_harness.h"

namespace {

namespace fs = std::filesystem;
using uitest::Window;

// Stands in for the command-mode child: prints one progress line and keeps
// the model busy until released.
class HeldChild {
public:
    HeldChild() {
        executable = dir / "ludowell";
        std::ofstream(executable) << "#!/bin/sh\n"
                                  << "echo 'Downloading the official Windows Steam installer…'\n"
                                  << "while [ ! -e '" << (dir / "release").string() << "' ]; do sleep 0.05; done\n";
        ::chmod(executable.c_str(), 0755);
    }
    void release() { std::ofstream(dir / "release") << ""; }

    TempDir dir;
    fs::path executable;
};

// Releases the child before the window (whose model waits for it) goes.
struct ReleaseOnExit {
    HeldChild& child;
    ~ReleaseOnExit() { child.release(); }
};

void touch(const fs::path& file, const std::string& text = "") {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

// Files that make an inspection find `stage`.
void prepareStage(const fs::path& root, const std::string& stage) {
    ludowell::Runtime runtime(root, std::nullopt, ludowell::GameProfile::aoeIV());
    if (stage == "setup") return touch(runtime.marker("license-accepted"), "Accepted locally\n");
    touch(runtime.marker("runtime-ready"));
    touch(runtime.steam());
    if (stage == "install") touch(runtime.marker("steam-sign-in-confirmed"));
    if (stage == "ready") {
        touch(runtime.steam().parent_path() / "steamapps/appmanifest_1466860.acf",
              "\"AppState\"\n{\n\t\"StateFlags\"\t\t\"4\"\n}\n");
        touch(runtime.game());
    }
}

struct BusyWindow {
    explicit BusyWindow(const std::string& stage, std::vector<ludowell::GameProfile> profiles = {ludowell::GameProfile::aoeIV()}) {
        prepareStage(data.path(), stage);
        Window::Setup setup;
        setup.dataRoot = data.path();
        setup.executable = child.executable;
        setup.profiles = std::move(profiles);
        window = std::make_unique<Window>(setup);
        if (!window->waitFor([&] { return window->model().stage() == QString::fromStdString(stage); }, 10000))
            throw std::runtime_error("the inspection did not find " + stage);
        window->click(window->item("primary-action"));
        if (!window->waitFor([&] { return window->model().busy(); }, 5000)) throw std::runtime_error("no step started");
    }
    ~BusyWindow() {
        child.release();
        window.reset();
    }
    TempDir data;
    HeldChild child;
    std::unique_ptr<Window> window;
};

// A menu item of the window's menu bar.
QObject* menuAction(Window& w, const char* name) {
    QObject* action = w.window()->findChild<QObject*>(QString::fromLatin1(name));
    if (!action) throw std::runtime_error(std::string("no menu item ") + name);
    return action;
}

void trigger(QObject* action) { QMetaObject::invokeMethod(action, "trigger", Q_ARG(QObject*, nullptr)); }

TEST(Shell, QuitAndCloseAreRefusedWhileAStepRuns) {
    BusyWindow busy("setup");
    Window& w = *busy.window;
    int terminating = 0;
    QObject::connect(&w.shell(), &ludowell::ui::AppDelegate::terminating, [&] { ++terminating; });

    // The child's first line names what it does.
    ASSERT_TRUE(w.waitFor([&] { return w.model().activity() == "Installing Steam…"; }, 5000));
    w.screenshot("library-busy");
    QQuickItem* primary = w.item("primary-action");
    EXPECT_FALSE(primary->isEnabled());
    EXPECT_TRUE(primary->property("spinning").toBool());
    EXPECT_EQ(primary->property("text").toString(), "Installing Steam…");
    EXPECT_EQ(w.item("status-text")->property("text").toString(), "Working on it");

    trigger(menuAction(w, "menu-quit"));
    ASSERT_EQ(w.alerts.seen.size(), 1u);
    EXPECT_EQ(w.alerts.seen[0].message, "Setup is still working");
    EXPECT_EQ(w.alerts.seen[0].informative,
              "Let this step finish before closing Ludowell. You can minimize this window while you wait.");
    EXPECT_EQ(w.alerts.seen[0].buttons, QStringList{"Keep working"});

    w.window()->close();
    w.settle();
    EXPECT_TRUE(w.window()->isVisible());
    ASSERT_EQ(w.alerts.seen.size(), 2u);
    EXPECT_EQ(w.alerts.seen[1].message, "Setup is still working");
    EXPECT_EQ(w.alerts.seen[1].informative,
              "Let this step finish before closing. You can minimize the window while you wait.");
    EXPECT_EQ(w.alerts.seen[1].buttons, QStringList{"OK"});
    EXPECT_EQ(terminating, 0);

    // Once the step is over, closing the window quits.
    busy.child.release();
    ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 10000));
    EXPECT_EQ(w.model().notice(),
              "Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.");
    EXPECT_TRUE(w.shell().closeRequested());
    EXPECT_EQ(terminating, 1);
    EXPECT_EQ(w.alerts.seen.size(), 2u);
}

TEST(Shell, StepButtonsWaitWhileBusyButNavigationDoesNot) {
    {
        BusyWindow busy("signIn", uitest::twoGames());
        Window& w = *busy.window;
        w.screenshot("library-signIn-busy");
        EXPECT_FALSE(w.item("signed-in")->isEnabled());
        EXPECT_TRUE(w.item("cant-see-steam")->isEnabled());
        EXPECT_FALSE(w.item("game-keep")->isEnabled());
        EXPECT_FALSE(w.item("game-aoe4")->isEnabled());
        EXPECT_TRUE(w.item("nav-Help")->isEnabled());
        EXPECT_TRUE(w.item("nav-Settings")->isEnabled());
    }
    {
        BusyWindow busy("install");
        EXPECT_FALSE(busy.window->item("not-signed-in")->isEnabled());
        EXPECT_FALSE(busy.window->item("primary-action")->isEnabled());
    }
    {
        BusyWindow busy("ready");
        Window& w = *busy.window;
        EXPECT_FALSE(w.item("ready-open-steam")->isEnabled());
        EXPECT_FALSE(w.item("primary-action")->isEnabled());
        EXPECT_TRUE(w.item("primary-action")->property("spinning").toBool());
    }
}

// An update service that only says a session is open and counts checks.
class OpenSession : public ludowell::UpdateService {
public:
    void startUpdater() override {}
    bool canCheckForUpdates() const override { return true; }
    bool automaticallyChecksForUpdates() const override { return false; }
    void setAutomaticallyChecksForUpdates(bool) override {}
    bool sessionInProgress() const override { return true; }
    void checkForUpdates() override { ++*checks; }
    std::shared_ptr<int> checks = std::make_shared<int>(0);
};

TEST(Shell, AWaitingUpdateHoldsQuitFirst) {
    BusyWindow busy("setup");
    Window& w = *busy.window;
    QObject* check = menuAction(w, "menu-check-updates");
    EXPECT_FALSE(check->property("enabled").toBool());  // no gate yet

    auto checks = std::make_shared<int>(0);
    auto* gate = new ludowell::Updates(&w.model(), [checks](ludowell::UpdateServiceDelegate&) {
        auto service = std::make_unique<OpenSession>();
        service->checks = checks;
        return std::unique_ptr<ludowell::UpdateService>(std::move(service));
    });
    w.model().setUpdates(gate);
    w.settle();
    EXPECT_TRUE(check->property("enabled").toBool());
    trigger(check);
    EXPECT_EQ(*checks, 1);

    trigger(menuAction(w, "menu-quit"));
    ASSERT_EQ(w.alerts.seen.size(), 1u);
    EXPECT_EQ(w.alerts.seen[0].message, "Finish playing before updating");
    EXPECT_EQ(w.alerts.seen[0].informative,
              "Save and close your game and Steam. Ludowell will keep the update ready for you.");
    EXPECT_EQ(w.alerts.seen[0].buttons, QStringList{"OK"});
}

TEST(Shell, OneDarkWindowWithTheMenus) {
    Window::Setup setup;
    setup.preview = "setup";
    Window w(setup);
    QQuickWindow* window = w.window();
    EXPECT_EQ(window->title(), "Ludowell");
    EXPECT_EQ(window->width(), 1140);
    EXPECT_EQ(window->height(), 850);
    EXPECT_EQ(window->minimumWidth(), 1020);
    EXPECT_EQ(window->minimumHeight(), 780);
    EXPECT_EQ(window->color(), QColor::fromRgbF(0.07f, 0.07f, 0.07f));

    QStringList titles;
    for (QObject* action : window->findChildren<QObject*>()) {
        if (action->inherits("QQuickAction")) titles << action->property("text").toString();
    }
    for (const char* title : {"About Ludowell", "Check for Updates…", "Quit Ludowell", "Copy", "Select All"})
        EXPECT_TRUE(titles.contains(title)) << title;
    EXPECT_EQ(menuAction(w, "menu-quit")->property("shortcut").toInt(), int(QKeySequence::Quit));

    trigger(menuAction(w, "menu-about"));
    ASSERT_EQ(w.alerts.seen.size(), 1u);
    EXPECT_EQ(w.alerts.seen[0].message, "Ludowell");
    EXPECT_TRUE(w.alerts.seen[0].informative.startsWith("Version 1."));

    // Nothing runs: quitting and closing need no answer.
    EXPECT_TRUE(w.shell().applicationShouldTerminate());
    EXPECT_TRUE(w.shell().windowShouldClose());
    EXPECT_EQ(w.alerts.seen.size(), 1u);
}

TEST(Shell, SidebarNavigatesAndSheetsFollowTheModel) {
    Window::Setup setup;
    setup.preview = "setup";
    Window w(setup);
    EXPECT_TRUE(w.shows("DESIGN PREVIEW"));
    QQuickItem* page = w.item("page");
    EXPECT_TRUE(page->property("source").toString().endsWith("LibraryPage.qml"));
    EXPECT_TRUE(w.item("nav-Library")->property("selected").toBool());

    w.click(w.item("nav-Help"));
    EXPECT_EQ(w.model().page(), "Help");
    EXPECT_TRUE(page->property("source").toString().endsWith("HelpPage.qml"));
    EXPECT_TRUE(w.item("nav-Help")->property("selected").toBool());
    EXPECT_FALSE(w.item("nav-Library")->property("selected").toBool());
    w.click(w.item("nav-Settings"));
    EXPECT_TRUE(page->property("source").toString().endsWith("SettingsPage.qml"));
    w.model().setPage("Elsewhere");
    w.settle();
    EXPECT_TRUE(page->property("source").toString().endsWith("SettingsPage.qml"));
    w.click(w.item("nav-Library"));

    // Primary in setup, without the licence accepted, asks for the sheet; in
    // the preview it answers with a notice instead, so open it directly.
    QObject* sheet = w.window()->findChild<QObject*>("license-sheet");
    ASSERT_NE(sheet, nullptr);
    w.model().setShowLicense(true);
    w.settle(300);
    EXPECT_TRUE(sheet->property("visible").toBool());
    w.screenshot("license-sheet");
    // Escape dismisses it, and the model hears of it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QGuiApplication::sendEvent(w.window(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QGuiApplication::sendEvent(w.window(), &release);
    w.settle(300);
    EXPECT_FALSE(w.model().showLicense());
    EXPECT_FALSE(sheet->property("visible").toBool());

    w.model().setShowDiagnostics(true);
    w.settle(300);
    EXPECT_TRUE(w.window()->findChild<QObject*>("diagnostics-sheet")->property("visible").toBool());
    w.screenshot("diagnostics-sheet");
    w.model().setShowDiagnostics(false);
    w.settle(300);
    EXPECT_FALSE(w.window()->findChild<QObject*>("diagnostics-sheet")->property("visible").toBool());
}

TEST(Shell, VersionLineOutsideThePreview) {
    TempDir data;
    Window::Setup setup;
    setup.dataRoot = data.path();
    Window w(setup);
    EXPECT_TRUE(w.shows("VERSION 1.0.0"));
    EXPECT_FALSE(w.shows("DESIGN PREVIEW"));
}

// The built program with a catalog that cannot be read.
TEST(Shell, CatalogFailureNeverWaitsForAScreenNobodySees) {
    TempDir copy;
    const fs::path bundle = copy / "Ludowell.app";
    fs::create_directories(bundle / "Contents/MacOS");
    fs::copy(uitest::builtBundle() / "Contents/Resources", bundle / "Contents/Resources", fs::copy_options::recursive);
    fs::copy_file(uitest::builtBundle() / "Contents/MacOS/ludowell", bundle / "Contents/MacOS/ludowell");
    std::ofstream(bundle / "Contents/Resources/games.json") << "[ not a catalog";

    for (const char* platform : {"", "offscreen"}) {
        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        if (*platform) env.insert("QT_QPA_PLATFORM", platform);
        app.setProcessEnvironment(env);
        app.start(QString::fromStdString((bundle / "Contents/MacOS/ludowell").string()), {});
        ASSERT_TRUE(app.waitForFinished(20000)) << platform;
        EXPECT_EQ(app.exitCode(), 1) << platform;
        EXPECT_TRUE(app.readAllStandardError().contains("Ludowell couldn't open")) << platform;
    }
}

}  // namespace
