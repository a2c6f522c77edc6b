#pragma once
// The one observable model behind the window: the game shown, its last
// inspected stage, the command-mode child that is running and its outcome.
// Every property is read and written on the main thread; inspections and
// children run on workers and hand their results back to it.
#include <sys/types.h>

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <QVariantMap>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/preferences.h"
#include "app/startup_state.h"
#include "app/model/download_watch.h"
#include "app/model/storage.h"
#include "app/model/window_services.h"
#include "core/game_profile.h"
#include "core/library_snapshot.h"
#include "runtime/runtime.h"

namespace ludowell {

class CommandSession;
class Updates;

class LibraryModel : public QObject {
    Q_OBJECT
    Q_MOC_INCLUDE("app/update/updates.h")
    // Optional texts (error, notice) are empty when there is none.
    Q_PROPERTY(QVariantMap profile READ profileMap NOTIFY profileChanged)
    Q_PROPERTY(QString stage READ stage NOTIFY snapshotChanged)
    Q_PROPERTY(double download READ download NOTIFY snapshotChanged)
    Q_PROPERTY(QString page READ page WRITE setPage NOTIFY pageChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(QString activity READ activity NOTIFY activityChanged)
    Q_PROPERTY(QString error READ error WRITE setError NOTIFY errorChanged)
    Q_PROPERTY(QString details READ details NOTIFY detailsChanged)
    // The details with the child's known lines in the user's language.
    Q_PROPERTY(QString localDetails READ localDetails NOTIFY detailsChanged)
    Q_PROPERTY(QString notice READ notice WRITE setNotice NOTIFY noticeChanged)
    Q_PROPERTY(bool showLicense READ showLicense WRITE setShowLicense NOTIFY showLicenseChanged)
    Q_PROPERTY(bool showDiagnostics READ showDiagnostics WRITE setShowDiagnostics NOTIFY showDiagnosticsChanged)
    Q_PROPERTY(bool hud READ hud WRITE setHud NOTIFY hudChanged)
    Q_PROPERTY(bool legacyAvailable READ legacyAvailable NOTIFY legacyAvailableChanged)
    Q_PROPERTY(bool launching READ launching NOTIFY launchingChanged)
    Q_PROPERTY(bool updateInstalling READ updateInstalling WRITE setUpdateInstalling NOTIFY updateInstallingChanged)
    Q_PROPERTY(ludowell::Updates* updates READ updates NOTIFY updatesChanged)
    Q_PROPERTY(QString preview READ previewText CONSTANT)
    Q_PROPERTY(QString dataRoot READ dataRoot NOTIFY dataRootChanged)
    Q_PROPERTY(bool serverPresent READ serverPresent NOTIFY serverPresentChanged)
    Q_PROPERTY(QString status READ status NOTIFY presentationChanged)
    Q_PROPERTY(QString primaryTitle READ primaryTitle NOTIFY presentationChanged)
    Q_PROPERTY(QString primaryIcon READ primaryIcon NOTIFY presentationChanged)
    Q_PROPERTY(int step READ step NOTIFY presentationChanged)
    Q_PROPERTY(bool playable READ playable NOTIFY presentationChanged)
    // A pinned download of the running step, read from its working file.
    Q_PROPERTY(bool transferShown READ transferShown NOTIFY transferChanged)
    Q_PROPERTY(QString transferText READ transferText NOTIFY transferChanged)
    Q_PROPERTY(double transferFraction READ transferFraction NOTIFY transferChanged)  // -1: unknown
    Q_PROPERTY(QString transferProblem READ transferProblem NOTIFY transferChanged)
    // The user asked the running step to stop; it is winding down.
    Q_PROPERTY(bool stopping READ stopping NOTIFY stoppingChanged)
    // The Storage card's measurement of the data root.
    Q_PROPERTY(ludowell::Storage* storage READ storage CONSTANT)

public:
    // Intervals; tests shorten them.
    struct Timing {
        int refreshMilliseconds = 5000;
        int launchingMilliseconds = 25000;
        int transferMilliseconds = 500;
    };

    struct Options {
        GameProfile profile = GameProfile::aoeIV();
        std::optional<std::filesystem::path> overrideRoot;  // --data-root
        std::optional<std::string> preview;                 // --preview-state
        std::filesystem::path executable;                   // empty: this program
        QString settingsFile;  // an INI file; empty: the application's user defaults
        std::filesystem::path reportFolder;  // empty: the user's Downloads folder
        Timing timing;
    };
    // The model's options for the window the entry point opens.
    static Options optionsFrom(const StartupState& state);

    // Outside preview mode, inspects at once and then on every timer tick.
    explicit LibraryModel(Options options, QObject* parent = nullptr);
    // Waits for an inspection, or a child until it has ended.
    ~LibraryModel() override;

    // Not owned; without alerts every question counts as unanswered, so
    // nothing is changed or started.
    void setAlerts(Alerts* alerts) { alerts_ = alerts; }
    void setFileBrowser(FileBrowser* browser) { fileBrowser_ = browser; }

    // State.
    const GameProfile& profile() const { return profile_; }
    QVariantMap profileMap() const;
    const LibrarySnapshot& snapshot() const { return snapshot_; }
    QString stage() const;
    double download() const { return snapshot_.download.value_or(-1); }  // -1: no progress known
    QString page() const { return page_; }
    bool busy() const { return busy_; }
    QString activity() const { return activity_; }
    QString error() const { return error_; }
    QString details() const { return details_; }
    QString localDetails() const;
    QString notice() const { return notice_; }
    bool showLicense() const { return showLicense_; }
    bool showDiagnostics() const { return showDiagnostics_; }
    bool hud() const { return hud_; }
    bool legacyAvailable() const { return legacyAvailable_; }
    bool launching() const { return launching_; }
    bool updateInstalling() const { return updateInstalling_; }
    Updates* updates() const { return updates_; }
    const std::optional<QString>& preview() const { return preview_; }
    QString previewText() const { return preview_.value_or(QString()); }
    std::optional<pid_t> child() const { return child_; }
    bool refreshInFlight() const { return refreshInFlight_; }
    bool serverPresent() const { return serverPresent_; }
    bool transferShown() const { return transfer_.shown; }
    QString transferText() const;
    double transferFraction() const;
    QString transferProblem() const;
    bool stopping() const { return stopping_; }
    Storage* storage() const { return storage_.get(); }

    void setPage(const QString& page);
    void setError(const QString& error);
    void setNotice(const QString& notice);
    void setShowLicense(bool show);
    void setShowDiagnostics(bool show);
    void setHud(bool on);  // stored under "showFPS" at once
    void setUpdateInstalling(bool installing);
    // The update gate; the model owns it from here on.
    void setUpdates(Updates* gate);

    // Derived on every read.
    Runtime runtime() const;
    // The runtime the model would use for any catalog entry.
    Runtime runtime(const GameProfile& profile) const;
    QString dataRoot() const;
    int step() const;
    bool playable() const;
    QString status() const;
    QString primaryTitle() const;
    QString primaryIcon() const;

    // Inspects in the background unless an inspection or a child runs.
    Q_INVOKABLE void refresh();
    // Shows another game; ignored while a step runs.
    void select(const GameProfile& profile);

    // Actions.
    Q_INVOKABLE void primary();
    Q_INVOKABLE void launch(const QString& command);
    Q_INVOKABLE void agree();
    Q_INVOKABLE void confirmSignIn();
    Q_INVOKABLE void reuseLegacy();
    Q_INVOKABLE void logs();
    Q_INVOKABLE void showDataFolder();
    Q_INVOKABLE void stop();
    // Asks, then stops the running step: its child ends the tool it runs
    // and fails, leaving the data root as a crash at that point would.
    Q_INVOKABLE void cancel();
    // Writes a support report into the Downloads folder, as a step.
    Q_INVOKABLE void saveSupportReport();
    // Each asks first, saying what is freed, then runs as a step.
    Q_INVOKABLE void cleanDownloads();
    Q_INVOKABLE void cleanLogs();
    Q_INVOKABLE void dismissError() { setError({}); }
    Q_INVOKABLE void dismissNotice() { setNotice({}); }
    static QString friendlyError(const QString& output);
    // Where an earlier launcher keeps its setup, offered for reuse.
    static std::filesystem::path legacyRoot();

signals:
    void profileChanged();
    void snapshotChanged();
    void pageChanged();
    void busyChanged();
    void activityChanged();
    void errorChanged();
    void detailsChanged();
    void noticeChanged();
    void showLicenseChanged();
    void showDiagnosticsChanged();
    void hudChanged();
    void legacyAvailableChanged();
    void launchingChanged();
    void updateInstallingChanged();
    void updatesChanged();
    void dataRootChanged();
    void serverPresentChanged();
    // status, primaryTitle, primaryIcon, step and playable.
    void presentationChanged();
    void transferChanged();
    void stoppingChanged();
    // A step's child has ended; `message` is the notice or error it left.
    void stepEnded(const QString& command, bool succeeded, const QString& message);

private:
    struct Inspection {
        LibrarySnapshot snapshot;
        bool legacy = false;
        bool server = false;
    };
    static Inspection inspect(const Runtime& runtime);
    void applyInspection(const Inspection& result, const std::string& requestedID);

    void setSnapshot(const LibrarySnapshot& snapshot);
    void setBusy(bool busy);
    void setActivity(const QString& activity);
    void setDetails(const QString& details);
    void setLaunching(bool launching);
    void setLegacyAvailable(bool available);
    void setServerPresent(bool present);
    void watchTransfer();
    void sampleTransfer();

    void begin(const QString& command, const std::vector<std::string>& extra);
    void clean(const QString& command, const std::vector<std::filesystem::path>& files, const QString& message,
               const QString& informative, const QString& button);
    void received(const QString& chunk);
    void completed(const QString& command, int status, const QString& output);
    int ask(const QString& message, const QString& informative, const QStringList& buttons);
    FileBrowser& fileBrowser();
    void openFolder(const std::filesystem::path& folder);

    GameProfile profile_;
    LibrarySnapshot snapshot_;
    QString page_ = QStringLiteral("Library");
    bool busy_ = false;
    QString activity_;
    QString error_;
    QString details_;
    QString notice_;
    bool showLicense_ = false;
    bool showDiagnostics_ = false;
    bool hud_ = false;
    bool legacyAvailable_ = false;
    bool launching_ = false;
    bool updateInstalling_ = false;
    bool serverPresent_ = false;
    Updates* updates_ = nullptr;
    std::optional<pid_t> child_;
    CommandSession* session_ = nullptr;  // the running step's child, a child object
    bool refreshInFlight_ = false;
    const std::optional<QString> preview_;
    const std::optional<std::filesystem::path> overrideRoot_;
    const std::filesystem::path executable_;
    Preferences preferences_;
    const Timing timing_;
    Alerts* alerts_ = nullptr;
    FileBrowser* fileBrowser_ = nullptr;
    SystemFileBrowser systemFileBrowser_;
    QTimer timer_;
    std::optional<DownloadWatch> watch_;
    DownloadWatch::Reading transfer_;
    QTimer transferTimer_;
    bool stopping_ = false;
    const std::filesystem::path reportFolder_;
    QString reportName_;  // of the report the running step writes
    std::unique_ptr<Storage> storage_;
    // Inspections; the destructor waits for them, since their hand-backs
    // post to this object.
    QThreadPool workers_;
};

}  // namespace ludowell
