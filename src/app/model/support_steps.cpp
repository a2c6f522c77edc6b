// The model's support actions: a report the user can send, and clean-ups
// that free what the app can make again. Each runs as a step.
#include "app/model/support_steps.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include "app/model/child_lines.h"
#include "app/model/download_watch.h"
#include "app/model/library_model.h"
#include "core/files.h"
#include "runtime/cleanup.h"

namespace ludowell {

bool isSupportStep(const QString& command) {
    return command == QLatin1String("report") || command.startsWith(QLatin1String("clean-"));
}

QString supportNotice(const QString& command, const QString& output, const QString& reportName) {
    if (command == QLatin1String("report"))
        return QCoreApplication::translate("ludowell::LibraryModel",
                                           "Your support report is saved in Downloads as “%1”. Attach it to your request for help.")
            .arg(reportName);
    const QStringList lines = output.split(u'\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : ChildLines::translateLine(lines.last());
}

QString supportError(const QString& output) {
    const QString marker = QStringLiteral("ERROR: ");
    const qsizetype at = output.lastIndexOf(marker);
    if (at < 0) return LibraryModel::friendlyError(output);
    return ChildLines::translateLine(output.mid(at + marker.size()).section(u'\n', 0, 0).trimmed());
}

void LibraryModel::saveSupportReport() {
    if (busy_ || preview_) return;
    fs::path folder = reportFolder_;
    if (folder.empty()) {
        QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (downloads.isEmpty()) downloads = QDir::homePath();
        QDir().mkpath(downloads);
        folder = downloads.toStdString();
    }
    // Named in the user's language, as the Mac names a screenshot.
    const QDateTime now = QDateTime::currentDateTime();
    reportName_ = tr("Ludowell Support Report %1 at %2")
                      .arg(now.toString(QStringLiteral("yyyy-MM-dd")), now.toString(QStringLiteral("HH.mm.ss"))) +
                  QStringLiteral(".tar.gz");
    begin(QStringLiteral("report"), {"--output", (folder / reportName_.toStdString()).string()});
}

void LibraryModel::clean(const QString& command, const std::vector<fs::path>& files, const QString& message,
                         const QString& informative, const QString& button) {
    if (busy_ || preview_) return;
    if (files.empty()) {
        setNotice(message);
        return;
    }
    const QString freed = DownloadWatch::bytes(double(totalSize(files)));
    // Cancel first: Return keeps everything.
    if (ask(message, informative.arg(freed), {tr("Cancel"), button}) == 1) launch(command);
}

void LibraryModel::cleanDownloads() {
    const Runtime current = runtime();
    const auto files = downloadedInstallers(current);
    clean(QStringLiteral("clean-downloads"), files,
          files.empty() ? tr("There are no downloaded installers to remove.")
                        : tr("Remove downloaded installers?"),
          tr("This frees %1. The installers Ludowell downloaded during setup are removed; a later repair "
             "downloads them again. Steam, your game, saves and engines stay as they are."),
          tr("Remove installers"));
}

void LibraryModel::cleanLogs() {
    const Runtime current = runtime();
    const auto files = oldLogs(current);
    clean(QStringLiteral("clean-logs"), files,
          files.empty() ? tr("There are no logs older than 30 days.")
                        : tr("Remove logs older than 30 days?"),
          tr("This frees %1 (%2). Logs from the last 30 days stay for troubleshooting; nothing else is "
             "touched.")
              .arg(QStringLiteral("%1"), tr("%Ln log(s)", nullptr, int(files.size()))),
          tr("Remove logs"));
}

}  // namespace ludowell
