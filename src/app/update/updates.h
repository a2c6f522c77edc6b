#pragma once
// The update gate: an application update installs only while no game,
// Steam or setup session of any runtime is alive. It refuses checks while
// sessions run, keeps a found update waiting until they end, and holds the
// exclusive update lease from the moment it lets the installation go on.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "app/startup_state.h"
#include "app/update/update_service.h"
#include "engine/update_lease.h"
#include "runtime/runtime.h"

namespace ludowell {

class LibraryModel;

struct UpdatesOptions {
    // The catalog and --data-root: every game's sessions hold an update
    // off. Without a catalog, the model's game alone.
    StartupState startup;
    int pollMilliseconds = 5000;  // the look while an update waits
};

class Updates : public QObject, public UpdateServiceDelegate {
    Q_OBJECT
    Q_PROPERTY(bool automatic READ automatic NOTIFY automaticChanged)
    Q_PROPERTY(bool canCheck READ canCheck NOTIFY canCheckChanged)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool installing READ installing NOTIFY installingChanged)

public:
    using ServiceFactory = std::function<std::unique_ptr<UpdateService>(UpdateServiceDelegate&)>;

    using Options = UpdatesOptions;

    // The platform's update service (Sparkle on the Mac, our own elsewhere);
    // `userDriver` shows our own service's dialogs and is not owned.
    explicit Updates(LibraryModel* model, UpdateUserDriver* userDriver = nullptr, Options options = {},
                     QObject* parent = nullptr);
    // Any service; tests script one.
    Updates(LibraryModel* model, const ServiceFactory& makeService, Options options = {}, QObject* parent = nullptr);
    ~Updates() override;

    bool automatic() const { return automatic_; }
    bool canCheck() const { return canCheck_; }
    QString status() const { return status_; }
    bool installing() const { return installing_; }
    bool waiting() const { return static_cast<bool>(pending_); }

    Q_INVOKABLE void setAutomatic(bool on);
    // Asked by the shell before quitting; true may mean the lease was taken.
    Q_INVOKABLE bool permitTermination();

    // One runtime per catalog entry, with the data root the model would use.
    std::vector<Runtime> allRuntimes() const;
    bool sessionsActive() const;
    // Takes the exclusive lease when everything is idle.
    bool acquireIfIdle();

    // The update service's delegate.
    void mayPerformUpdateCheck() override;
    void didFindValidUpdate(const AppcastItem& item) override;
    void didNotFindUpdate() override;
    void didAbortWithError(const UpdateError& error) override;
    void didFinishUpdateCycle(const std::optional<UpdateError>& error) override;
    bool shouldPostponeRelaunch(const AppcastItem& item, std::function<void()> install) override;
    bool willInstallUpdateOnQuit(const AppcastItem& item, std::function<void()> installNow) override;
    bool mayInstallOnQuit() const override { return lease_ != nullptr; }

public slots:
    // A user-initiated check; also the "Check for Updates…" menu item.
    void check();

signals:
    void automaticChanged();
    void canCheckChanged();
    void statusChanged();
    void installingChanged();

private:
    void start(const ServiceFactory& makeService);
    void resumeWhenIdle();
    void releaseGate();
    void setStatus(const QString& text);
    void setInstalling(bool on);
    void setCanCheck(bool on);
    void setAutomaticMirror(bool on);

    QPointer<LibraryModel> model_;
    const Options options_;
    std::unique_ptr<UpdateService> controller_;
    std::vector<Observation> observations_;
    std::function<void()> pending_;
    std::unique_ptr<UpdateLease> lease_;
    QTimer timer_;
    bool automatic_ = false;
    bool canCheck_ = false;
    QString status_;
    bool installing_ = false;
    // The service will install a downloaded update as the app quits.
    bool installOnQuit_ = false;
};

}  // namespace ludowell
