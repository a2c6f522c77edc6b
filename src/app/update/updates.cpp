#include "app/update/updates.h"

#include "app/model/assign_changed.h"
#include "app/model/library_model.h"
#include "app/preferences.h"
#include "core/process_tracking.h"

namespace ludowell {
namespace {

const char* const kCreated = QT_TRANSLATE_NOOP("ludowell::Updates", "Checks securely for new versions of Ludowell.");
const char* const kLatest = QT_TRANSLATE_NOOP("ludowell::Updates", "You're using the latest version of Ludowell.");
const char* const kFailed = QT_TRANSLATE_NOOP("ludowell::Updates", "Couldn't check for updates. Please try again later.");
const char* const kWaiting =
    QT_TRANSLATE_NOOP("ludowell::Updates", "Update ready. Save and close your game and Steam; Ludowell will then update.");
const char* const kInstalling = QT_TRANSLATE_NOOP("ludowell::Updates", "Installing update…");
// Sparkle ends a check that found nothing with this error, after
// reporting that nothing was found.
constexpr auto kFrameworkDomain = "SUSparkleErrorDomain";
constexpr int kNoUpdateError = 1001;
const char* const kRefusal = QT_TRANSLATE_NOOP(
    "ludowell::Updates",
    "Save and close your game and its Steam session before checking for updates. Ludowell will check again later.");

}  // namespace

Updates::Updates(LibraryModel* model, UpdateUserDriver* userDriver, Options options, QObject* parent)
    : Updates(
          model, [userDriver](UpdateServiceDelegate& delegate) { return makePlatformUpdateService(delegate, userDriver); },
          std::move(options), parent) {}

Updates::Updates(LibraryModel* model, const ServiceFactory& makeService, Options options, QObject* parent)
    : QObject(parent), model_(model), options_(std::move(options)), status_(tr(kCreated)) {
    timer_.setSingleShot(false);
    // Queued, so a tick never runs inside whatever the main thread is doing.
    connect(&timer_, &QTimer::timeout, this, [this] {
        QMetaObject::invokeMethod(this, &Updates::resumeWhenIdle, Qt::QueuedConnection);
    });
    if (model && model->preview()) return;
    start(makeService);
}

Updates::~Updates() = default;

void Updates::start(const ServiceFactory& makeService) {
    controller_ = makeService(*this);
    if (!controller_) return;
    // The service may report from any thread; the values are read again on
    // the main thread, so a late report never goes back in time.
    QPointer<Updates> self(this);
    observations_.push_back(controller_->observeCanCheckForUpdates([self](bool) {
        if (!self) return;
        QMetaObject::invokeMethod(
            self.data(),
            [self] {
                if (self && self->controller_) self->setCanCheck(self->controller_->canCheckForUpdates());
            },
            Qt::QueuedConnection);
    }));
    observations_.push_back(controller_->observeAutomaticallyChecksForUpdates([self](bool) {
        if (!self) return;
        QMetaObject::invokeMethod(
            self.data(),
            [self] {
                if (self && self->controller_)
                    self->setAutomaticMirror(self->controller_->automaticallyChecksForUpdates());
            },
            Qt::QueuedConnection);
    }));
    controller_->startUpdater();
}

void Updates::setAutomatic(bool on) {
    if (controller_) controller_->setAutomaticallyChecksForUpdates(on);
}

void Updates::check() {
    if (controller_) controller_->checkForUpdates();
}

std::vector<Runtime> Updates::allRuntimes() const {
    const auto& state = options_.startup;
    std::vector<GameProfile> profiles = state.profiles;
    if (profiles.empty() && model_) profiles.push_back(model_->profile());
    std::vector<Runtime> runtimes;
    for (const auto& profile : profiles) {
        if (model_) {
            runtimes.push_back(model_->runtime(profile));
            continue;
        }
        // The model has gone: choose the root the way it would have.
        std::optional<fs::path> root;
        if (state.overrideRoot)
            root = fs::path(*state.overrideRoot);
        else
            root = Preferences().dataRoot(profile.id);
        runtimes.emplace_back(root, std::nullopt, profile);
    }
    return runtimes;
}

bool Updates::sessionsActive() const {
    if (model_ && (model_->busy() || model_->launching())) return true;
    for (const auto& runtime : allRuntimes()) {
        if (hasLiveEngine(runtime.root())) return true;
        if (!runtime.exists(runtime.server())) continue;
        try {
            if (runtime.running()) return true;
        } catch (...) {
            return true;  // a server we cannot ask may still be alive
        }
    }
    return false;
}

bool Updates::acquireIfIdle() {
    if (lease_) return true;
    if (model_ && model_->busy()) return false;
    std::unique_ptr<UpdateLease> lease;
    try {
        lease = std::make_unique<UpdateLease>(true);
    } catch (...) {
        return false;
    }
    // Taken before the last look, so no command-mode run can slip in between.
    if (sessionsActive()) return false;
    lease_ = std::move(lease);
    setInstalling(true);
    return true;
}

bool Updates::permitTermination() {
    // An update left to install on quit is no open session to the service,
    // yet quitting would install it.
    if (waiting() || installing_ || installOnQuit_ || (controller_ && controller_->sessionInProgress()))
        return acquireIfIdle();
    return true;
}

void Updates::mayPerformUpdateCheck() {
    if (sessionsActive()) throw UpdateError("Ludowell.Updates", 1, tr(kRefusal).toStdString());
}

void Updates::didFindValidUpdate(const AppcastItem& item) {
    setStatus(tr("Ludowell %1 is available.").arg(QString::fromStdString(item.displayVersionString)));
}

void Updates::didNotFindUpdate() { setStatus(tr(kLatest)); }

void Updates::didAbortWithError(const UpdateError& error) {
    if (error.domain != kFrameworkDomain || error.code != kNoUpdateError) {
        setStatus(tr(kFailed));
        installOnQuit_ = false;
    }
    releaseGate();
}

void Updates::didFinishUpdateCycle(const std::optional<UpdateError>&) {
    if (!installing_) releaseGate();
}

bool Updates::shouldPostponeRelaunch(const AppcastItem&, std::function<void()> install) {
    if (acquireIfIdle()) return false;
    pending_ = std::move(install);
    setStatus(tr(kWaiting));
    if (model_) model_->setNotice(tr(kWaiting));
    timer_.start(options_.pollMilliseconds);
    return true;
}

bool Updates::willInstallUpdateOnQuit(const AppcastItem&, std::function<void()>) {
    // Quitting is what installs it, so the quit request decides.
    installOnQuit_ = true;
    return false;
}

void Updates::resumeWhenIdle() {
    if (!pending_) return;
    if (!acquireIfIdle()) return;
    auto install = std::exchange(pending_, nullptr);
    timer_.stop();
    setStatus(tr(kInstalling));
    install();
}

void Updates::releaseGate() {
    pending_ = nullptr;
    timer_.stop();
    setInstalling(false);
    lease_.reset();
}

void Updates::setStatus(const QString& text) {
    if (assignChanged(status_, text)) emit statusChanged();
}

void Updates::setInstalling(bool on) {
    if (model_) model_->setUpdateInstalling(on);
    if (assignChanged(installing_, on)) emit installingChanged();
}

void Updates::setCanCheck(bool on) {
    if (assignChanged(canCheck_, on)) emit canCheckChanged();
}

void Updates::setAutomaticMirror(bool on) {
    if (assignChanged(automatic_, on)) emit automaticChanged();
}

}  // namespace ludowell
