// The support tools through the window: the Storage card and a clean-up
// driven from the keyboard, a support report saved from Help, and a
// notification on a private session bus when a step ends behind others.
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "runtime/runtime.h"
#include "support/scoped_env.h"
#include "ui/dialogs.h"
#include "ui_harness.h"

namespace fs = std::filesystem;
using uitest::Window;

namespace {

// One data root through the Storage card, its clean-up and Help's report.
TEST(SupportTools, StorageCardACleanUpAndAReportFromTheKeyboard) {
    TempDir home, data;
    ScopedEnv homeVariable("HOME", home.path().string());
    const ludowell::Runtime runtime(data.path());
    for (const auto& file : {runtime.prefix() / "system.reg", runtime.steam(), runtime.game(),
                             data.path() / "engine/bin/wine", data.path() / "deps/Frameworks/lib.dylib",
                             data.path() / "downloads/SteamSetup.exe", data.path() / "logs/command-1.log"})
        writeFile(file, std::string(50'000, 'x'));
    Window w({.dataRoot = data.path()});
    w.model().setPage("Settings");
    ASSERT_TRUE(w.waitFor([&] { return !w.model().storage()->measuring(); }, 10000));
    w.showWholePage();
    for (const char* part : {"Windows environment", "Steam", "Age of Empires IV", "Engine", "Graphics package",
                             "Downloaded installers", "Logs"})
        EXPECT_TRUE(w.shows(part)) << part;
    EXPECT_TRUE(w.shows(w.model().storage()->freeText()));
    w.screenshot("settings-storage");

    // Space on the card's button asks first; "Remove installers" removes them.
    w.alerts.answer = 1;
    ASSERT_TRUE(w.tabTo("clean-downloads"));
    w.press(Qt::Key_Space);
    ASSERT_EQ(w.alerts.seen.size(), 1u);
    const uitest::Alert asked = w.alerts.seen[0];
    EXPECT_EQ(asked.message, "Remove downloaded installers?");
    EXPECT_EQ(asked.buttons, QStringList({"Cancel", "Remove installers"}));
    EXPECT_TRUE(asked.informative.startsWith("This frees 53 KB.")) << asked.informative.toStdString();
    ASSERT_TRUE(w.waitFor([&] { return !w.model().notice().isEmpty(); }, 20000)) << w.model().details().toStdString();
    EXPECT_EQ(w.model().notice(), "Removed the downloaded installers and freed 53 KB. A later repair downloads them again.");
    EXPECT_FALSE(fs::exists(data.path() / "downloads/SteamSetup.exe"));
    EXPECT_TRUE(fs::exists(runtime.game()));

    // The confirmation as the user meets it, answered with Escape.
    QTimer::singleShot(300, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        box->grab().save(QStringLiteral(LUDOWELL_SCREENSHOT_DIR "/alert-clean-downloads.png"));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(ludowell::ui::MessageBoxAlerts().ask(asked.message, asked.informative, asked.buttons), 0);

    // Help, in a window of the usual size, saves a report into Downloads.
    w.window()->resize(1140, 850);
    w.model().setPage("Help");
    ASSERT_TRUE(w.still());
    ASSERT_TRUE(w.tabTo("save-support-report"));
    w.press(Qt::Key_Return);
    ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 60000));
    ASSERT_TRUE(w.model().error().isEmpty()) << w.model().details().toStdString();
    std::vector<fs::path> saved;
    for (const auto& entry : fs::directory_iterator(home.path() / "Downloads")) saved.push_back(entry.path());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(w.model().notice(), "Your support report is saved in Downloads as “" +
                                      QString::fromStdString(saved[0].filename().string()) +
                                      "”. Attach it to your request for help.");
    EXPECT_TRUE(saved[0].string().ends_with(".tar.gz"));
    w.screenshot("help-support-report-saved");
}

// The desktop's notification service, as far as the test needs it.
struct FakeNotifications : QDBusVirtualObject {
    QStringList titles;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Notify")) return false;
        titles.append(message.arguments().value(3).toString() + ": " + message.arguments().value(4).toString());
        connection.send(message.createReply(QVariant::fromValue(1u)));
        return true;
    }
};

TEST(SupportTools, AStepThatEndsBehindOtherWindowsIsNotified) {
    QProcess daemon;
    daemon.start("/usr/bin/dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(daemon.waitForReadyRead(10000));
    const std::string address = daemon.readLine().trimmed().toStdString();
    ScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", address);
    auto server = QDBusConnection::connectToBus(QString::fromStdString(address), "fake-notifications");
    FakeNotifications fake;
    ASSERT_TRUE(server.registerService("org.freedesktop.Notifications"));
    ASSERT_TRUE(server.registerVirtualObject("/org/freedesktop/Notifications", &fake));

    uitest::Session session({.stage = "setup", .script = "echo 'Steam is installed.'\nexit 0\n"});
    Window& w = *session.w;
    const std::pair<bool, QStringList> runs[] = {
        {true, {}},  // in front: the window shows it, nothing else does
        {false, {"Setup is done: Steam is opening in a separate window. The first launch may take a few minutes "
                 "while Steam updates."}},
    };
    QWindow other;
    for (const auto& [inFront, expected] : runs) {
        if (!inFront) {
            other.show();
            other.requestActivate();
            ASSERT_TRUE(w.waitFor([&] { return !w.window()->isActive(); }, 2000));
        }
        w.model().primary();
        ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 10000));
        w.waitFor([&] { return !fake.titles.isEmpty(); }, inFront ? 500 : 5000);
        EXPECT_EQ(fake.titles, expected);
    }
    QDBusConnection::disconnectFromBus("fake-notifications");
}

}  // namespace
