// A step started from Settings or Help shows its activity where it started,
// the page keeps its place while the old message goes, and the result is
// brought into view.
#include <gtest/gtest.h>

#include "ui_harness.h"

namespace {

using uitest::Session;
using uitest::Window;

// True when the item lies wholly inside the visible part of the page.
bool inView(Window& w, QQuickItem* item) {
    QQuickItem* scroller = w.item("page-scroll");
    const QPointF top = item->mapToItem(scroller, QPointF(0, 0));
    return Window::shown(item) && top.y() >= 0 && top.y() + item->height() <= scroller->height();
}

// The running step's activity line on the page, once it is in view.
QQuickItem* activityInView(Window& w) {
    QQuickItem* found = nullptr;
    w.waitFor([&] {
        for (QQuickItem* item : w.itemsWithText("Opening Steam…"))
            if (item->objectName() == "activity-text" && inView(w, item)) found = item;
        return found != nullptr;
    }, 5000);
    return found;
}

bool noticeInView(Window& w) {
    return w.waitFor([&] { return w.item("notice-card") && inView(w, w.item("notice-card")); }, 5000);
}

}  // namespace

TEST(StepFeedback, SettingsAndHelpShowTheRunningStepAndBringItsResultIntoView) {
    Session s({.stage = "ready", .script = "echo 'Checking this Mac'\n" + uitest::kHold});
    Window& w = *s.w;
    QQuickItem* scroller = w.item("page-scroll");
    uitest::giveUpdates(w, false);  // a page longer than the window
    w.open("Settings");
    w.click(w.item("disclosure-header"));

    // The first check, from the keyboard as a page longer than the window
    // needs: its activity shows in the card it started from.
    ASSERT_TRUE(w.tabTo("check-compatibility"));
    w.press(Qt::Key_Space);
    ASSERT_TRUE(w.waitFor([&] { return w.model().busy(); }, 5000));
    QQuickItem* panel = activityInView(w);
    ASSERT_TRUE(panel) << "no activity in view on the page";
    EXPECT_GT(panel->mapToItem(w.item("page"), QPointF(0, 0)).y(),
              w.item("check-compatibility")->mapToItem(w.item("page"), QPointF(0, 0)).y());
    w.screenshot("settings-step-running");
    s.release();
    ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 10000));
    EXPECT_EQ(w.model().notice(), "This Mac passed the compatibility checks.");
    EXPECT_TRUE(noticeInView(w));
    w.screenshot("settings-step-result");

    // Run again from the bottom of the page: clearing the old notice does
    // not pull the page from under the user.
    std::filesystem::remove(s.bin / "go");
    ASSERT_TRUE(w.tabTo("check-compatibility"));
    const double before = scroller->property("contentY").toDouble();
    EXPECT_GT(before, 0);
    w.press(Qt::Key_Space);
    ASSERT_TRUE(w.waitFor([&] { return w.model().busy(); }, 5000));
    ASSERT_TRUE(activityInView(w));
    EXPECT_EQ(scroller->property("contentY").toDouble(), before);
    s.release();
    ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 10000));

    // Help: the activity under its buttons, the result in view.
    std::filesystem::remove(s.bin / "go");
    w.open("Help");
    ASSERT_TRUE(w.tabTo("check-this-mac"));
    w.press(Qt::Key_Space);
    ASSERT_TRUE(w.waitFor([&] { return w.model().busy(); }, 5000));
    ASSERT_TRUE(activityInView(w));
    w.screenshot("help-step-running");
    s.release();
    ASSERT_TRUE(w.waitFor([&] { return !w.model().busy(); }, 10000));
    EXPECT_TRUE(noticeInView(w));
}
