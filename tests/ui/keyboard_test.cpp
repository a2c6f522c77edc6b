// The window for a keyboard and a screen reader: Tab through every page and
// sheet with the focus ring in view, Space and Return on the focused
// control, Escape on sheets, the Edit menu from the mouse, and names for
// every control (the Library stages' in their own test). Real key and mouse
// events go to the window throughout.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "runtime/runtime.h"
#include "ui/dialogs.h"
#include "ui_harness.h"

namespace {

using uitest::accessibleName;
using uitest::Window;

// The ring drawn for keyboard focus: a shown child of the control or of the
// box around it.
bool ringShown(QQuickItem* item) {
    for (QQuickItem* at = item; at && at != item->window()->contentItem(); at = at->parentItem())
        for (QQuickItem* child : at->childItems())
            if (child->property("cornerRadius").isValid() && child->property("shown").toBool() && Window::shown(child))
                return true;
    return false;
}

// Tab from the current focus until it comes round again; every stop is
// shown, has its ring and a name.
std::vector<QQuickItem*> tabRound(Window& w, int limit = 60) {
    std::vector<QQuickItem*> visited;
    for (int i = 0; i < limit; ++i) {
        w.press(Qt::Key_Tab);
        QQuickItem* item = w.focused();
        if (!item) break;
        if (!visited.empty() && item == visited.front()) break;
        visited.push_back(item);
        EXPECT_TRUE(Window::shown(item)) << item->objectName().toStdString();
        EXPECT_TRUE(ringShown(item)) << "no ring on " << accessibleName(item).toStdString();
        EXPECT_FALSE(accessibleName(item).isEmpty()) << item->metaObject()->className();
    }
    return visited;
}

// Once an alert is up, from inside its modal loop: `answer` looks at it and
// types into it.
void onAlert(std::function<void(QMessageBox&)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        answer(*box);
    });
    poll->start();
}

// A key as the alert's keyboard delivers it: to the button with the focus.
void type(QMessageBox& box, int key) { QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, Qt::Key(key)); }

bool looksGold(QMessageBox& box, QPushButton* button) {
    const QColor fill = box.grab().toImage().pixelColor(button->mapTo(&box, QPoint(6, button->height() / 2)));
    return fill.red() > 200 && fill.green() > 160 && fill.blue() < 140;
}

QStringList names(const std::vector<QQuickItem*>& items) {
    QStringList list;
    for (QQuickItem* item : items) list << accessibleName(item);
    return list;
}

}  // namespace

// Tab goes round each page in reading order; then Space, Return and Enter
// press the focused control: the sidebar's entries, a Help question, a
// switch and the step buttons.
TEST(Keyboard, TabVisitsEveryPageInReadingOrderAndTheKeysPressTheFocusedControl) {
    Window w({.preview = "signIn"});
    for (const char* page : {"Library", "Help", "Settings"}) {
        w.open(page);
        EXPECT_EQ(w.unnamed(), QStringList()) << page;  // for a screen reader
        const auto visited = tabRound(w);
        const QStringList order = names(visited);
        // The sidebar first, top to bottom, then the page.
        ASSERT_GE(order.size(), 5) << order.join(" | ").toStdString();
        EXPECT_EQ(order.mid(0, 3), (QStringList{"Library", "Help", "Settings"})) << order.join(" | ").toStdString();
        if (QString(page) == "Library")
            for (const char* control : {"Open Steam to sign in", "I'm signed in", "I can't see the Steam window", "Need a hand?"})
                EXPECT_TRUE(order.contains(control)) << control;
        double lastY = -1;
        for (QQuickItem* item : visited) {
            if (!w.item("page")->isAncestorOf(item)) continue;
            const double y = item->mapToItem(w.item("page"), QPointF(0, 0)).y();
            EXPECT_GE(y + 1, lastY) << accessibleName(item).toStdString() << " comes before what is above it";
            lastY = y;
        }
        // A control half-way down the page, with its ring, for the record.
        for (size_t i = 0; i < 3 + (visited.size() - 3) / 2; ++i) w.press(Qt::Key_Tab);
        w.screenshot(QStringLiteral("keyboard-%1").arg(QString(page).toLower()));
    }

    ASSERT_TRUE(w.tabTo("Help"));
    w.press(Qt::Key_Enter);
    EXPECT_EQ(w.model().page(), "Help");
    // A question opens its answer alone, and closes it again.
    const qsizetype texts = w.visibleTexts().size();
    ASSERT_TRUE(w.tabTo("I can't find my game in Steam"));
    const QString answer = "Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn't include a game license.";
    w.press(Qt::Key_Return);
    EXPECT_TRUE(w.shows(answer));
    EXPECT_EQ(w.visibleTexts().size(), texts + 1);
    w.showWholePage();
    w.screenshot("help-question-open");
    w.press(Qt::Key_Space);
    EXPECT_FALSE(w.shows(answer));

    ASSERT_TRUE(w.tabTo("Settings"));
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.model().page(), "Settings");
    ASSERT_TRUE(w.tabTo("Show performance overlay"));
    const bool before = w.model().hud();
    w.press(Qt::Key_Space);
    EXPECT_NE(w.model().hud(), before);
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.model().hud(), before);

    ASSERT_TRUE(w.tabTo("Library"));
    w.press(Qt::Key_Space);
    // Signing in moves the preview on to installing.
    ASSERT_TRUE(w.tabTo("I'm signed in"));
    w.press(Qt::Key_Space);
    EXPECT_EQ(w.text("step-label"), "STEP 3 OF 3");
    ASSERT_TRUE(w.tabTo("Install with Steam"));
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.model().notice(), "This is a design preview. No game or Steam process was started.");
}

