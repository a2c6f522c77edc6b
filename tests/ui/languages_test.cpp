// The whole window in a pseudo-language that brackets, accents and
// lengthens every text (scripts/pseudo-translation): a plain text never went
// through a translation, and a cut-off one has no room for longer languages.
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "app/model/child_lines.h"
#include "app/update/linux_update_service.h"
#include "app/update/updates.h"
#include "runtime/runtime.h"
#include "support/scoped_env.h"
#include "testbed_world.h"
#include "ui/dialogs.h"
#include "ui/translations.h"
#include "ui_harness.h"

namespace {

using uitest::Session;
using uitest::Window;
namespace fs = std::filesystem;

// A language, and the numbers of its region, for the life of a test; then
// the system's (English) again.
struct Speaking {
    explicit Speaking(bool loaded, const QLocale& region = QLocale::system()) {
        if (!loaded) throw std::runtime_error("the language did not load");
        QLocale::setDefault(region);
    }
    ~Speaking() {
        ludowell::ui::useLanguage(QLocale::system());
        QLocale::setDefault(QLocale::system());
    }
};

// What is left of a text without its translated parts and what is never
// translated: the catalog's names, the app's name, paths and numbers.
QString untranslated(QString text, Window& w) {
    static const QRegularExpression bracketed(QStringLiteral(R"(\[[^\[\]]*\])"));
    static const QRegularExpression path(QStringLiteral(R"((^|\s)/\S*)"));
    static const QRegularExpression numbers(QStringLiteral(R"([\d\s.,:;%·/()+|…›–—-]+)"));
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(bracketed);
    }
    const QVariantMap profile = w.model().property("profile").toMap();
    for (const char* name : {"title", "edition", "subtitle"})
        text.remove(profile.value(QString::fromLatin1(name)).toString(), Qt::CaseInsensitive);
    return text.remove(QStringLiteral("Ludowell")).remove(path).remove(numbers);
}

// Every shown text is translated, whole (not elided, no wider or taller
// than its box) and inside everything that holds it.
void expectTranslatedAndWhole(Window& w, const std::string& where) {
    SCOPED_TRACE(where);
    ASSERT_TRUE(w.still());
    w.screenshot(QString::fromStdString("pseudo-" + where).replace(QRegularExpression("[^\\w-]+"), "-"));
    int texts = 0;
    for (QQuickItem* item : uitest::allItems(w.window()->contentItem())) {
        const bool editable = item->inherits("QQuickTextEdit");
        if ((!item->inherits("QQuickText") && !editable) || !Window::shown(item)) continue;
        const QString text = item->property("text").toString();
        if (text.isEmpty()) continue;
        ++texts;
        const std::string shown = text.toStdString();
        // The licence stays in its own language; a shortcut's key is no word.
        const QString words = item->objectName() == "menu-shortcut" ? text.chopped(1) : text;
        if (item->objectName() != "licence-text") EXPECT_EQ(untranslated(words, w), "") << "untranslated: " << shown;
        // A text edit scrolls inside its sheet; a symbol is placed by design.
        if (editable || !std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); })) continue;
        EXPECT_FALSE(item->property("truncated").toBool()) << "elided: " << shown;
        EXPECT_LE(item->property("contentWidth").toReal(), item->width() + 1) << "wider than its box: " << shown;
        EXPECT_LE(item->property("contentHeight").toReal(), item->height() + 1) << "taller than its box: " << shown;
        const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        // Containers that size to what they hold always hold it; one of a
        // set size that a text outgrows cuts it off or lets it spill.
        for (QQuickItem* around = item->parentItem(); around; around = around->parentItem()) {
            if (around->inherits("QQuickFlickable")) break;  // scrolls
            if (around->inherits("QQuickContentItem")) continue;  // the menu bar stands above it
            if (around->width() <= 0 || around->height() <= 0) continue;
            const QRectF outer = around->mapRectToScene(QRectF(0, 0, around->width(), around->height()));
            // Within a few pixels: a title's shadow copies stand a little off it.
            if (outer.adjusted(-4, -4, 4, 4).contains(box)) continue;
            ADD_FAILURE() << "outside its " << around->metaObject()->className() << " " << around->objectName().toStdString()
                          << " (" << box.x() << "," << box.y() << " " << box.width() << "x" << box.height() << " in "
                          << outer.x() << "," << outer.y() << " " << outer.width() << "x" << outer.height() << "): " << shown;
            break;
        }
    }
    EXPECT_GT(texts, 0);
}

