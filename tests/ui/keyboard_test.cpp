// The window for a keyboard and a screen reader: Tab through every page and
// sheet with the focus ring in view, Space and Return on the focused
// control, Escape on sheets, the Edit menu from the mouse, and names for
// every control. Real key and mouse events go to the window throughout.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <set>

#include "ui_harness.h"

namespace {

using uitest::Window;

void open(Window& w, const char* page) {
    w.click(w.item(QStringLiteral("nav-") + page));
    EXPECT_TRUE(w.still());
}

bool within(const QQuickItem* item, const QQuickItem* ancestor) {
    for (const QQuickItem* at = item; at; at = at->parentItem())
        if (at == ancestor) return true;
    return false;
}

// The ring drawn for keyboard focus: a shown child of the control or of the
// box around it.
bool ringShown(QQuickItem* item) {
    for (QQuickItem* at = item; at && at != item->window()->contentItem(); at = at->parentItem())
        for (QQuickItem* child : at->childItems())
            if (child->property("cornerRadius").isValid() && child->property("shown").toBool() && Window::shown(child))
                return true;
    return false;
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
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

QStringList names(const std::vector<QQuickItem*>& items) {
    QStringList list;
    for (QQuickItem* item : items) list << accessibleName(item);
    return list;
}

// Every control and text a screen reader reaches under `root`, with the
// ones that have no name.
QStringList unnamed(QAccessibleInterface* root) {
    static const std::set<QAccessible::Role> named = {
        QAccessible::Button,      QAccessible::PushButton,  QAccessible::CheckBox,   QAccessible::RadioButton,
        QAccessible::ProgressBar, QAccessible::EditableText, QAccessible::StaticText, QAccessible::MenuItem,
        QAccessible::Dialog,      QAccessible::StatusBar,   QAccessible::AlertMessage, QAccessible::Heading};
    QStringList missing;
    if (!root) return missing;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child || child->state().invisible) continue;
        if (named.count(child->role()) && child->text(QAccessible::Name).trimmed().isEmpty())
            missing << QStringLiteral("%1 (role %2)").arg(child->object()->metaObject()->className()).arg(child->role());
        missing << unnamed(child);
    }
    return missing;
}

}  // namespace

TEST(Keyboard, TabVisitsEveryPageInReadingOrderWithTheRingInView) {
    Window w({.preview = "signIn"});
    for (const char* page : {"Library", "Help", "Settings"}) {
        open(w, page);
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
            if (!within(item, w.item("page"))) continue;
            const double y = item->mapToItem(w.item("page"), QPointF(0, 0)).y();
            EXPECT_GE(y + 1, lastY) << accessibleName(item).toStdString() << " comes before what is above it";
            lastY = y;
        }
        // A control half-way down the page, with its ring, for the record.
        for (size_t i = 0; i < 3 + (visited.size() - 3) / 2; ++i) w.press(Qt::Key_Tab);
        w.screenshot(QStringLiteral("keyboard-%1").arg(QString(page).toLower()));
    }
}

TEST(Keyboard, SpaceAndReturnPressTheFocusedControl) {
    Window w({.preview = "ready"});
    open(w, "Help");
    auto focusOn = [&](const QString& name) {
        for (int i = 0; i < 40 && accessibleName(w.focused()) != name; ++i) w.press(Qt::Key_Tab);
        return accessibleName(w.focused()) == name;
    };
    ASSERT_TRUE(focusOn("I can't find my game in Steam"));
    const QString answer = "Check that you signed in to the account that owns the game. If Steam shows a price instead of Install, ownership is managed by Steam. This app doesn't include a game license.";
    w.press(Qt::Key_Return);
    EXPECT_TRUE(w.shows(answer));
    w.press(Qt::Key_Space);
    EXPECT_FALSE(w.shows(answer));

    ASSERT_TRUE(focusOn("Settings"));
    w.press(Qt::Key_Enter);
    EXPECT_EQ(w.model().page(), "Settings");
    ASSERT_TRUE(focusOn("Show performance overlay"));
    const bool before = w.model().hud();
    w.press(Qt::Key_Space);
    EXPECT_NE(w.model().hud(), before);
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.model().hud(), before);

    ASSERT_TRUE(focusOn("Library"));
    w.press(Qt::Key_Space);
    ASSERT_TRUE(focusOn("Play now"));
    w.press(Qt::Key_Return);
    EXPECT_EQ(w.model().notice(), "This is a design preview. No game or Steam process was started.");
}

