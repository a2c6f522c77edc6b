#include "app/model/child_lines.h"

#include <QLocale>
#include <QRegularExpression>

#include <vector>

namespace ludowell {
namespace {

// Every line the child prints, word for word as command mode writes it;
// %1, %2, %3 stand for the parts that vary, and %n with "(s)" for a count
// and its plural. A part that is itself a known line (a failure after
// "ERROR: ", a state word) is translated too.
constexpr const char* kLines[] = {
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "ERROR: %1"),
    // Progress.
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Apple Silicon, macOS and Rosetta compatibility checks passed."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Only Ludowell's game and Steam environment were stopped."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Data location: %1"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Runtime: %1 | Steam: %2 | AoE IV: %3"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "ready"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "not set up"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "installed"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "not installed"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Game version matches the optimized build."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Game update needs revalidation; optimized launch is blocked."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Downloading the validated graphics and dependency package (about %1 MB)…"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Preparing a fresh Windows environment; no existing Steam accounts are imported…"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The independent runtime is ready."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Downloading the official Windows Steam installer…"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Steam is installed. Sign in with your own account and install %1 in the default Steam library."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Checking the installed game version…"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Steam is already open. The HUD change takes effect after exiting Steam and reopening it."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "AoE IV launch requested. Steam may show a confirmation dialog."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Steam launch requested. Initial client updates can take a few minutes."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Updating game components. Steam, games and saves will stay in place…"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Game components updated. The previous engine has been retained for recovery."),
    // Failures.
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "This is taking longer than expected. Please try again. Your downloads are kept."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "An unexpected error stopped this step."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "This build requires macOS 26 or later. Earlier macOS versions have not been validated."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Rosetta is required. Open an Intel app and follow macOS's Rosetta installation prompt, then try again."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The optimization is not compatible with this Mac's current Rosetta runtime. No system settings were "
       "changed. %1"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "tessaline did not answer within 25 seconds."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Save and close AoE IV and this app's Steam client before setting up or repairing the environment."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "%1 failed (%2). %3"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Logs: %1"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The disk is full. Free up some space and try again."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The disk is full: this step needs about %1 MB more free space. Free up some space and try again."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The downloaded file differs from the validated version. Setup stopped without executing it. A newer "
       "launcher may be needed."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Stopped at your request. Finished steps and downloads are kept."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Unexpected graphics package layout."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Wine did not finish creating the Windows environment. Check the setup logs and retry."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Run Set up Steam first."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Steam installation did not finish. Retry setup; your existing files will be kept."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Click Set up Steam before opening the library."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Install %1 in this Steam client's default library, then choose Play now."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "This game build has not been validated for the optimizations. Please update Ludowell."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Could not open the operation lock."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Another setup or launch is already in progress. Please wait for it to finish."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The data folder given with --data-root is empty."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Please review the setup license in Ludowell first."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Unknown action."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Could not open the update lock."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "An update or launch is already in progress. Please wait for it to finish."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Save and close your game and Steam before updating game components."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The new game components failed verification. Your previous engine is unchanged."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Invalid runtime dependency manifest."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Missing dependency: %1"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The staged engine is incomplete. Your previous engine is unchanged."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The new engine didn't pass its startup check. Your previous engine is unchanged."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Unsupported engine manifest format."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Invalid engine update manifest."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Invalid engine update path or hash."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "This game profile is invalid."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The Age of Empires optimization requires its validated game profile."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The game library contains duplicate or missing games."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The game library is missing. Please reinstall this app."),
    // A file or folder the system could not use.
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "A file"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The disk is full: %1 could not be written. Free up some space and try again."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "%1 cannot be written: its disk is read-only."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "%1 cannot be used: permission denied."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "%1 cannot be read or written: the disk reported an input/output error."),
    // The data folder refused at the start.
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The data folder's path contains \":\" (shown as \"/\" in the Finder), which the game's "
       "Windows environment cannot use. Choose a folder whose path has neither."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The data folder's path is too long for the game's Windows environment. Choose a folder "
       "with a shorter path."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Could not start %1"),
    // The support report and the clean-ups.
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Writing the support report…"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Support report saved: %1"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The folder for the support report does not exist: %1"),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "The support report could not be packed."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Save and close your game and this app's Steam client before cleaning up."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "No downloaded installers to remove."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "Removed the downloaded installers and freed %1. A later repair downloads them again."),
    QT_TRANSLATE_NOOP("ludowell::ChildLines", "No logs older than 30 days to remove."),
    QT_TRANSLATE_N_NOOP("ludowell::ChildLines", "Removed %n log(s) older than 30 days and freed %1."),
};

