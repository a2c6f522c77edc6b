// The Settings and Help pages and the licence and diagnostics sheets, with a
// screenshot of every state they are checked in.
#include <gtest/gtest.h>

#include "ui_harness.h"

namespace {

namespace fs = std::filesystem;
using uitest::Session;
using uitest::Window;

// A screenshot of the whole page.
void showWholePage(Window& w, const QString& screenshot) {
    w.showWholePage();
    w.screenshot(screenshot);
}

QString plainText(QQuickItem* textArea) {
    QString text;
    QMetaObject::invokeMethod(textArea, "getText", Q_RETURN_ARG(QString, text), Q_ARG(int, 0),
                              Q_ARG(int, textArea->property("length").toInt()));
    return text.replace(QChar::ParagraphSeparator, '\n');
}

}  // namespace

// Before setup Settings offers only the safe actions. Then one signed-in
// session goes through the Steam controls, the updates panel, a step that
// holds everything but the sheets, and the long output it fails with; the
// data folder and the messages come last, over the failed step.
TEST(SettingsPage, SteamControlsABusyStepItsDiagnosticsAndTheDataFolder) {
    {
        Session s({.stage = "setup"});
        s.w->open("Settings");
        showWholePage(*s.w, "settings-setup");
        EXPECT_FALSE(s.w->enabled("open-steam"));
        EXPECT_FALSE(s.w->enabled("close-steam-session"));  // no engine, so no server
    }
    std::string lines;
    for (int i = 1; i <= 300; ++i) lines += "echo 'step " + std::to_string(i) + ": wine reported C:\\\\Program Files (x86)\\\\Steam\\\\steam.exe'\n";
    Session s({.stage = "signIn", .script = lines + uitest::kHold + "exit 1\n", .server = true});
    Window& w = *s.w;
    w.open("Settings");
    EXPECT_TRUE(w.shows("Steam for Age of Empires IV"));
    EXPECT_FALSE(w.shows("Game files and local settings"));  // collapsed at first
    EXPECT_TRUE(w.enabled("open-steam"));
    EXPECT_TRUE(w.enabled("close-steam-session"));  // its question is answered in the keyboard walk
    EXPECT_FALSE(Window::shown(w.item("updates-place")));  // not before there is an update gate
    uitest::giveUpdates(w, /*session=*/false);
    ASSERT_TRUE(Window::shown(w.item("updates-place")));
    EXPECT_GT(w.item("updates-place")->y(), w.item("steam-card")->y());
    EXPECT_LT(w.item("updates-place")->y(), w.item("advanced-card")->y());
    showWholePage(w, "settings-updates");

    // While a step runs only the sheets stay usable.
    w.click(w.item("open-steam"));
    ASSERT_TRUE(w.waitFor([&] { return w.model().busy(); }, 5000));
    w.showWholePage();  // the step's activity now shows under the Steam buttons
    w.click(w.item("disclosure-header"));
    showWholePage(w, "settings-busy");
    for (const char* name : {"hud-switch", "open-steam", "close-steam-session", "show-data-folder", "show-logs",
                             "check-compatibility"})
        EXPECT_FALSE(w.enabled(name)) << name;
    w.model().setPage("Help");
    showWholePage(w, "help-busy");
    EXPECT_FALSE(w.enabled("check-this-mac"));
    EXPECT_FALSE(w.enabled("open-diagnostic-logs"));

    w.model().setShowLicense(true);
    ASSERT_TRUE(w.still());
    EXPECT_TRUE(w.enabled("not-now"));
    EXPECT_TRUE(w.enabled("agree"));
    w.click(w.item("not-now"));
    EXPECT_FALSE(w.model().showLicense());
    // The child's output reaches the open sheet as it arrives.
    w.model().setShowDiagnostics(true);
    ASSERT_TRUE(w.waitFor([&] { return w.item("details-text") && plainText(w.item("details-text")).contains("step 300:"); }, 5000));
    EXPECT_TRUE(w.enabled("open-log-folder"));
    EXPECT_TRUE(w.enabled("done"));
    w.click(w.item("done"));

    // The step fails; its whole output scrolls inside an area that keeps its size.
    s.release();
    ASSERT_TRUE(w.waitFor([&] { return !w.model().busy() && !w.model().error().isEmpty(); }, 10000));
    w.open("Library");
    w.click(w.item("show-details"));
    ASSERT_TRUE(w.model().showDiagnostics());
    ASSERT_TRUE(w.still());
    QQuickItem* details = w.item("details-text");
    EXPECT_EQ(plainText(details), w.model().details());
    EXPECT_EQ(w.item("details-scroll")->height(), 340);
    EXPECT_GT(details->height(), 340 * 5);
    w.screenshot("diagnostics-long");
    w.click(w.item("done"));

    // Settings shows the data root, makes it again when it has gone missing
    // before opening it, and shows the failure beside a notice.
    w.open("Settings");
    w.click(w.item("disclosure-header"));
    EXPECT_EQ(w.text("data-root"), QString::fromStdString(s.data.path().string()));
    fs::remove_all(s.data.path());
    w.click(w.item("show-data-folder"));
    EXPECT_TRUE(fs::is_directory(s.data.path()));
    w.click(w.item("show-logs"));
    EXPECT_EQ(w.browser.opened, (std::vector<fs::path>{s.data.path(), s.data.path() / "logs"}));
    w.model().setNotice("Something happened.");
    showWholePage(w, "settings-messages");
    EXPECT_TRUE(Window::shown(w.item("error-card")));
    EXPECT_TRUE(Window::shown(w.item("notice-card")));
}

