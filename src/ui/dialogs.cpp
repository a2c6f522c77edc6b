#include "ui/dialogs.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <vector>

namespace ludowell::ui {

int MessageBoxAlerts::ask(const QString& message, const QString& informative, const QStringList& buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Ludowell"));
    box.setText(message);
    box.setInformativeText(informative);
    box.setWindowModality(Qt::ApplicationModal);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) box.setIconPixmap(icon.pixmap(64, 64));

    const QStringList titles = buttons.isEmpty() ? QStringList{QStringLiteral("OK")} : buttons;
    std::vector<QPushButton*> added(titles.size(), nullptr);
    // Added last to first, so the first (the default) ends up rightmost.
    for (qsizetype i = titles.size() - 1; i >= 0; --i) {
        added[i] = box.addButton(titles[i], QMessageBox::ActionRole);
    }
    box.setDefaultButton(added.front());
    QPushButton* escape = titles.size() == 1 ? added.front() : nullptr;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        if (titles[i] == QStringLiteral("Cancel")) escape = added[i];
    }
    if (escape) box.setEscapeButton(escape);

    box.exec();
    for (qsizetype i = 0; i < titles.size(); ++i) {
        if (box.clickedButton() == added[i]) return static_cast<int>(i);
    }
    return -1;
}

void AlertUpdateDriver::showUpdateFound(const AppcastItem& item, std::function<void(bool install)> reply) {
    const QString found = QString::fromStdString(item.displayVersionString);
    const int answer = alerts_.ask(
        QStringLiteral("A new version of Ludowell is available!"),
        QStringLiteral("Ludowell %1 is now available—you have %2. Would you like to install it now?").arg(found, currentVersion_),
        {QStringLiteral("Install Update"), QStringLiteral("Not Now")});
    reply(answer == 0);
}

void AlertUpdateDriver::showUpToDate() {
    alerts_.ask(QStringLiteral("You're up to date!"),
                QStringLiteral("Ludowell %1 is currently the newest version available.").arg(currentVersion_),
                {QStringLiteral("OK")});
}

void AlertUpdateDriver::showUpdateError(const std::string& message) {
    alerts_.ask(QStringLiteral("Update Error!"), QString::fromStdString(message), {QStringLiteral("OK")});
}

}  // namespace ludowell::ui