// One setup from the keyboard alone: after each step the focus waits on
// the control needed next, with its ring; sheets and alerts open on their
// default, which Return presses; the menus open with F10 and with Alt; an
// alert has no menu left open behind it, keeps its gold on the default
// button, and takes Escape as its "Cancel" or "Not now".
TEST(Keyboard, EachStepLeavesTheFocusOnWhatComesNext) {
    TempDir data, bin;
    writeFile(bin / "ludowell", "#!/bin/sh\n" + uitest::kHold, true);
    const ludowell::Runtime runtime(data.path(), std::nullopt, ludowell::GameProfile::aoeIV());
    Window w({.dataRoot = data.path(), .executable = bin / "ludowell", .realAlerts = true});
    ludowell::ui::MessageBoxAlerts boxes;
    ludowell::ui::AlertUpdateDriver offer(boxes, "1.0.0");
    std::vector<bool> installs;
    uitest::giveUpdates(w, false, [&] { offer.showUpdateFound({.displayVersionString = "1.0.1"}, [&](bool install) { installs.push_back(install); }); });
    ASSERT_TRUE(w.waitFor([&] { return !w.model().refreshInFlight(); }, 5000));
    // After `key`, if any.
    const auto focusIsOn = [&](const QString& name, int key = 0) {
        if (key) w.press(key);
        w.waitFor([&] { return accessibleName(w.focused()) == name && ringShown(w.focused()); }, 10000);
        EXPECT_EQ(accessibleName(w.focused()), name);
        EXPECT_TRUE(ringShown(w.focused())) << name.toStdString();
    };
    const auto menuOpen = [&] {
        for (QObject* object : w.window()->findChildren<QObject*>())
            if (object->inherits("QQuickMenu") && object->property("visible").toBool()) return true;
        return false;
    };
    // Each alert: its default has the focus and keeps its gold when Tab
    // moves on, with no menu behind it; then `key` answers it.
    std::vector<QStringList> asked;  // each alert's message, its default, then the other button
    const auto answerAlert = [&](int key, const char* screenshot = nullptr) {
        onAlert([&, key, screenshot](QMessageBox& box) {
            EXPECT_FALSE(menuOpen());
            QPushButton* fallback = box.defaultButton();
            asked.push_back({box.text(), fallback->text()});
            EXPECT_EQ(box.focusWidget(), fallback);
            EXPECT_TRUE(looksGold(box, fallback));
            if (box.buttons().size() > 1) {
                type(box, Qt::Key_Tab);
                auto* other = qobject_cast<QPushButton*>(box.focusWidget());
                ASSERT_TRUE(other && other != fallback);
                asked.back() << other->text();
                EXPECT_TRUE(fallback->isDefault() && !other->isDefault());
                EXPECT_TRUE(looksGold(box, fallback));
                EXPECT_FALSE(looksGold(box, other));
            }
            if (screenshot) {
                QImage shot = w.window()->grabWindow();
                QPainter(&shot).drawImage((shot.width() - box.width()) / 2, 160, box.grab().toImage());
                shot.save(QStringLiteral(LUDOWELL_SCREENSHOT_DIR "/") + screenshot + ".png");
            }
            type(box, key);
        });
    };

    // The licence sheet opens on "Agree & set up Steam" and holds the
    // focus: the round reaches its controls alone, not the page's.
    ASSERT_TRUE(w.tabTo("Get started"));
    focusIsOn("Agree & set up Steam", Qt::Key_Return);
    EXPECT_EQ(w.unnamed(), QStringList());
    EXPECT_EQ(names(tabRound(w)), (QStringList{"License", "Not now", "Agree & set up Steam"}));
    w.press(Qt::Key_Tab);
    w.screenshot("keyboard-licence");
    // Shift-Tab goes back, and wraps round as well; Escape closes the sheet.
    ASSERT_EQ(accessibleName(w.focused()), "Not now");
    w.press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(accessibleName(w.focused()), "License");
    w.press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(accessibleName(w.focused()), "Agree & set up Steam");
    w.press(Qt::Key_Escape);
    EXPECT_FALSE(w.model().showLicense());
    // Agreeing starts the step, whose Stop button then has the focus.
    ASSERT_TRUE(w.tabTo("Get started"));
    focusIsOn("Agree & set up Steam", Qt::Key_Return);
    focusIsOn("Stop…", Qt::Key_Return);
    ASSERT_TRUE(w.model().busy());
    // The step ends with Steam to sign in to.
    writeFile(runtime.marker("runtime-ready"));
    writeFile(runtime.steam());
    writeFile(runtime.server());
    writeFile(bin / "go");
    ASSERT_TRUE(w.waitFor([&] { return w.model().stage() == "signIn" && !w.model().busy(); }, 10000));
    focusIsOn("Open Steam to sign in");
    ASSERT_TRUE(w.tabTo("I'm signed in"));
    focusIsOn("Install with Steam", Qt::Key_Space);
    EXPECT_EQ(w.model().stage(), "install");

    // F10 opens the menus, the arrows move through them, and About's alert
    // comes up with the menu closed; the focus goes back to the page.
    w.press(Qt::Key_F10);
    EXPECT_TRUE(menuOpen());
    EXPECT_EQ(accessibleName(w.focused()), "About Ludowell");
    w.press(Qt::Key_Right);
    EXPECT_EQ(accessibleName(w.focused()), "Copy");
    w.press(Qt::Key_Left);
    answerAlert(Qt::Key_Return, "keyboard-alert-about");
    focusIsOn("Install with Steam", Qt::Key_Return);
    EXPECT_FALSE(menuOpen());
    // Alt alone opens them too; Escape turns the update offer down.
    w.press(Qt::Key_Alt);
    EXPECT_TRUE(menuOpen());
    w.press(Qt::Key_Down);
    EXPECT_EQ(accessibleName(w.focused()), "Check for Updates…");
    answerAlert(Qt::Key_Escape);
    focusIsOn("Install with Steam", Qt::Key_Return);
    EXPECT_EQ(installs, std::vector<bool>{false});

    // "Close Steam session…": Return after Tab still answers "Cancel", and
    // so does Escape.
    ASSERT_TRUE(w.tabTo("Settings"));
    w.press(Qt::Key_Return);
    ASSERT_TRUE(w.waitFor([&] { return w.model().serverPresent(); }, 10000));
    ASSERT_TRUE(w.tabTo("Close Steam session…"));
    for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
        answerAlert(key, key == Qt::Key_Return ? "keyboard-alert-close-session" : nullptr);
        focusIsOn("Close Steam session…", Qt::Key_Return);
        EXPECT_FALSE(w.model().busy());
        EXPECT_EQ(asked.back(), (QStringList{"Close this game's Steam session?", "Cancel", "Close session"}));
    }
}

