// The model's actions: every long step runs as a command-mode child of this
// same program, whose output becomes the activity line and diagnostics and
// whose exit status becomes a notice or a friendly error.
#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <utility>

#include "app/model/command_session.h"
#include "app/model/library_model.h"
#include "app/model/support_steps.h"
#include "platform/platform.h"
#include "core/files.h"

namespace ludowell {
namespace {

struct Phrase {
    const char* contained;
    const char* text;  // English; shown through tr()
};

// The first row whose phrase a chunk contains wins.
constexpr Phrase kActivities[] = {
    {"Downloading the validated", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Downloading game components…")},
    {"Preparing a fresh", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Preparing your Mac for play…")},
    {"Downloading the official", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Installing Steam…")},
    {"Checking the installed", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Checking your game…")},
};

// Ordered: one failure text can hold several phrases, and the macOS version
// check's must not read as the game-version one.
constexpr Phrase kFailures[] = {
    {"The data folder's path",
     QT_TRANSLATE_NOOP("ludowell::LibraryModel", "This data folder can't hold the game's Windows environment: a folder name in its path has a \"/\", or the "
        "path is too long. Choose another folder, then try again.")},
    {"macOS 26", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "This version needs macOS 26 or later. Update macOS in System Settings, then try again.")},
    {"Rosetta is required",
     QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Rosetta is needed to run Steam. Open an Intel app and follow Apple's installation prompt, then try again.")},
    {"not compatible",
     QT_TRANSLATE_NOOP("ludowell::LibraryModel", "The gaming components aren't compatible with this Mac's current Rosetta version. Please contact support "
        "with the details below.")},
    {"not been validated",
     QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Steam has installed a newer game version. A Ludowell update is needed before this game can launch safely.")},
    {"differs from", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "A download has changed since this app was released. Please get an updated Ludowell app.")},
    {"another", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Another setup or launch is in progress. Let it finish, then try again.")},
    {"already in progress", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Another setup or launch is in progress. Let it finish, then try again.")},
    {"Save and close", QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Please save your game and exit Steam before preparing this setup again.")},
};
constexpr const char* kFailureFallback = QT_TRANSLATE_NOOP("ludowell::LibraryModel", 
    "We couldn't finish that step. Check your internet connection and try again. Your completed downloads are kept.");

QString startingActivity(const QString& command) {
    if (command == QLatin1String("setup")) return QCoreApplication::translate("ludowell::LibraryModel", "Preparing Steam…");
    if (command == QLatin1String("report"))
        return QCoreApplication::translate("ludowell::LibraryModel", "Writing the support report…");
    if (command == QLatin1String("clean-downloads"))
        return QCoreApplication::translate("ludowell::LibraryModel", "Removing downloaded installers…");
    if (command == QLatin1String("clean-logs"))
        return QCoreApplication::translate("ludowell::LibraryModel", "Removing old logs…");
    if (command == QLatin1String("play")) return QCoreApplication::translate("ludowell::LibraryModel", "Checking your game…");
    return QCoreApplication::translate("ludowell::LibraryModel", "Opening Steam…");
}

// The notice for a step that succeeded; none for a command without one.
std::optional<QString> successNotice(const QString& command) {
    if (command == QLatin1String("setup") || command == QLatin1String("steam"))
        return QCoreApplication::translate("ludowell::LibraryModel", "Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.");
    if (command == QLatin1String("install"))
        return QCoreApplication::translate("ludowell::LibraryModel", "In Steam, confirm Install and keep the suggested folder. You can return here while the download "
                  "finishes.");
    if (command == QLatin1String("play"))
        return QCoreApplication::translate("ludowell::LibraryModel", "Your game is opening through Steam. If Steam asks for confirmation, choose Play.");
    if (command == QLatin1String("check")) return QCoreApplication::translate("ludowell::LibraryModel", "This Mac passed the compatibility checks.");
    if (command == QLatin1String("stop")) return QCoreApplication::translate("ludowell::LibraryModel", "This game's Steam session has closed.");
    return std::nullopt;
}

}  // namespace

QString LibraryModel::friendlyError(const QString& output) {
    for (const auto& row : kFailures)
        if (output.contains(QLatin1String(row.contained), Qt::CaseSensitive)) return tr(row.text);
    return tr(kFailureFallback);
}

void LibraryModel::primary() {
    if (preview_) {
        setNotice(tr("This is a design preview. No game or Steam process was started."));
        return;
    }
    switch (snapshot_.stage) {
        case GameStage::setup: {
            Runtime current = runtime();
            if (current.exists(current.marker("license-accepted")))
                launch(QStringLiteral("setup"));
            else
                setShowLicense(true);
            return;
        }
        case GameStage::signIn: return launch(QStringLiteral("steam"));
        case GameStage::install: return launch(QStringLiteral("install"));
        case GameStage::downloading: return launch(QStringLiteral("steam"));
        case GameStage::ready: return launch(QStringLiteral("play"));
        case GameStage::running: return launch(QStringLiteral("steam"));
    }
}

void LibraryModel::launch(const QString& command) { begin(command, {}); }

void LibraryModel::begin(const QString& command, const std::vector<std::string>& extra) {
    if (busy_ || preview_ || updateInstalling_) return;
    setBusy(true);
    setError({});
    setNotice({});
    setDetails({});
    setActivity(startingActivity(command));

    const Runtime current = runtime();
    CommandRun run;
    run.arguments = {"--command", command.toStdString(), "--game", profile_.id, "--data-root",
                     current.root().string()};
    // Read now: a later change of the preference leaves this child alone.
    if (hud_) run.arguments.push_back("--hud");
    run.arguments.insert(run.arguments.end(), extra.begin(), extra.end());
    try {
        run.executable = executable_.empty() ? platform::executable() : executable_;
    } catch (const std::exception& error) {
        completed(command, 1, QString::fromStdString(error.what()));
        return;
    }
    // The app was moved or removed under this window: no step can start,
    // and no network is to blame.
    if (std::error_code ec; !std::filesystem::exists(run.executable, ec)) {
        setBusy(false);
        setActivity({});
        setError(tr("Ludowell was updated or moved while this window was open. Quit and reopen Ludowell, then try "
                    "again."));
        setDetails(QStringLiteral("Could not start %1").arg(QString::fromStdString(run.executable.string())));
        return;
    }

    CommandEvents events;
    events.started = [this](pid_t pid) { child_ = pid; };
    events.chunk = [this](const QString& chunk) { received(chunk); };
    events.finished = [this, command](int status, const QString& output) { completed(command, status, output); };
    session_ = new CommandSession(std::move(run), std::move(events), this);
    session_->start();
}

void LibraryModel::received(const QString& chunk) {
    // Appended in place: a long output must not be copied once per chunk.
    details_ += chunk;
    emit detailsChanged();
    for (const auto& row : kActivities) {
        if (chunk.contains(QLatin1String(row.contained), Qt::CaseSensitive)) {
            setActivity(tr(row.text));
            break;
        }
    }
}

void LibraryModel::completed(const QString& command, int status, const QString& output) {
    child_.reset();
    if (session_) std::exchange(session_, nullptr)->deleteLater();  // it is still reporting
    setBusy(false);
    setActivity({});
    const bool stopped = std::exchange(stopping_, false);
    if (stopped) emit stoppingChanged();
    if (isSupportStep(command) && !(status != 0 && stopped)) {
        // These steps' own lines are written for the user.
        if (status == 0) setNotice(supportNotice(command, output, reportName_));
        else setError(supportError(output));
        if (status != 0) setDetails(output);
    } else if (status != 0 && stopped) {
        setNotice(tr("The step was stopped. Everything it finished is kept, so the next attempt picks up from there."));
        setDetails(output);
    } else if (status == 0) {
        if (auto notice = successNotice(command)) setNotice(*notice);
        if (command == QLatin1String("play")) {
            setLaunching(true);
            // Not cancelled by later events: each play clears it at its own time.
            QTimer::singleShot(timing_.launchingMilliseconds, this, [this] {
                setLaunching(false);
                refresh();
            });
        } else if (command == QLatin1String("stop")) {
            setLaunching(false);
        }
    } else {
        setError(friendlyError(output));
        setDetails(output);
    }
    emit stepEnded(command, status == 0, status == 0 ? notice_ : error_);
    refresh();
}

void LibraryModel::agree() {
    const Runtime current = runtime();
    try {
        current.make(current.root());
        const QString stamp =
            QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral(" +0000");
        atomicWrite(current.marker("license-accepted"), ("Accepted locally: " + stamp + "\n").toStdString());
    } catch (const std::exception&) {
        setError(tr("Your setup preference couldn't be saved. Please try again."));  // the sheet stays open
        return;
    }
    setShowLicense(false);
    launch(QStringLiteral("setup"));
}

void LibraryModel::confirmSignIn() {
    if (preview_) {
        setSnapshot({GameStage::install, std::nullopt});
        return;
    }
    const Runtime current = runtime();
    try {
        current.make(current.root());
        std::ofstream marker(current.marker("steam-sign-in-confirmed"), std::ios::binary | std::ios::trunc);
        marker.close();
        if (!marker) throw std::runtime_error("sign-in marker not written");
    } catch (const std::exception&) {
        setError(tr("We couldn't save your progress. Please try again."));
        return;
    }
    setNotice({});
    refresh();
}

void LibraryModel::reuseLegacy() {
    if (busy_ || preview_) return;
    const int answer = ask(
        tr("Use your existing Steam setup?"),
        tr("Ludowell will use the same Steam account, installed game and saves as Ambrovel. Close the old "
           "launcher before using this one. No files will be moved or deleted."),
        {tr("Use existing setup"), tr("Cancel")});
    if (answer != 0) return;
    preferences_.setDataRoot(profile_.id, legacyRoot());
    emit dataRootChanged();
    refresh();
}

void LibraryModel::openFolder(const fs::path& folder) {
    try {
        runtime().make(folder);
    } catch (const std::exception&) {
        // The browser explains a missing folder better than we could.
    }
    fileBrowser().open(folder);
}

void LibraryModel::logs() {
    if (!preview_) openFolder(runtime().logs());
}

void LibraryModel::showDataFolder() {
    if (!preview_) openFolder(runtime().root());
}

void LibraryModel::stop() {
    if (preview_) return;
    const int answer = ask(tr("Close this game's Steam session?"),
                           tr("Save and exit your game first. Continuing will close its game and Steam "
                              "processes, and unsaved progress will be lost."),
                           {tr("Cancel"), tr("Close session")});
    if (answer == 1) launch(QStringLiteral("stop"));
}

int LibraryModel::ask(const QString& message, const QString& informative, const QStringList& buttons) {
    return alerts_ ? alerts_->ask(message, informative, buttons) : -1;
}

FileBrowser& LibraryModel::fileBrowser() { return fileBrowser_ ? *fileBrowser_ : systemFileBrowser_; }

}  // namespace ludowell
