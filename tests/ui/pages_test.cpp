// The Settings and Help pages and the licence and diagnostics sheets, with a
// screenshot of every state they are checked in.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

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

void touch(const fs::path& file, const std::string& text = "") {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

// Stands in for the command-mode child: runs `body`, then waits until
// released (when `hold` is set) so the model stays busy.
class Child {
public:
    explicit Child(const std::string& body = "echo 'Checking this Mac'", bool hold = true) {
        std::ofstream(executable) << "#!/bin/sh\n" << body << "\n";
        if (hold) std::ofstream(executable, std::ios::app) << "while [ ! -e '" << (dir / "go").string() << "' ]; do sleep 0.05; done\n";
        ::chmod(executable.c_str(), 0755);
    }
    void release() { touch(dir / "go"); }
    TempDir dir;
    fs::path executable = dir / "ludowell";
};

// A window over a real data root; the child is released before the model
// (which waits for it) goes away.
struct Session {
    explicit Session(const std::string& stage, bool server = false, Child* child = nullptr) {
        ludowell::Runtime runtime(data.path(), std::nullopt, ludowell::GameProfile::aoeIV());
        if (stage != "setup") {
            touch(runtime.marker("runtime-ready"));
            touch(runtime.steam());
        }
        if (server) touch(runtime.server());
        Window::Setup setup;
        setup.dataRoot = data.path();
        setup.executable = (child ? child : &idle)->executable;
        w = std::make_unique<Window>(setup);
        if (!w->waitFor([&] { return w->model().stage() == QString::fromStdString(stage); }, 10000))
            throw std::runtime_error("the inspection did not find " + stage);
        w->model().setPage("Settings");
        w->settle(200);
    }
    ~Session() {
        idle.release();
        w.reset();
    }
    TempDir data;
    Child idle;
    std::unique_ptr<Window> w;
};

Window::Setup preview(const std::string& stage) {
    Window::Setup setup;
    setup.preview = stage;
    return setup;
}

bool enabled(Window& w, const char* name) { return w.item(name)->isEnabled(); }

// Grows the window to the whole page, so a screenshot shows all of it.
void showWholePage(Window& w) {
    w.settle(100);
    w.window()->resize(1140, std::max(850, int(w.item("page")->height()) + 56 + 40));
}

void press(Window& w, Qt::Key key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QGuiApplication::sendEvent(w.window(), &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QGuiApplication::sendEvent(w.window(), &up);
    w.settle(250);
}

QString plainText(QQuickItem* textArea) {
    QString text;
    QMetaObject::invokeMethod(textArea, "getText", Q_RETURN_ARG(QString, text), Q_ARG(int, 0),
                              Q_ARG(int, textArea->property("length").toInt()));
    return text.replace(QChar::ParagraphSeparator, '\n');
}

// An update service with nothing to say.
class QuietService : public ludowell::UpdateService {
public:
    void startUpdater() override {}
    bool canCheckForUpdates() const override { return true; }
    bool automaticallyChecksForUpdates() const override { return false; }
    void setAutomaticallyChecksForUpdates(bool) override {}
    bool sessionInProgress() const override { return false; }
    void checkForUpdates() override {}
};

}  // namespace

TEST(SettingsPage, BeforeSetupOnlyTheSafeActionsAreOffered) {
    Session s("setup");
    Window& w = *s.w;
    showWholePage(w);
    w.screenshot("settings-setup");

    for (const char* text : {"Make yourself at home.", "A few simple preferences. The rest is taken care of.",
                             "While you play", "Show performance overlay", "Steam for Age of Empires IV",
                             "Advanced & diagnostics"})
        EXPECT_TRUE(w.shows(text)) << text;
    EXPECT_FALSE(enabled(w, "open-steam"));
    EXPECT_FALSE(enabled(w, "close-steam-session"));  // no engine, so no server
    EXPECT_FALSE(Window::shown(w.item("updates-place")));
    EXPECT_FALSE(w.shows("Game files and local settings"));  // collapsed at first

    // The overlay switch writes the preference, which a new model reads back.
    w.click(w.item("hud-switch"));
    EXPECT_TRUE(w.model().hud());
    EXPECT_TRUE(w.item("hud-switch")->property("checked").toBool());

    w.click(w.item("disclosure-header"));
    showWholePage(w);
    w.screenshot("settings-advanced");
    EXPECT_EQ(w.item("data-root")->property("text").toString(), QString::fromStdString(s.data.path().string()));
    EXPECT_TRUE(w.item("data-root")->property("selectByMouse").toBool());

    // "Show data folder" makes a missing data root before opening it.
    fs::remove_all(s.data.path());
    w.click(w.item("show-data-folder"));
    EXPECT_TRUE(fs::is_directory(s.data.path()));
    w.click(w.item("show-logs"));
    ASSERT_EQ(w.browser.opened.size(), 2u);
    EXPECT_EQ(w.browser.opened[0], s.data.path());
    EXPECT_EQ(w.browser.opened[1], s.data.path() / "logs");

    w.model().setError("Something failed.");
    w.model().setNotice("Something happened.");
    showWholePage(w);
    w.screenshot("settings-messages");
    EXPECT_TRUE(Window::shown(w.item("error-card")));
    EXPECT_TRUE(Window::shown(w.item("notice-card")));
}

TEST(SettingsPage, AfterSetupSteamControlsAndTheUpdatesPanel) {
    Session s("signIn", /*server=*/true);
    Window& w = *s.w;
    EXPECT_TRUE(enabled(w, "open-steam"));
    ASSERT_TRUE(enabled(w, "close-steam-session"));

    // Closing the session asks first; the default answer starts nothing.
    w.click(w.item("close-steam-session"));
    ASSERT_EQ(w.alerts.seen.size(), 1u);
    EXPECT_EQ(w.alerts.seen[0].message, "Close this game's Steam session?");
    EXPECT_FALSE(w.model().busy());

    w.model().setUpdates(new ludowell::Updates(&w.model(), [](ludowell::UpdateServiceDelegate&) {
        return std::unique_ptr<ludowell::UpdateService>(std::make_unique<QuietService>());
    }));
    w.settle(100);
    ASSERT_TRUE(Window::shown(w.item("updates-place")));
    EXPECT_TRUE(w.shows("App updates"));
    EXPECT_GT(w.item("updates-place")->y(), w.item("steam-card")->y());
    EXPECT_LT(w.item("updates-place")->y(), w.item("advanced-card")->y());
    showWholePage(w);
    w.screenshot("settings-updates");
}

TEST(SettingsPage, PreviewNeverTouchesTheDisk) {
    Window w(preview("ready"));
    w.model().setPage("Settings");
    w.settle(200);
    w.click(w.item("disclosure-header"));
    w.click(w.item("show-data-folder"));
    w.click(w.item("show-logs"));
    EXPECT_TRUE(w.browser.opened.empty());
    EXPECT_FALSE(fs::exists(w.model().dataRoot().toStdString()));
}

TEST(Pages, WhileBusyOnlyTheSheetsStayUsable) {
    Child child;
    Session s("signIn", /*server=*/true, &child);
    Window& w = *s.w;
    w.click(w.item("open-steam"));
    ASSERT_TRUE(w.waitFor([&] { return w.model().busy(); }, 5000));
    w.click(w.item("disclosure-header"));
    showWholePage(w);
    w.screenshot("settings-busy");
    for (const char* name : {"hud-switch", "open-steam", "close-steam-session", "show-data-folder", "show-logs",
                             "check-compatibility"})
        EXPECT_FALSE(enabled(w, name)) << name;

    w.model().setPage("Help");
    showWholePage(w);
    w.screenshot("help-busy");
    EXPECT_FALSE(enabled(w, "check-this-mac"));
    EXPECT_FALSE(enabled(w, "open-diagnostic-logs"));

    w.model().setShowLicense(true);
    w.settle(300);
    EXPECT_TRUE(enabled(w, "not-now"));
    EXPECT_TRUE(enabled(w, "agree"));
    w.click(w.item("not-now"));
    EXPECT_FALSE(w.model().showLicense());

    // The child's output reaches the open sheet as it arrives.
    w.model().setShowDiagnostics(true);
    ASSERT_TRUE(w.waitFor([&] { return w.item("details-text") && plainText(w.item("details-text")).contains("Checking this Mac"); }, 5000));
    EXPECT_TRUE(enabled(w, "open-log-folder"));
    EXPECT_TRUE(enabled(w, "done"));
    child.release();
}

TEST(HelpPage, QuestionsOpenOneByOne) {
    Window w(preview("setup"));
    w.model().setPage("Help");
    w.settle(200);
    for (const char* text :
         {"A little help, whenever.", "1", "Start with Get started", "2", "Sign in directly to Steam", "3",
          "Install once. Play whenever.", "Something not quite right?", "Steam is blank or hasn't appeared",
          "I can't find my game in Steam", "Steam finished, but Play now isn't showing",
          "My game updated and won't launch", "Check this Mac", "Open diagnostic logs"})
        EXPECT_TRUE(w.shows(text)) << text;
    const QString answer =
        "The first launch can take a few minutes while Steam updates. Look for Steam in the Dock. If it remains blank, "
        "save and close any running game, use Close Steam session in Settings, then open Steam again.";
    EXPECT_FALSE(w.shows(answer));

    w.click(w.itemWithText("Steam is blank or hasn't appeared"));
    EXPECT_TRUE(w.shows(answer));
    EXPECT_FALSE(w.shows("Check that you signed in to the account that owns the game. If Steam shows a price instead "
                         "of Install, ownership is managed by Steam. This app doesn't include a game license."));
    showWholePage(w);
    w.screenshot("help-question-open");
}

TEST(LicenseSheet, ShowsTheLicenceAndRecordsTheAgreement) {
    TempDir data;
    Window::Setup setup = preview("setup");
    setup.dataRoot = data / "root";
    Window w(setup);
    w.model().setShowLicense(true);
    w.settle(300);
    w.screenshot("licence-placeholder");

    QQuickItem* text = w.item("licence-text");
    ASSERT_TRUE(Window::shown(text));
    EXPECT_TRUE(plainText(text).startsWith("PLACEHOLDER LICENCE TEXT\nThis file is a placeholder")) << plainText(text).toStdString();
    EXPECT_EQ(text->property("readOnly"), true);
    EXPECT_EQ(text->property("selectByMouse"), true);
    EXPECT_EQ(w.item("licence-box")->height(), 270);

    // Escape dismisses the sheet and clears the model's flag.
    press(w, Qt::Key_Escape);
    EXPECT_FALSE(w.model().showLicense());

    w.model().setShowLicense(true);
    w.settle(300);
    w.click(w.item("agree"));
    EXPECT_FALSE(w.model().showLicense());
    EXPECT_TRUE(fs::exists(data / "root" / "license-accepted"));
}

TEST(LicenseSheet, StaysOpenWhenTheAgreementCannotBeSaved) {
    TempDir data;
    touch(data / "file");
    Window::Setup setup = preview("setup");
    setup.dataRoot = data / "file" / "root";  // under a file: cannot be made
    Window w(setup);
    w.model().setShowLicense(true);
    w.settle(300);
    w.click(w.item("agree"));
    w.screenshot("licence-save-failed");
    EXPECT_TRUE(w.model().showLicense());
    EXPECT_TRUE(Window::shown(w.item("licence-problem")));
    EXPECT_TRUE(w.shows("Your setup preference couldn't be saved. Please try again."));
}

TEST(LicenseSheet, ShowsWordProcessorRtfOrTheFailureText) {
    const QString failure = "The license could not be opened. Please reinstall Ludowell.";
    const fs::path samples = fs::path(__FILE__).parent_path().parent_path() / "data/rtf";
    TempDir bundle;
    const fs::path licence = bundle / "Contents/Resources/Licenses/Apple-GPTK-License.rtf";
    fs::create_directories(licence.parent_path());
    for (const std::string variant : {"textedit", "missing", "unreadable", "folder"}) {
        if (variant == "textedit") fs::copy_file(samples / "textedit.rtf", licence);
        if (variant == "missing") fs::remove(licence);
        if (variant == "unreadable") touch(licence, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        if (variant == "folder") {
            fs::remove(licence);
            fs::create_directories(licence);
        }
        Window::Setup setup = preview("setup");
        setup.bundle = bundle.path();
        Window w(setup);
        w.model().setShowLicense(true);
        w.settle(300);
        w.screenshot(QString::fromStdString("licence-" + variant));
        const QString shown = plainText(w.item("licence-text"));
        if (variant == "textedit") EXPECT_TRUE(shown.startsWith("SAMPLE SOFTWARE LICENSE\n")) << shown.toStdString();
        else EXPECT_EQ(shown, failure) << variant;
        // Agreeing needs the file to exist, not to be readable.
        EXPECT_EQ(enabled(w, "agree"), variant != "missing") << variant;
        w.click(w.item("not-now"));
        EXPECT_FALSE(w.model().showLicense()) << variant;
    }
}

TEST(DiagnosticsSheet, EmptyThenALongOutputToScrollAndCopy) {
    std::string lines;
    for (int i = 1; i <= 300; ++i) lines += "echo 'step " + std::to_string(i) + ": wine reported C:\\\\Program Files (x86)\\\\Steam\\\\steam.exe'\n";
    Child failing(lines + "exit 1", /*hold=*/false);
    Session s("signIn", false, &failing);
    Window& w = *s.w;

    w.model().setShowDiagnostics(true);
    w.settle(300);
    QQuickItem* details = w.item("details-text");
    EXPECT_EQ(plainText(details), "No diagnostic details available.");
    EXPECT_EQ(w.item("details-scroll")->height(), 340);
    w.screenshot("diagnostics-empty");
    w.click(w.item("done"));
    EXPECT_FALSE(w.model().showDiagnostics());
    w.settle(300);

    w.click(w.item("open-steam"));
    ASSERT_TRUE(w.waitFor([&] { return !w.model().busy() && !w.model().error().isEmpty(); }, 10000));
    w.click(w.item("show-details"));
    ASSERT_TRUE(w.model().showDiagnostics());
    w.settle(300);
    details = w.item("details-text");
    EXPECT_EQ(plainText(details), w.model().details());
    EXPECT_GT(details->height(), 340 * 5);  // it scrolls inside the area
    w.screenshot("diagnostics-long");

    QMetaObject::invokeMethod(details, "selectAll");
    QMetaObject::invokeMethod(details, "copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), w.model().details());

    press(w, Qt::Key_Escape);
    EXPECT_FALSE(w.model().showDiagnostics());
}
