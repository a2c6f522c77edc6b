#include "app/update/linux_update_service.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "app/update/appcast.h"
#include "app/update/staged_bundle.h"
#include "app/update/tool_run.h"
#include "platform/platform.h"
#include "platform/subprocess.h"

namespace ludowell {
namespace {

namespace fs = std::filesystem;
using namespace appcast;

constexpr auto kAutomaticKey = "SUEnableAutomaticChecks";
constexpr auto kLastCheckKey = "SULastCheckTime";
// A scheduled check refused because a game runs is tried again this soon.
constexpr int kRetryAfterRefusal = 3600;
// Feeds are a few kilobytes; an endless one must not fill the memory.
constexpr qint64 kFeedLimit = 4 << 20;
// An archive that declares no length still has an end.
constexpr qint64 kArchiveLimit = 1LL << 30;

const QString kCurl = QStringLiteral("/usr/bin/curl");
const QString kTar = QStringLiteral("/usr/bin/tar");
const QString kUnzip = QStringLiteral("/usr/bin/unzip");

UpdateError failure(ErrorCode code, std::string text) { return UpdateError(kErrorDomain, code, std::move(text)); }
UpdateError failure(ErrorCode code, const QString& text) { return failure(code, text.toStdString()); }

QString qpath(const fs::path& path) { return QString::fromStdString(path.string()); }

// curl's own last line says what went wrong ("curl: (22) … 404").
std::string lastLine(const QString& text) {
    auto lines = text.trimmed().split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? std::string() : lines.last().trimmed().toStdString();
}

// The system's own reason in brackets, when it gave one.
UpdateError failure(ErrorCode code, const QString& withReason, const QString& without, const std::string& reason) {
    return failure(code, (reason.empty() ? without : withReason.arg(QString::fromStdString(reason))).toStdString());
}

QStringList curlBase() {
    return {"--fail", "--silent", "--show-error", "--location", "--proto", "=https", "--proto-redir", "=https",
            "--connect-timeout", "30"};
}

std::string archiveSuffix(const std::string& url) {
    auto path = url.substr(0, url.find_first_of("?#"));
    for (const char* suffix : {".tar.xz", ".tar.gz", ".tar.bz2", ".tbz", ".tgz", ".txz", ".tar", ".zip"})
        if (path.ends_with(suffix)) return suffix;
    return ".tar.xz";
}

}  // namespace

std::unique_ptr<UpdateService> makePlatformUpdateService(UpdateServiceDelegate& delegate,
                                                         UpdateUserDriver* userDriver) {
    return std::make_unique<LinuxUpdateService>(delegate, LinuxUpdateService::Options::standard(userDriver));
}

LinuxUpdateService::Options LinuxUpdateService::Options::standard(UpdateUserDriver* userDriver) {
    Options options;
    options.bundle = platform::host().bundle();
    options.executable = platform::executable();
    auto cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation).toStdString();
    options.cache = (cache.empty() ? platform::temporaryDir() : fs::path(cache)) / "Ludowell" / "Updates";
    if (auto* app = QCoreApplication::instance())
        for (const auto& argument : app->arguments().mid(1)) options.relaunchArguments.push_back(argument.toStdString());
    options.terminate = [] { QCoreApplication::exit(0); };
    options.userDriver = userDriver;
    return options;
}

LinuxUpdateService::LinuxUpdateService(UpdateServiceDelegate& delegate, Options options)
    : delegate_(delegate), options_(std::move(options)) {
    try {
        configuration_ = readConfiguration(options_.bundle);
    } catch (const UpdateError& error) {
        configurationProblem_ = error.description;
    }
    schedule_.setSingleShot(true);
    connect(&schedule_, &QTimer::timeout, this, [this] {
        if (stage_ == Stage::idle) beginCheck(false);
    });
    sweepInterruptedUpdates();
    // Quitting while a ready update waits installs it, without a relaunch,
    // but only once the gate has let it go: any other way out keeps it
    // staged, and the next check offers it again.
    if (auto* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            if (stage_ != Stage::ready || !delegate_.mayInstallOnQuit()) return;
            try {
                installStaged(false);
            } catch (const UpdateError&) {
                // The current version stays; the next start offers the update again.
            }
        });
}

LinuxUpdateService::~LinuxUpdateService() {
    delete tool_;  // ends a tool still running
    if (stagingLock_ >= 0) ::close(stagingLock_);
}

void LinuxUpdateService::startUpdater() {
    started_ = true;
    scheduleNextCheck();
}

bool LinuxUpdateService::canCheckForUpdates() const { return configuration_ && stage_ == Stage::idle; }

bool LinuxUpdateService::automaticallyChecksForUpdates() const {
    const bool fallback = configuration_ && configuration_->automaticChecks;
    return QSettings().value(kAutomaticKey, fallback).toBool();
}

void LinuxUpdateService::setAutomaticallyChecksForUpdates(bool on) {
    if (on == automaticallyChecksForUpdates()) return;
    QSettings().setValue(kAutomaticKey, on);
    automaticallyChecksForUpdatesChanged();
    scheduleNextCheck();
}

