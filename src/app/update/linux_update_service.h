#pragma once
// Our own update service where Sparkle does not exist. It reads the same
// appcast, checks the same Ed25519 signatures, asks the same delegate and
// replaces the bundle folder the way Sparkle's installer does.
//
// Configuration: the bundle's "Contents/Info.plist", under Sparkle's keys:
// SUFeedURL (HTTPS only), SUPublicEDKey (base64 of the 32-byte Ed25519
// key; without one updates are off), CFBundleVersion (compared with
// sparkle:version), SUEnableAutomaticChecks (before the user chooses) and
// SUScheduledCheckInterval (seconds, at least an hour). The user's choice
// and the time of the last check are kept in QSettings under Sparkle's
// key names.
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/update/tool_run.h"
#include "app/update/update_service.h"
#include "platform/host.h"


namespace ludowell {

class LinuxUpdateService : public QObject, public UpdateService {
    Q_OBJECT
public:
    struct Configuration {
        std::string feedURL;
        std::string publicEDKey;
        std::string bundleVersion;
        bool automaticChecks = true;
        int checkInterval = 86400;
    };
    // The configuration shipped in `bundle`; throws UpdateError saying why
    // it is missing or unusable.
    static Configuration readConfiguration(const std::filesystem::path& bundle);

    struct Options {
        std::filesystem::path bundle;      // the folder that an update replaces
        std::filesystem::path executable;  // inside `bundle`; its twin in the new bundle is started
        std::filesystem::path cache;       // where archives are downloaded
        std::vector<std::string> relaunchArguments;
        std::function<void()> terminate;   // ends this process once the new one runs
        UpdateUserDriver* userDriver = nullptr;
        // The system an item's minimum and maximum versions are held against.
        std::string systemVersion = platform::host().osVersion();

        // This process's bundle, the per-user cache, and the arguments it
        // was started with.
        static Options standard(UpdateUserDriver* userDriver);
    };

    LinuxUpdateService(UpdateServiceDelegate& delegate, Options options);
    ~LinuxUpdateService() override;

    void startUpdater() override;
    bool canCheckForUpdates() const override;
    bool automaticallyChecksForUpdates() const override;
    void setAutomaticallyChecksForUpdates(bool on) override;
    bool sessionInProgress() const override;
    void checkForUpdates() override;

private:
    enum class Stage { idle, checking, offering, downloading, unpacking, ready, installing };
    using ToolDone = std::function<void(int status, const QByteArray& output, const QString& problem)>;

    void beginCheck(bool userInitiated);
    void feedArrived(int status, const QByteArray& output, const QString& problem);
    void download();
    void downloaded(int status, const QString& problem);
    void unpacked(int status, const QString& problem);
    void relaunchNow(bool relaunch);
    void installStaged(bool relaunch);

    // Removes what an interrupted update left beside the bundle, unless
    // another running copy still works in it.
    void sweepInterruptedUpdates();
    bool makeStaging();
    void dropStaging();

    void abort(const UpdateError& error);
    void finish();
    void setStage(Stage stage);
    void clearDownloads();
    void scheduleNextCheck(int delaySeconds = -1);
    void runTool(const QString& program, const QStringList& arguments, ToolDone done, ToolRun::Output output = {});
    // The unpacked app once it passes every check; throws UpdateError.
    std::filesystem::path stagedApp() const;

    UpdateServiceDelegate& delegate_;
    Options options_;
    std::optional<Configuration> configuration_;
    std::string configurationProblem_;
    bool started_ = false;
    Stage stage_ = Stage::idle;
    bool userInitiated_ = false;
    bool accepted_ = false;  // the user chose to install this cycle's update
    int cycle_ = 0;          // makes handlers of an ended cycle do nothing
    std::optional<AppcastItem> item_;
    std::filesystem::path archive_;
    std::filesystem::path staging_;
    int stagingLock_ = -1;  // held while `staging_` is ours
    QTimer schedule_;
    QPointer<ToolRun> tool_;
};

}  // namespace ludowell
