#include "ui/dialogs.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QWindow>

#include <vector>

#include "app/model/child_lines.h"
#include "ui/style.h"
#include "ui/symbols.h"

namespace ludowell::ui {
namespace {

// The window's own look: its surface, type and accent, with the default
// button in gold as the primary action of a page is.
QString alertStyle() {
    auto rgb = [](const QColor& c) { return c.name(QColor::HexRgb); };
    const Style style;
    const QString gold = rgb(style.gold);
    return QStringLiteral(
               "QMessageBox { background-color: %1; }"
               "QMessageBox QLabel { color: rgba(255, 255, 255, 224); font-size: 13px; }"
               "QMessageBox QLabel#qt_msgbox_label { font-size: 15px; font-weight: 600; }"
               "QMessageBox QLabel#qt_msgbox_informativelabel { color: %2; font-size: 12px; min-width: 320px; }"
               "QPushButton { color: rgba(255, 255, 255, 224); background-color: rgba(255, 255, 255, 17);"
               "  border: 1px solid rgba(255, 255, 255, 26); border-radius: 8px; padding: 7px 16px;"
               "  min-width: 72px; font-size: 13px; font-weight: 600; }"
               "QPushButton:hover { background-color: rgba(255, 255, 255, 31); }"
               "QPushButton:pressed { background-color: rgba(255, 255, 255, 40); }"
               "QPushButton:default { color: #1f1a12; background-color: %3; border: 1px solid %3; }"
               "QPushButton:default:pressed { background-color: %4; }"
               "QPushButton:focus { outline: none; border: 2px solid %3; }"
               "QPushButton:default:focus { border: 2px solid #f6e3bf; }")
        .arg(rgb(style.surface), rgb(style.muted), gold, style.gold.darker(115).name());
}

// A menu left open would stay painted behind the alert, and take keys
// after it.
void closeOpenMenus() {
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        for (QObject* popup : window->findChildren<QObject*>()) {
            if (popup->inherits("QQuickMenu") && popup->property("visible").toBool())
                QMetaObject::invokeMethod(popup, "close");
        }
    }
}

}  // namespace

int MessageBoxAlerts::ask(const QString& message, const QString& informative, const QStringList& buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Ludowell"));
    box.setText(message);
    box.setInformativeText(informative);
    box.setWindowModality(Qt::ApplicationModal);
    box.setStyleSheet(alertStyle());
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) box.setIconPixmap(icon.pixmap(64, 64));

    const QStringList titles = buttons.isEmpty() ? QStringList{QCoreApplication::translate("ludowell::ui::Alerts", "OK")} : buttons;
    std::vector<QPushButton*> added(titles.size(), nullptr);
    // Added last to first, so the first (the default) ends up rightmost.
    // None becomes the default by taking the focus: Tab must not hand the
    // gold look, and Return, to a button that may end something.
    for (qsizetype i = titles.size() - 1; i >= 0; --i) {
        added[i] = box.addButton(titles[i], QMessageBox::ActionRole);
        added[i]->setAutoDefault(false);
    }
    box.setDefaultButton(added.front());
    QPushButton* escape = titles.size() == 1 ? added.front() : nullptr;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        // Escape answers "Cancel" or "Not now", in English or the user's language.
        const QString& title = titles[i];
        if (title.compare(QStringLiteral("cancel"), Qt::CaseInsensitive) == 0 ||
            title.compare(QStringLiteral("not now"), Qt::CaseInsensitive) == 0 ||
            title == QCoreApplication::translate("ludowell::LibraryModel", "Cancel") ||
            title == QCoreApplication::translate("ludowell::ui::Alerts", "Not Now"))
            escape = added[i];
    }
    if (escape) box.setEscapeButton(escape);

    closeOpenMenus();
    // The window that had the keyboard gets it back, with its focus where
    // it was, whatever the window system picks after the alert.
    const QPointer<QWindow> before = QGuiApplication::focusWindow();
    box.exec();
    if (before) before->requestActivate();
    for (qsizetype i = 0; i < titles.size(); ++i) {
        if (box.clickedButton() == added[i]) return static_cast<int>(i);
    }
    return -1;
}

void showCatalogFailure(Alerts& alerts, const QString& description) {
    QGuiApplication::setWindowIcon(applicationIcon());
    // The catalog's failures are the child's known lines.
    alerts.ask(QCoreApplication::translate("ludowell::ui::Alerts", "Ludowell couldn't open"),
               ChildLines::translate(description), {});
}

void AlertUpdateDriver::showUpdateFound(const AppcastItem& item, std::function<void(bool install)> reply) {
    const QString found = QString::fromStdString(item.displayVersionString);
    const int answer = alerts_.ask(
        QCoreApplication::translate("ludowell::ui::Alerts", "A new version of Ludowell is available!"),
        QCoreApplication::translate("ludowell::ui::Alerts", "Ludowell %1 is now available—you have %2. Would you like to install it now?").arg(found, currentVersion_),
        {QCoreApplication::translate("ludowell::ui::Alerts", "Install Update"), QCoreApplication::translate("ludowell::ui::Alerts", "Not Now")});
    reply(answer == 0);
}

void AlertUpdateDriver::showUpToDate() {
    alerts_.ask(QCoreApplication::translate("ludowell::ui::Alerts", "You're up to date!"),
                QCoreApplication::translate("ludowell::ui::Alerts", "Ludowell %1 is currently the newest version available.").arg(currentVersion_),
                {QCoreApplication::translate("ludowell::ui::Alerts", "OK")});
}

void AlertUpdateDriver::showUpdateError(const std::string& message) {
    alerts_.ask(QCoreApplication::translate("ludowell::ui::Alerts", "Update Error!"), QString::fromStdString(message), {QCoreApplication::translate("ludowell::ui::Alerts", "OK")});
}

}  // namespace ludowell::ui