bool LinuxUpdateService::sessionInProgress() const { return stage_ != Stage::idle; }

void LinuxUpdateService::checkForUpdates() {
    if (stage_ != Stage::idle) return;  // the open session's dialog is already up
    beginCheck(true);
}

void LinuxUpdateService::beginCheck(bool userInitiated) {
    schedule_.stop();
    if (!configuration_) {
        if (userInitiated && options_.userDriver) options_.userDriver->showUpdateError(configurationProblem_);
        return;
    }
    try {
        delegate_.mayPerformUpdateCheck();
    } catch (const UpdateError& refusal) {
        if (userInitiated) {
            if (options_.userDriver) options_.userDriver->showUpdateError(refusal.description);
            scheduleNextCheck();
        } else {
            scheduleNextCheck(kRetryAfterRefusal);
        }
        return;
    }
    ++cycle_;
    userInitiated_ = userInitiated;
    accepted_ = false;
    item_.reset();
    setStage(Stage::checking);
    QSettings().setValue(kLastCheckKey, QDateTime::currentDateTimeUtc());
    runTool(kCurl, curlBase() << "--max-time" << "60" << QString::fromStdString(configuration_->feedURL),
            [this](int status, const QByteArray& output, const QString& problem) {
                feedArrived(status, output, problem);
            },
            {kFeedLimit});
}

void LinuxUpdateService::feedArrived(int status, const QByteArray& output, const QString& problem) {
    if (status == ToolRun::kTooLarge)
        return abort(
            failure(feedInvalid, tr("The update feed is larger than any feed Ludowell reads, so it was not read.")));
    if (status != 0)
        return abort(failure(feedUnreachable, tr("Ludowell couldn't reach the update server (%1)."),
                             tr("Ludowell couldn't reach the update server."), lastLine(problem)));
    std::optional<AppcastItem> found;
    try {
        found = newest(parse(output.toStdString()), configuration_->bundleVersion, options_.systemVersion);
    } catch (const UpdateError& error) {
        return abort(error);
    }
    if (!found) {
        delegate_.didNotFindUpdate();
        if (userInitiated_ && options_.userDriver) options_.userDriver->showUpToDate();
        return finish();
    }
    item_ = found;
    delegate_.didFindValidUpdate(*item_);
    if (!options_.userDriver) {
        accepted_ = true;
        return download();
    }
    setStage(Stage::offering);
    options_.userDriver->showUpdateFound(*item_, [self = QPointer(this), cycle = cycle_](bool install) {
        if (!self || self->cycle_ != cycle || self->stage_ != Stage::offering) return;
        if (!install) return self->finish();
        self->accepted_ = true;
        self->download();
    });
}

void LinuxUpdateService::download() {
    setStage(Stage::downloading);
    // The cache folder is ours alone; whatever an earlier run left goes.
    std::error_code ec;
    fs::remove_all(options_.cache, ec);
    fs::create_directories(options_.cache, ec);
    if (ec)
        return abort(failure(downloadFailed, tr("Ludowell couldn't store the update (%1)."),
                             tr("Ludowell couldn't store the update."), ec.message()));
    archive_ = options_.cache / ("Ludowell-" + item_->version + archiveSuffix(item_->url));
    // Never more than the feed announced: curl refuses a longer declared
    // body, and the bytes it passes on are counted.
    const qint64 limit = item_->length > 0 ? item_->length : kArchiveLimit;
    runTool(kCurl,
            curlBase() << "--speed-limit" << "1024" << "--speed-time" << "60" << "--max-filesize"
                       << QString::number(limit) << QString::fromStdString(item_->url),
            [this](int status, const QByteArray&, const QString& problem) { downloaded(status, problem); },
            {limit, archive_});
}

void LinuxUpdateService::downloaded(int status, const QString& problem) {
    if (status == ToolRun::kTooLarge)
        return abort(failure(downloadIncomplete,
                             tr("The update download is larger than the feed announced, so it was stopped. "
                                "Please try again later.")));
    if (status != 0)
        return abort(failure(downloadFailed, tr("The update could not be downloaded (%1)."),
                             tr("The update could not be downloaded."), lastLine(problem)));
    std::error_code ec;
    const auto size = fs::file_size(archive_, ec);
    if (ec || (item_->length > 0 && size != static_cast<std::uintmax_t>(item_->length)))
        return abort(failure(downloadIncomplete,
                             tr("The update download is incomplete: expected %1 bytes, got %2. Please try again later.")
                                 .arg(QLocale().toString(qlonglong(item_->length)),
                                      QLocale().toString(qulonglong(ec ? 0 : size)))));
    if (!verifySignature(archive_, item_->edSignature, configuration_->publicEDKey))
        return abort(failure(signatureInvalid,
                             tr("The update is not signed by Ludowell's developer, so it was not installed.")));

    // Unpacked next to the bundle, so putting it in place is a rename.
    setStage(Stage::unpacking);
    sweepInterruptedUpdates();
    if (!makeStaging())
        return abort(failure(unpackFailed, tr("The update could not be unpacked (%1)."),
                             tr("The update could not be unpacked."), std::strerror(errno)));
    const bool zip = archive_.string().ends_with(".zip");
    const QStringList arguments = zip ? QStringList{"-q", qpath(archive_), "-d", qpath(staging_)}
                                      : QStringList{"-xf", qpath(archive_), "-C", qpath(staging_)};
    runTool(zip ? kUnzip : kTar, arguments,
            [this](int status, const QByteArray&, const QString& problem) { unpacked(status, problem); });
}