TEST(Keyboard, SheetsHoldTheFocusAndCloseWithEscape) {
    {
    // The licence sheet, opened from the keyboard before the first setup.
    Window w(Window::Setup{});
    ASSERT_TRUE(w.waitFor([&] { return !w.model().refreshInFlight(); }, 5000));
    for (int i = 0; i < 40 && accessibleName(w.focused()) != "Get started"; ++i) w.press(Qt::Key_Tab);
    w.press(Qt::Key_Return);
    ASSERT_TRUE(w.model().showLicense());
    ASSERT_TRUE(w.still());
    // The round holds the sheet's controls alone: the page's are not reached.
    EXPECT_EQ(names(tabRound(w)), (QStringList{"License", "Not now", "Agree & set up Steam"}));
    w.press(Qt::Key_Tab);
    w.screenshot("keyboard-licence");
    // Shift-Tab goes back, and wraps round as well.
    ASSERT_EQ(accessibleName(w.focused()), "Not now");
    w.press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(accessibleName(w.focused()), "License");
    w.press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(accessibleName(w.focused()), "Agree & set up Steam");
    w.press(Qt::Key_Escape);
    EXPECT_FALSE(w.model().showLicense());
    }

    // The diagnostics sheet, from the error card's "Show details".
    Window w({.preview = "error"});
    for (int i = 0; i < 40 && accessibleName(w.focused()) != "Show details"; ++i) w.press(Qt::Key_Tab);
    w.press(Qt::Key_Space);
    ASSERT_TRUE(w.model().showDiagnostics());
    ASSERT_TRUE(w.still());
    EXPECT_EQ(names(tabRound(w)), (QStringList{"Details for troubleshooting", "Open log folder", "Save Support Report…", "Done"}));
    w.press(Qt::Key_Tab);
    w.screenshot("keyboard-diagnostics");
    w.press(Qt::Key_Escape);
    EXPECT_FALSE(w.model().showDiagnostics());
}

TEST(EditMenu, CopiesTheTextThatHadFocusAlsoWithASheetOpen) {
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

    open(w, "Settings");
    w.click(w.item("disclosure-header"));
    QQuickItem* path = w.item("data-root");
    w.click(path);
    QGuiApplication::clipboard()->clear();
    choose("Select All");
    choose("Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), path->property("text").toString());
    w.screenshot("edit-menu-settings");

    open(w, "Library");
    w.click(w.item("show-details"));
    ASSERT_TRUE(w.model().showDiagnostics());
    ASSERT_TRUE(w.still());
    w.click(w.item("details-text"));
    QGuiApplication::clipboard()->clear();
    choose("Select All");
    choose("Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "No diagnostic details available.");
    EXPECT_TRUE(w.model().showDiagnostics());
}

TEST(ScreenReader, EveryControlAndTextOfEveryPageAndSheetHasAName) {
    Window w({.preview = "downloading"});
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w.window());
    ASSERT_TRUE(window);
    for (const char* page : {"Library", "Help", "Settings"}) {
        open(w, page);
        EXPECT_EQ(unnamed(window), QStringList()) << page;
    }
    // The stage card announces the game and its stage.
    open(w, "Library");
    EXPECT_EQ(accessibleName(w.item("hero")), "Age of Empires IV, Installing");
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.item("download-progress"));
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->role(), QAccessible::ProgressBar);
    EXPECT_EQ(bar->text(QAccessible::Description), "43% downloaded");

    w.click(w.item("primary-action"));
    w.model().setShowLicense(true);
    ASSERT_TRUE(w.still());
    EXPECT_EQ(unnamed(window), QStringList()) << "licence sheet";
    w.press(Qt::Key_Escape);
    w.model().setShowDiagnostics(true);
    ASSERT_TRUE(w.still());
    EXPECT_EQ(unnamed(window), QStringList()) << "diagnostics sheet";
}