void expectTranslated(const std::vector<uitest::Alert>& alerts, Window& w) {
    for (const uitest::Alert& alert : alerts)
        for (const QString& text : QStringList{alert.message, alert.informative} + alert.buttons)
            EXPECT_EQ(untranslated(text, w), "") << "untranslated in an alert: " << text.toStdString();
}

}  // namespace

TEST(Languages, EveryScreenSheetAndAlertIsTranslatedAndUncut) {
    Speaking pseudo(ludowell::ui::useTranslationFile(QStringLiteral(LUDOWELL_PSEUDO_QM)));

    // Every stage of the Library page; the first with every page, sheet and menu.
    for (const char* stage : {"setup", "signIn", "install", "downloading", "ready", "running", "error"}) {
        Window w({.preview = stage});
        if (stage == std::string("error")) w.click(w.item("primary-action"));  // a notice beside the error
        expectTranslatedAndWhole(w, stage);
        if (stage != std::string("setup")) continue;
        // Each page, with its questions and sections open, and each open menu.
        uitest::giveUpdates(w, false);
        for (const char* page : {"Settings", "Help", "Library"}) {
            w.open(page);
            if (page == std::string("Settings")) w.click(w.item("disclosure-header"));
            if (page == std::string("Help"))
                for (QQuickItem* item : uitest::allItems(w.window()->contentItem()))
                    if (item->objectName() == "question") item->parentItem()->setProperty("expanded", true);
            expectTranslatedAndWhole(w, std::string("setup, ") + page);
        }
        for (QQuickItem* item : uitest::allItems(w.window()->contentItem())) {
            if (!item->inherits("QQuickMenuBarItem") || !Window::shown(item)) continue;
            w.click(item);
            expectTranslatedAndWhole(w, "setup, menu " + item->property("text").toString().toStdString());
            w.press(Qt::Key_Escape);
        }
        w.model().setShowLicense(true);
        expectTranslatedAndWhole(w, "licence sheet");
        w.model().setShowLicense(false);
        w.model().setShowDiagnostics(true);
        expectTranslatedAndWhole(w, "diagnostics sheet");
    }

    // A download in progress, and the alert and notice of stopping it.
    {
        testbed::World world({.throttleBytesPerSecond = 64 * 1024, .largePackage = true});
        const auto shown = uitest::downloading(world);
        Window& w = *shown;
        expectTranslatedAndWhole(w, "downloading");
        ASSERT_TRUE(uitest::stopStep(w));
        expectTranslatedAndWhole(w, "stopped");
        w.model().setShowDiagnostics(true);
        expectTranslatedAndWhole(w, "diagnostics of the stopped step");
        ASSERT_EQ(w.alerts.seen.size(), 1u);
        expectTranslated(w.alerts.seen, w);
    }

    // A server that sends nothing is called out.
    {
        testbed::World world({.stall = true});
        const auto w = uitest::downloading(world, [](Window& w) { return !w.model().transferProblem().isEmpty(); });
        expectTranslatedAndWhole(*w, "download stalled");
        ASSERT_TRUE(uitest::stopStep(*w));
    }

    // The Storage card's clean-ups: nothing to remove, the question, what
    // the child reports; then a support report saved from Help.
    {
        TempDir home, data;
        ScopedEnv homeVariable("HOME", home.path().string());
        Window w({.dataRoot = data.path()});
        w.open("Settings");
        w.model().cleanDownloads();
        expectTranslatedAndWhole(w, "nothing to clean up");
        const ludowell::Runtime runtime(data.path());
        writeFile(data.path() / "downloads/SteamSetup.exe", std::string(50'000, 'x'));
        writeFile(runtime.logs() / "command-1.log", "old\n");
        fs::last_write_time(runtime.logs() / "command-1.log", fs::file_time_type::clock::now() - std::chrono::days(40));
        w.alerts.answer = -1;  // answers none
        w.model().cleanLogs();
        w.alerts.answer = 1;  // removes them
        w.model().cleanDownloads();
        ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 20000));
        ASSERT_FALSE(w.model().notice().isEmpty()) << w.model().details().toStdString();
        expectTranslatedAndWhole(w, "installers removed");
        EXPECT_EQ(w.alerts.seen.size(), 2u);
        expectTranslated(w.alerts.seen, w);
        w.open("Help");
        w.model().saveSupportReport();
        ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 60000));
        ASSERT_TRUE(w.model().error().isEmpty()) << w.model().details().toStdString();
        expectTranslatedAndWhole(w, "support report saved");
    }

    // The other alerts: the model's questions, the shell's refusals and
    // its about box, the updater's with one of its own errors, and the
    // catalog's failure.
    Session s({.stage = "ready"});
    Window& w = *s.w;
    w.alerts.answer = -1;  // answers none
    w.model().reuseLegacy();
    w.model().stop();
    w.shell().about();
    w.click(w.item("primary-action"));
    ASSERT_TRUE(w.waitFor([&] { return w.model().busy(); }, 5000));
    expectTranslatedAndWhole(w, "a step running");
    w.click(w.item("stop-step"));
    w.shell().windowShouldClose();
    w.shell().applicationShouldTerminate();
    ludowell::ui::AlertUpdateDriver updater(w.alerts, QStringLiteral("1.0.0"));
    updater.showUpdateFound({.displayVersionString = "1.1.0"}, [](bool) {});
    updater.showUpToDate();
    TempDir unconfigured;
    ludowell::LinuxUpdateService::Options options;
    options.bundle = unconfigured.path();
    options.userDriver = &updater;
    ludowell::LinuxUpdateService service(*w.model().updates(), options);
    service.checkForUpdates();
    uitest::giveUpdates(w, /*session=*/true);
    w.model().updates()->check();
    w.shell().applicationShouldTerminate();  // an update waits for the game
    ludowell::ui::showCatalogFailure(w.alerts, "The game library is missing. Please reinstall this app.");
    EXPECT_EQ(w.alerts.seen.size(), 11u);
    expectTranslated(w.alerts.seen, w);
}

