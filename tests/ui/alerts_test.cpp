// The alerts as the user meets them: in the window's own colours, with the
// first button the default (Return) and "Cancel" the Escape answer.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui/dialogs.h"

namespace {

// Once the alert is up: saves it as a screenshot, notes the colour of its
// default button, then presses `key`.
void answerWith(int key, const QString& screenshot, QColor* defaultFill) {
    QTimer::singleShot(300, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        const QImage image = box->grab().toImage();
        QDir().mkpath(QStringLiteral(LUDOWELL_SCREENSHOT_DIR));
        image.save(QStringLiteral(LUDOWELL_SCREENSHOT_DIR "/") + screenshot + QStringLiteral(".png"));
        if (QPushButton* button = box->defaultButton()) {
            // Just inside its left edge, clear of the title and the border.
            const QPoint inside = button->mapTo(box, QPoint(6, button->height() / 2));
            *defaultFill = image.pixelColor(inside);
        }
        QTest::keyClick(box, Qt::Key(key));
    });
}

}  // namespace

TEST(Alerts, WearTheWindowsLookAndKeepTheirDefaultAndCancelButtons) {
    ludowell::ui::MessageBoxAlerts alerts;
    QColor fill;
    answerWith(Qt::Key_Return, "alert-stop-step", &fill);
    EXPECT_EQ(alerts.ask("Stop this step?",
                         "Ludowell stops where it is. Everything already finished is kept, and the next attempt "
                         "picks up from there.",
                         {"Keep working", "Stop step"}),
              0);
    // The default button is gold, as a page's primary action is.
    EXPECT_GT(fill.red(), 200);
    EXPECT_GT(fill.green(), 160);
    EXPECT_LT(fill.blue(), 140);

    answerWith(Qt::Key_Escape, "alert-reuse-setup", &fill);
    EXPECT_EQ(alerts.ask("Use your existing Steam setup?",
                         "Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the "
                         "old launcher before using this one. No files will be moved or deleted.",
                         {"Use existing setup", "Cancel"}),
              1);
}
