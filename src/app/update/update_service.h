#pragma once
// The update framework as the gate sees it: Sparkle's standard updater
// controller on the Mac, our own service on Linux. Both keep Sparkle's
// meaning for every call and callback below.
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace ludowell {

// An error of the update framework: a domain and code for callers that
// match on them, and a description written for the user.
class UpdateError : public std::exception {
public:
    UpdateError(std::string domain, int code, std::string description)
        : domain(std::move(domain)), code(code), description(std::move(description)) {}
    const char* what() const noexcept override { return description.c_str(); }

    std::string domain;
    int code;
    std::string description;
};

// One entry of the appcast.
struct AppcastItem {
    std::string title;
    std::string version;               // sparkle:version, compared with the bundle's
    std::string displayVersionString;  // sparkle:shortVersionString, else the version
    std::string url;                   // the enclosure's archive
    long long length = 0;              // the enclosure's declared size; 0 when not given
    std::string edSignature;           // base64 Ed25519 signature of the archive
    std::string minimumSystemVersion;  // sparkle:minimumSystemVersion; empty: any
    std::string maximumSystemVersion;  // sparkle:maximumSystemVersion; empty: any
};

// Called by the service on the main thread.
class UpdateServiceDelegate {
public:
    virtual ~UpdateServiceDelegate() = default;
    // Throws an UpdateError to refuse the check; the service then reports
    // its description through its own user interface.
    virtual void mayPerformUpdateCheck() = 0;
    virtual void didFindValidUpdate(const AppcastItem& item) = 0;
    virtual void didNotFindUpdate() = 0;
    virtual void didAbortWithError(const UpdateError& error) = 0;
    virtual void didFinishUpdateCycle(const std::optional<UpdateError>& error) = 0;
    // The update is downloaded, verified and ready. False installs and
    // relaunches at once; true makes the service wait until `install` is
    // called.
    virtual bool shouldPostponeRelaunch(const AppcastItem& item, std::function<void()> install) = 0;
    // A downloaded update the service will install by itself when the
    // application quits; `installNow` would install and relaunch at once.
    // True takes charge of installing it; false leaves it to the service.
    virtual bool willInstallUpdateOnQuit(const AppcastItem& item, std::function<void()> installNow) = 0;
    // Whether a ready update may be installed as the application quits:
    // only once nothing of the user's runs and nothing new can start.
    virtual bool mayInstallOnQuit() const = 0;
};

// A registration that lasts as long as the returned token is kept.
using Observation = std::shared_ptr<void>;

class UpdateService {
public:
    virtual ~UpdateService() = default;

    // Starts scheduled checks according to the service's own settings.
    virtual void startUpdater() = 0;
    virtual bool canCheckForUpdates() const = 0;
    virtual bool automaticallyChecksForUpdates() const = 0;
    virtual void setAutomaticallyChecksForUpdates(bool on) = 0;
    // True while a check, download or installation session is open,
    // including while an installation waits for its go-ahead.
    virtual bool sessionInProgress() const = 0;
    // A check the user asked for, with the service's own dialogs.
    virtual void checkForUpdates() = 0;

    // The handler gets the current value at once and then every change; it
    // may be called on any thread.
    Observation observeCanCheckForUpdates(std::function<void(bool)> handler);
    Observation observeAutomaticallyChecksForUpdates(std::function<void(bool)> handler);

protected:
    void canCheckForUpdatesChanged();
    void automaticallyChecksForUpdatesChanged();

private:
    using Handler = std::function<void(bool)>;
    Observation observe(std::vector<std::weak_ptr<Handler>>& list, std::function<void(bool)> handler,
                        bool current);
    void notify(std::vector<std::weak_ptr<Handler>>& list, bool value);

    std::mutex mutex_;
    std::vector<std::weak_ptr<Handler>> canCheckHandlers_;
    std::vector<std::weak_ptr<Handler>> automaticHandlers_;
};

// The service's own dialogs. The window implements them; without one the
// service answers for the user: it installs what it finds and shows nothing.
class UpdateUserDriver {
public:
    virtual ~UpdateUserDriver() = default;
    // Offers a found update; `reply(true)` downloads and installs it.
    virtual void showUpdateFound(const AppcastItem& item, std::function<void(bool install)> reply) = 0;
    // After a check the user asked for found nothing newer.
    virtual void showUpToDate() = 0;
    // A refused or failed check the user asked for, or a failed download or
    // installation the user accepted.
    virtual void showUpdateError(const std::string& message) = 0;
};

// This platform's update service, not yet started: Sparkle with its own
// dialogs on macOS, ours with `userDriver`'s elsewhere. The build includes
// exactly one definition.
std::unique_ptr<UpdateService> makePlatformUpdateService(UpdateServiceDelegate& delegate,
                                                         UpdateUserDriver* userDriver);

}  // namespace ludowell