fs::path LinuxUpdateService::stagedApp() const {
    return checkedStagedApp({staging_, options_.bundle, options_.executable, item_->version,
                             configuration_->bundleVersion});
}

void LinuxUpdateService::unpacked(int status, const QString& problem) {
    if (status != 0)
        return abort(failure(unpackFailed, tr("The update could not be unpacked (%1)."),
                             tr("The update could not be unpacked."), lastLine(problem)));
    try {
        stagedApp();
    } catch (const UpdateError& error) {
        return abort(error);
    }

    setStage(Stage::ready);
    auto install = [self = QPointer(this), cycle = cycle_] {
        if (self && self->cycle_ == cycle && self->stage_ == Stage::ready) self->relaunchNow(true);
    };
    if (!delegate_.shouldPostponeRelaunch(*item_, install)) relaunchNow(true);
}

void LinuxUpdateService::relaunchNow(bool relaunch) {
    try {
        installStaged(relaunch);
    } catch (const UpdateError& error) {
        return abort(error);
    }
    if (relaunch && options_.terminate) options_.terminate();
}

// The new bundle and the old one trade places in one step, so the
// bundle's path holds a whole app at every instant; the old one is
// deleted only once the new one runs, and any failure swaps them back.
void LinuxUpdateService::installStaged(bool relaunch) {
    setStage(Stage::installing);
    const auto& bundle = options_.bundle;
    const auto cantReplace = [](const QString& reason) {
        return failure(installFailed,
                       tr("Ludowell couldn't replace itself with the new version (%1). The current version was kept.")
                           .arg(reason));
    };
    // Checked again: it waited, and only a checked app takes the bundle's place.
    fs::path app;
    try {
        app = stagedApp();
    } catch (const UpdateError&) {
        throw cantReplace(tr("its unpacked copy is no longer usable"));
    }

    try {
        platform::exchangePaths(app, bundle);
    } catch (const std::system_error& error) {
        throw cantReplace(QString::fromStdString(error.code().message()));
    }
    if (relaunch) {
        try {
            platform::Subprocess::Options request;
            request.executable = bundle / options_.executable.lexically_relative(bundle);
            request.arguments = options_.relaunchArguments;
            request.newSession = true;
            platform::Subprocess::start(request).release();
        } catch (const std::exception& error) {
            try {
                platform::exchangePaths(app, bundle);
            } catch (const std::system_error&) {
                // The new version stays in place; it is whole.
            }
            throw cantReplace(QString::fromLocal8Bit(error.what()));
        }
    }
    dropStaging();
    clearDownloads();
}

void LinuxUpdateService::abort(const UpdateError& error) {
    const bool tell = (userInitiated_ || accepted_) && options_.userDriver;
    dropStaging();
    clearDownloads();
    ++cycle_;
    setStage(Stage::idle);
    delegate_.didAbortWithError(error);
    if (tell) options_.userDriver->showUpdateError(error.description);
    delegate_.didFinishUpdateCycle(error);
    scheduleNextCheck();
}

void LinuxUpdateService::finish() {
    ++cycle_;
    setStage(Stage::idle);
    delegate_.didFinishUpdateCycle(std::nullopt);
    scheduleNextCheck();
}

void LinuxUpdateService::setStage(Stage stage) {
    const bool could = canCheckForUpdates();
    stage_ = stage;
    if (could != canCheckForUpdates()) canCheckForUpdatesChanged();
}

void LinuxUpdateService::clearDownloads() {
    std::error_code ec;
    if (!archive_.empty()) fs::remove(archive_, ec);
    archive_.clear();
}

void LinuxUpdateService::scheduleNextCheck(int delaySeconds) {
    schedule_.stop();
    if (!started_ || !configuration_ || !automaticallyChecksForUpdates() || stage_ != Stage::idle) return;
    if (delaySeconds < 0) {
        const auto last = QSettings().value(kLastCheckKey).toDateTime();
        const auto now = QDateTime::currentDateTimeUtc();
        delaySeconds = 0;
        if (last.isValid() && last <= now)
            delaySeconds = int(std::max<qint64>(0, configuration_->checkInterval - last.secsTo(now)));
    }
    schedule_.start(std::chrono::seconds(delaySeconds));
}

void LinuxUpdateService::runTool(const QString& program, const QStringList& arguments, ToolDone done,
                                 ToolRun::Output output) {
    tool_ = new ToolRun(program, arguments, [this, done](int status, const QByteArray& output, const QString& problem) {
        if (tool_) tool_->deleteLater();
        tool_ = nullptr;
        done(status, output, problem);
    }, this, std::move(output));
}

}  // namespace ludowell