struct Known {
    QRegularExpression english;  // the whole line, each %N a capture
    QList<int> order;            // which %N each capture is; 0 for %n
    const char* source;
};

const std::vector<Known>& known() {
    static const std::vector<Known> lines = [] {
        std::vector<Known> out;
        const QRegularExpression mark(QStringLiteral("%([1-9n])|\\(s\\)"));
        for (const char* source : kLines) {
            const QString text = QString::fromUtf8(source);
            QString pattern = QStringLiteral("^");
            QList<int> order;
            qsizetype at = 0;
            for (auto it = mark.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                pattern += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
                at = m.capturedEnd();
                if (m.captured(1).isEmpty()) {
                    pattern += QStringLiteral("s?");  // English's plural
                    continue;
                }
                pattern += m.captured(1) == u'n' ? QStringLiteral("(\\d+)") : QStringLiteral("(.+)");
                order << m.captured(1).toInt();  // "n" reads as 0
            }
            pattern += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
            out.push_back({QRegularExpression(pattern), order, source});
        }
        return out;
    }();
    return lines;
}

// %N replaced in one pass, so a part that holds "%2" stays as it is.
QString fill(const QString& pattern, const QStringList& parts) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'%' && i + 1 < pattern.size() && pattern[i + 1].isDigit()) {
            const int n = pattern[i + 1].digitValue();
            if (n >= 1 && n <= parts.size()) {
                out += parts[n - 1];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// A size as command mode writes it ("1.5 MB", "512 bytes", or the bare
// number before a unit of the line's own), in the user's numbers and units,
// with the child's precision.
QString localSize(const QString& part, bool bareNumber) {
    static const QRegularExpression size(QStringLiteral(R"(^(\d+)(?:\.(\d+))?(?: (bytes|KB|MB|GB))?$)"));
    const auto m = size.match(part);
    if (!m.hasMatch() || m.captured(3).isEmpty() != bareNumber) return part;
    const QString number = QLocale().toString(part.section(u' ', 0, 0).toDouble(), 'f', int(m.capturedLength(2)));
    const QString unit = m.captured(3);
    const char* context = "ludowell::DownloadWatch";
    if (unit == u"bytes") return QCoreApplication::translate(context, "%n byte(s)", nullptr, m.captured(1).toInt());
    if (unit == u"KB") return QCoreApplication::translate(context, "%1 KB").arg(number);
    if (unit == u"MB") return QCoreApplication::translate(context, "%1 MB").arg(number);
    if (unit == u"GB") return QCoreApplication::translate(context, "%1 GB").arg(number);
    return number;
}

}  // namespace

QString ChildLines::translateLine(const QString& line) {
    for (const Known& entry : known()) {
        const auto m = entry.english.match(line);
        if (!m.hasMatch()) continue;
        QStringList parts(entry.order.size());
        int count = -1;
        for (qsizetype i = 0; i < entry.order.size(); ++i) {
            const int n = entry.order[i];
            if (n == 0) {
                count = m.captured(int(i) + 1).toInt();
                continue;
            }
            if (n > parts.size()) parts.resize(n);
            const bool unitFollows = QString::fromUtf8(entry.source).contains(QStringLiteral("%%1 MB").arg(n));
            parts[n - 1] = localSize(translateLine(m.captured(int(i) + 1)), unitFollows);
        }
        return fill(tr(entry.source, nullptr, count), parts);
    }
    return line;
}

QString ChildLines::translate(const QString& output) {
    QStringList lines = output.split(u'\n');
    for (QString& line : lines) line = translateLine(line);
    return lines.join(u'\n');
}

}  // namespace ludowell