// The diagnostics sheet, from the error card's "Show details", holds the
// focus like the licence sheet; the Edit menu copies from it as from a page.
TEST(EditMenu, CopiesTheTextThatHadFocusAlsoFromTheDiagnosticsSheet) {
    Window w({.preview = "error"});
    auto choose = [&](const QString& entry) {
        const auto edit = w.itemsWithText("Edit");
        ASSERT_FALSE(edit.empty());
        w.click(edit.front());
        ASSERT_TRUE(w.still());
        const auto items = w.itemsWithText(entry);
        ASSERT_FALSE(items.empty()) << entry.toStdString();
        // The entry shows its shortcut beside it.
        QQuickItem* row = items.back();
        while (row && !row->inherits("QQuickMenuItem")) row = row->parentItem();
        ASSERT_TRUE(row);
        EXPECT_TRUE(row->property("keys").toString().startsWith("Ctrl+")) << entry.toStdString();
        w.click(row);
        ASSERT_TRUE(w.still());
    };

    w.open("Settings");
    w.click(w.item("disclosure-header"));
    QQuickItem* path = w.item("data-root");
    w.click(path);
    QGuiApplication::clipboard()->clear();
    choose("Select All");
    choose("Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), path->property("text").toString());
    w.screenshot("edit-menu-settings");

    w.open("Library");
    ASSERT_TRUE(w.tabTo("Show details"));
    w.press(Qt::Key_Space);
    ASSERT_TRUE(w.model().showDiagnostics());
    ASSERT_TRUE(w.still());
    EXPECT_EQ(w.unnamed(), QStringList());
    EXPECT_EQ(names(tabRound(w)), (QStringList{"Details for troubleshooting", "Open log folder", "Save Support Report…", "Done"}));
    w.press(Qt::Key_Tab);
    w.screenshot("keyboard-diagnostics");
    w.click(w.item("details-text"));
    QGuiApplication::clipboard()->clear();
    choose("Select All");
    choose("Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "No diagnostic details available.");
    EXPECT_TRUE(w.model().showDiagnostics());
    w.press(Qt::Key_Escape);
    EXPECT_FALSE(w.model().showDiagnostics());
}
