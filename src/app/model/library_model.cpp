#include "app/model/library_model.h"

#include <QThread>

#include "app/model/assign_changed.h"
#include "app/model/command_session.h"
#include "app/update/updates.h"
#include "core/process_tracking.h"
#include "platform/platform.h"
#include "runtime/library_state.h"
#include "core/files.h"

namespace ludowell {
namespace {

const char* const kPreviewError = QT_TRANSLATE_NOOP("ludowell::LibraryModel", "Steam couldn't connect. Check your internet connection, then try again.");

}  // namespace

fs::path LibraryModel::legacyRoot() { return platform::homeDir() / "Library/Application Support/Ambrovel"; }

LibraryModel::Options LibraryModel::optionsFrom(const StartupState& state) {
    Options options;
    options.profile = state.selectedProfile;
    if (state.overrideRoot) options.overrideRoot = fs::path(*state.overrideRoot);
    options.preview = state.preview;
    return options;
}

LibraryModel::LibraryModel(Options options, QObject* parent)
    : QObject(parent),
      profile_(std::move(options.profile)),
      preview_(options.preview ? std::optional<QString>(QString::fromStdString(*options.preview)) : std::nullopt),
      overrideRoot_(std::move(options.overrideRoot)),
      executable_(std::move(options.executable)),
      preferences_(options.settingsFile),
      timing_(options.timing),
      reportFolder_(std::move(options.reportFolder)) {
    hud_ = preferences_.overlay();
    storage_ = std::make_unique<Storage>([this] { return runtime(); },
                                         [this](const fs::path& folder) { fileBrowser().open(folder); });
    workers_.setMaxThreadCount(4);

    if (preview_) {
        // A fixed stage for design work: nothing is inspected or started.
        snapshot_.stage = gameStageFromRaw(preview_->toStdString()).value_or(GameStage::setup);
        if (*preview_ == QLatin1String("downloading")) snapshot_.download = 0.43;
        if (*preview_ == QLatin1String("error")) error_ = tr(kPreviewError);
        return;
    }
    refresh();
    timer_.setInterval(timing_.refreshMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &LibraryModel::refresh);
    timer_.start();
}

LibraryModel::~LibraryModel() {
    storage_.reset();
    timer_.stop();
    transferTimer_.stop();
    delete session_;
    workers_.waitForDone();
}

QVariantMap LibraryModel::profileMap() const {
    auto text = [](const std::string& value) { return QString::fromStdString(value); };
    return {
        {QStringLiteral("id"), text(profile_.id)},
        {QStringLiteral("title"), text(profile_.title)},
        {QStringLiteral("edition"), text(profile_.edition)},
        {QStringLiteral("subtitle"), text(profile_.subtitle)},
        {QStringLiteral("steamID"), text(profile_.steamID)},
        {QStringLiteral("installFolder"), text(profile_.installFolder)},
        {QStringLiteral("executable"), text(profile_.executable)},
        {QStringLiteral("artwork"), text(profile_.artwork)},
        {QStringLiteral("optimization"), text(profile_.optimization)},
    };
}

QString LibraryModel::stage() const { return QString::fromStdString(rawValue(snapshot_.stage)); }

void LibraryModel::setUpdates(Updates* gate) {
    if (gate == updates_) return;
    updates_ = gate;
    if (gate) gate->setParent(this);
    emit updatesChanged();
}

Runtime LibraryModel::runtime() const { return runtime(profile_); }

Runtime LibraryModel::runtime(const GameProfile& profile) const {
    return Runtime(overrideRoot_ ? overrideRoot_ : preferences_.dataRoot(profile.id), std::nullopt, profile);
}

QString LibraryModel::dataRoot() const { return QString::fromStdString(runtime().root().string()); }

int LibraryModel::step() const {
    switch (snapshot_.stage) {
        case GameStage::setup: return 0;
        case GameStage::signIn: return 1;
        default: return 2;
    }
}

bool LibraryModel::playable() const {
    return snapshot_.stage == GameStage::ready || snapshot_.stage == GameStage::running;
}

QString LibraryModel::status() const {
    if (busy_) return tr("Working on it");
    switch (snapshot_.stage) {
        case GameStage::setup: return tr("Setup needed");
        case GameStage::signIn: return tr("Sign in to Steam");
        case GameStage::install: return tr("Ready to install");
        case GameStage::downloading: return tr("Installing");
        case GameStage::ready: return tr("Ready to play");
        case GameStage::running: return tr("Running");
    }
    return {};
}

QString LibraryModel::primaryTitle() const {
    if (busy_) return activity_.isEmpty() ? tr("Getting ready…") : activity_;
    if (launching_) return tr("Opening your game…");
    switch (snapshot_.stage) {
        case GameStage::setup: return tr("Get started");
        case GameStage::signIn: return tr("Open Steam to sign in");
        case GameStage::install: return tr("Install with Steam");
        case GameStage::downloading: return tr("Open Steam");
        case GameStage::ready: return tr("Play now");
        case GameStage::running: return tr("Open Steam");
    }
    return {};
}

QString LibraryModel::primaryIcon() const {
    switch (snapshot_.stage) {
        case GameStage::setup: return QStringLiteral("arrow.right");
        case GameStage::install: return QStringLiteral("arrow.down.to.line");
        case GameStage::ready: return QStringLiteral("play.fill");
        case GameStage::signIn:
        case GameStage::downloading:
        case GameStage::running: return QStringLiteral("arrow.up.forward");
    }
    return {};
}

// Setters: each notifies only on a real change, so bound views redraw once.

void LibraryModel::setPage(const QString& page) {
    if (assignChanged(page_, page)) emit pageChanged();
}

void LibraryModel::setError(const QString& error) {
    if (assignChanged(error_, error)) emit errorChanged();
}

void LibraryModel::setNotice(const QString& notice) {
    if (assignChanged(notice_, notice)) emit noticeChanged();
}

void LibraryModel::setShowLicense(bool show) {
    if (assignChanged(showLicense_, show)) emit showLicenseChanged();
}

void LibraryModel::setShowDiagnostics(bool show) {
    if (assignChanged(showDiagnostics_, show)) emit showDiagnosticsChanged();
}

void LibraryModel::setHud(bool on) {
    // Stored on every assignment.
    preferences_.setOverlay(on);
    if (assignChanged(hud_, on)) emit hudChanged();
}

void LibraryModel::setUpdateInstalling(bool installing) {
    if (assignChanged(updateInstalling_, installing)) emit updateInstallingChanged();
}

void LibraryModel::setSnapshot(const LibrarySnapshot& snapshot) {
    if (!assignChanged(snapshot_, snapshot)) return;
    emit snapshotChanged();
    emit presentationChanged();
}

void LibraryModel::setBusy(bool busy) {
    if (!assignChanged(busy_, busy)) return;
    emit busyChanged();
    emit presentationChanged();
}

void LibraryModel::setActivity(const QString& activity) {
    if (!assignChanged(activity_, activity)) return;
    emit activityChanged();
    emit presentationChanged();
    watchTransfer();
}

void LibraryModel::setDetails(const QString& details) {
    if (assignChanged(details_, details)) emit detailsChanged();
}

void LibraryModel::setLaunching(bool launching) {
    if (!assignChanged(launching_, launching)) return;
    emit launchingChanged();
    emit presentationChanged();
}

void LibraryModel::setLegacyAvailable(bool available) {
    if (assignChanged(legacyAvailable_, available)) emit legacyAvailableChanged();
}

void LibraryModel::setServerPresent(bool present) {
    if (assignChanged(serverPresent_, present)) emit serverPresentChanged();
}

void LibraryModel::refresh() {
    if (preview_ || busy_ || refreshInFlight_) return;
    refreshInFlight_ = true;
    // The worker gets its own runtime and reads nothing of the model.
    Runtime inspected = runtime();
    std::string requestedID = profile_.id;
    workers_.start([this, inspected = std::move(inspected), requestedID = std::move(requestedID)] {
        QThread::currentThread()->setPriority(QThread::LowPriority);
        Inspection result = inspect(inspected);
        QMetaObject::invokeMethod(this, [this, result, requestedID] { applyInspection(result, requestedID); },
                                  Qt::QueuedConnection);
    });
}

LibraryModel::Inspection LibraryModel::inspect(const Runtime& runtime) {
    Inspection result;
    try {
        result.snapshot = inspectLibrary(runtime);
        if (result.snapshot.stage == GameStage::ready && isGameRunning(runtime))
            result.snapshot.stage = GameStage::running;
    } catch (const std::exception&) {
        // A file that vanished mid-read: the next tick looks again.
    }
    // An earlier launcher's complete setup, offered only while this game's
    // own data root has none and is not that folder already.
    const fs::path legacy = legacyRoot();
    result.legacy = runtime.profile().id == "aoe4" && !runtime.exists(runtime.marker("runtime-ready")) &&
                    runtime.exists(legacy / "runtime-ready") && runtime.root() != standardizedPath(legacy);
    result.server = runtime.exists(runtime.server());
    return result;
}

void LibraryModel::applyInspection(const Inspection& result, const std::string& requestedID) {
    refreshInFlight_ = false;
    if (profile_.id != requestedID) return;  // the user switched games meanwhile
    setSnapshot(result.snapshot);
    setLegacyAvailable(result.legacy);
    setServerPresent(result.server);
}

void LibraryModel::select(const GameProfile& profile) {
    if (busy_) return;
    profile_ = profile;
    emit profileChanged();
    emit dataRootChanged();
    setError({});
    setNotice({});
    setLaunching(false);
    refresh();
}

}  // namespace ludowell