// A bundle with no artwork and each kind of licence file, read afresh each
// time the sheet opens; at first the data root lies under a file, where the
// agreement cannot be saved.
TEST(LicenseSheet, ShowsTheBundlesLicenceOrWhyNotAndRecordsTheAgreement) {
    const fs::path samples = fs::path(__FILE__).parent_path().parent_path() / "data/rtf";
    TempDir bundle, data;
    const fs::path licence = bundle / "Contents/Resources/Licenses/Apple-GPTK-License.rtf";
    fs::create_directories(licence.parent_path());
    writeFile(data / "file");
    Window w({.preview = "setup", .dataRoot = data / "file" / "root", .bundle = bundle.path()});
    // No artwork leaves the card's gradients and text.
    w.screenshot("library-no-artwork");
    EXPECT_FALSE(w.item("artwork")->property("loaded").toBool());
    for (const char* text : {"ANNIVERSARY EDITION", "Age of Empires IV", "Build your empire. Make history."})
        EXPECT_TRUE(w.shows(text)) << text;
    EXPECT_EQ(w.item("hero")->height(), 372);

    const std::pair<std::string, QString> variants[] = {
        {"textedit", "SAMPLE SOFTWARE LICENSE\n"},
        {"missing", ""},
        {"unreadable", ""},
        {"folder", ""},
        {"placeholder", "PLACEHOLDER LICENCE TEXT\nThis file is a placeholder"},  // the one the app ships
    };
    for (const auto& [variant, start] : variants) {
        SCOPED_TRACE(variant);
        fs::remove_all(licence);
        if (variant == "textedit") fs::copy_file(samples / "textedit.rtf", licence);
        if (variant == "unreadable") writeFile(licence, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        if (variant == "folder") fs::create_directories(licence);
        if (variant == "placeholder")
            fs::copy_file(uitest::builtBundle() / "Contents/Resources/Licenses/Apple-GPTK-License.rtf", licence);
        w.model().setShowLicense(true);
        ASSERT_TRUE(w.still());
        w.screenshot(QString::fromStdString("licence-" + variant));
        ASSERT_TRUE(Window::shown(w.item("licence-text")));
        const QString shown = plainText(w.item("licence-text"));
        if (start.isEmpty()) EXPECT_EQ(shown, "The license could not be opened. Please reinstall Ludowell.");
        else EXPECT_TRUE(shown.startsWith(start)) << shown.toStdString();
        // Agreeing needs the file to exist, not to be readable.
        EXPECT_EQ(w.enabled("agree"), variant != "missing");
        w.click(w.item("not-now"));
        EXPECT_FALSE(w.model().showLicense());
    }

    // An agreement that cannot be saved keeps the sheet open and says why.
    w.model().setShowLicense(true);
    w.click(w.item("agree"));
    w.screenshot("licence-save-failed");
    EXPECT_TRUE(Window::shown(w.item("licence-problem")));
    EXPECT_TRUE(w.shows("Your setup preference couldn't be saved. Please try again."));
    fs::remove(data / "file");
    w.click(w.item("agree"));
    EXPECT_FALSE(w.model().showLicense());
    EXPECT_TRUE(fs::exists(data / "file" / "root" / "license-accepted"));
}