// Two shipped languages as their players see them, chosen as the system's
// preferred language would choose them.
TEST(Languages, GermanAndJapaneseScreens) {
    const std::tuple<const char*, const char*, const char*> languages[] = {{"de", "Los geht’s", "1,5 MB"},
                                                                           {"ja", "はじめる", "1.5 MB"}};
    for (const auto& [language, start, size] : languages) {
        SCOPED_TRACE(language);
        const QLocale locale(QString::fromLatin1(language));
        Speaking speaking(ludowell::ui::useLanguage(locale), locale);
        const QString suffix = QStringLiteral("-") + QString::fromLatin1(language);
        {
            Window w({.preview = "setup"});
            EXPECT_EQ(w.text("primary-action"), QString::fromUtf8(start));
            // The child's sizes in the language's numbers, too.
            EXPECT_TRUE(ludowell::ChildLines::translateLine("Removed the downloaded installers and freed 1.5 MB. A later "
                                                            "repair downloads them again.")
                            .contains(QString::fromUtf8(size)));
            w.screenshot("library-setup" + suffix);
            uitest::giveUpdates(w, false);
            w.open("Settings");
            w.showWholePage();
            w.screenshot("settings" + suffix);
            w.window()->resize(1140, 850);
            w.settle();
            w.open("Help");
            w.screenshot("help" + suffix);
        }
        testbed::World world({.throttleBytesPerSecond = 64 * 1024, .largePackage = true});
        const auto w = uitest::downloading(world);
        w->screenshot("library-download" + suffix);
        EXPECT_TRUE(uitest::stopStep(*w));
    }
}
