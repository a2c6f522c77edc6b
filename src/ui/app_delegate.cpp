#include "ui/app_delegate.h"
#include "ui/attention.h"
#include "ui/translations.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QScreen>
#include <QTimer>

#include <utility>

#include "app/preferences.h"
#include "app/startup_state.h"
#include "app/update/info_plist.h"
#include "app/update/updates.h"
#include "platform/host.h"
#include "platform/platform.h"
#include "ui/dialogs.h"
#include "ui/symbols.h"

// Generated with the "Ludowell" QML module: registers its C++ types.
void qml_register_types_Ludowell();

namespace ludowell::ui {

AppDelegate::Options AppDelegate::optionsFrom(const StartupState& state) {
    Options options;
    options.profiles = state.profiles;
    options.model = LibraryModel::optionsFrom(state);
    return options;
}

AppDelegate::AppDelegate(Options options, QObject* parent) : QObject(parent), options_(std::move(options)) {
    if (options_.alerts) {
        alerts_ = options_.alerts;
    } else {
        ownAlerts_ = std::make_unique<MessageBoxAlerts>();
        alerts_ = ownAlerts_.get();
    }
    // The bundle says which version this is, so that after an update the
    // relaunched window tells the new one.
    version_ = bundleShortVersion(platform::host().bundle());
    model_ = std::make_unique<LibraryModel>(options_.model);
    model_->setAlerts(alerts_);
    if (options_.fileBrowser) model_->setFileBrowser(options_.fileBrowser);
    connect(model_.get(), &LibraryModel::updatesChanged, this, &AppDelegate::canCheckForUpdatesChanged);
}

AppDelegate::~AppDelegate() {
    // The views bind to the model: they go first.
    engine_.reset();
    menuBar_.reset();
}

bool AppDelegate::applicationDidFinishLaunching() {
    // The gate exists before anything is shown.
    if (options_.makeUpdates && !model_->updates()) {
        if (Updates* gate = options_.makeUpdates(*model_)) model_->setUpdates(gate);
    }
    if (nativeMenus()) buildNativeMenus();

    qml_register_types_Ludowell();
    engine_ = std::make_unique<QQmlApplicationEngine>();
    // The views reach this shell and its model through their engine.
    engine_->setParent(this);
    engine_->addImportPath(QStringLiteral("qrc:/"));
    engine_->addImageProvider(QStringLiteral("symbol"), new SymbolProvider);
    engine_->load(QUrl(QStringLiteral("qrc:/Ludowell/Main.qml")));
    if (engine_->rootObjects().isEmpty()) return false;
    window_ = qobject_cast<QQuickWindow*>(engine_->rootObjects().constFirst());
    if (!window_) return false;
    attention_ = std::make_unique<StepAttention>(*model_, [this] { return window_.data(); });

    if (QScreen* screen = window_->screen()) {
        const QRect available = screen->availableGeometry();
        window_->setPosition(available.center() - QPoint(window_->width() / 2, window_->height() / 2));
    }
    // The first frame waits for nothing it does not show. Some windows are
    // never drawn at once (hidden, minimised): they get the rest soon anyway.
    connect(window_, &QQuickWindow::frameSwapped, this, &AppDelegate::noteWindowShown, Qt::QueuedConnection);
    window_->installEventFilter(this);
    QTimer::singleShot(500, this, &AppDelegate::noteWindowShown);
    window_->show();
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
        window_->raise();
        window_->requestActivate();
    }
    return true;
}

void AppDelegate::noteWindowShown() {
    if (windowShown_) return;
    windowShown_ = true;
    if (window_) disconnect(window_, &QQuickWindow::frameSwapped, this, &AppDelegate::noteWindowShown);
    // Drawing the icon's sizes is not worth holding the first frame for.
    QGuiApplication::setWindowIcon(applicationIcon());
    useSystemLanguage(false);  // before the sidebar, which counts the games
    emit windowShownChanged();
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_) return false;
    const auto openMenus = [this] {
        if (nativeMenus()) return false;
        QMetaObject::invokeMethod(window_, "toggleMenus");
        return true;
    };
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        setKeyboardUsed(true);
        if (key->key() != Qt::Key_Alt) altAlone_ = false;
        else if (!key->isAutoRepeat()) altAlone_ = true;
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) return openMenus();
        break;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Alt && !key->isAutoRepeat() && std::exchange(altAlone_, false)) return openMenus();
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        setKeyboardUsed(false);
        altAlone_ = false;
        break;
    case QEvent::FocusOut:
        altAlone_ = false;  // Alt+Tab to another window
        break;
    default:
        break;
    }
    return false;
}

void AppDelegate::setKeyboardUsed(bool used) {
    if (used == keyboardUsed_) return;
    keyboardUsed_ = used;
    emit keyboardUsedChanged();
}

AppDelegate* AppDelegate::create(QQmlEngine* engine, QJSEngine*) {
    auto* shell = qobject_cast<AppDelegate*>(engine->parent());
    if (!shell) qFatal("The views were loaded outside the application shell.");
    // The shell and its model outlive the engine; it must not delete them.
    QJSEngine::setObjectOwnership(shell, QJSEngine::CppOwnership);
    QJSEngine::setObjectOwnership(&shell->model(), QJSEngine::CppOwnership);
    return shell;
}

bool AppDelegate::applicationShouldTerminate() {
    if (Updates* gate = model_->updates(); gate && !gate->permitTermination()) {
        alert(tr("Finish playing before updating"),
              tr("Save and close your game and Steam. Ludowell will keep the update ready for you."), {});
        return false;
    }
    if (model_->busy()) {
        alert(tr("Setup is still working"),
              tr("Let this step finish before closing Ludowell. You can minimize this window while you wait."),
              {tr("Keep working")});
        return false;
    }
    return true;
}

bool AppDelegate::windowShouldClose() {
    if (!model_->busy()) return true;
    alert(tr("Setup is still working"),
          tr("Let this step finish before closing. You can minimize the window while you wait."), {});
    return false;
}

bool AppDelegate::closeRequested() {
    if (terminationAllowed_) return true;
    if (!windowShouldClose()) return false;
    if (!applicationShouldTerminate()) return false;
    emit terminating();
    return true;
}

void AppDelegate::quit() {
    if (!terminationAllowed_) {
        if (!applicationShouldTerminate()) return;
        terminationAllowed_ = true;
        emit terminating();
    }
    // Closes the window first, which now lets itself be closed.
    QCoreApplication::quit();
}

void AppDelegate::endOnRequest() {
    if (!terminationAllowed_) {
        if (Updates* gate = model_->updates()) gate->permitTermination();
        terminationAllowed_ = true;
        emit terminating();
    }
    QCoreApplication::quit();
}

void AppDelegate::about() {
    alert(QStringLiteral("Ludowell"),
          tr("Version %1\nPlay the Windows games you own on Steam, on your Mac.").arg(version()), {});
}

void AppDelegate::checkForUpdates() {
    if (Updates* gate = model_->updates()) gate->check();
}

void AppDelegate::selectGame(int index) {
    if (index < 0 || index >= static_cast<int>(options_.profiles.size())) return;
    model_->select(options_.profiles[static_cast<size_t>(index)]);
}

QUrl AppDelegate::artworkUrl(const QString& artwork) const {
    if (artwork.isEmpty()) return {};
    const auto file = model_->runtime().resources() / artwork.toStdString();
    const QString path = QString::fromStdString(file.string());
    return QFileInfo(path).isFile() ? QUrl::fromLocalFile(path) : QUrl();
}

QVariantList AppDelegate::games() const {
    QVariantList list;
    for (const GameProfile& profile : options_.profiles) {
        list.append(QVariantMap{{QStringLiteral("id"), QString::fromStdString(profile.id)},
                                {QStringLiteral("title"), QString::fromStdString(profile.title)}});
    }
    return list;
}

QString AppDelegate::version() const { return version_; }

bool AppDelegate::canCheckForUpdates() const { return model_->updates() != nullptr; }

bool AppDelegate::nativeMenus() const { return platform::hasGlobalMenuBar(); }

void AppDelegate::buildNativeMenus() {
    // A menu bar without a parent is the platform's global one.
    menuBar_ = std::make_unique<QMenuBar>();
    QMenu* application = menuBar_->addMenu(QStringLiteral("Ludowell"));
    QAction* about = application->addAction(tr("About Ludowell"), this, &AppDelegate::about);
    about->setMenuRole(QAction::AboutRole);
    QAction* check = application->addAction(tr("Check for Updates…"), this, &AppDelegate::checkForUpdates);
    check->setMenuRole(QAction::ApplicationSpecificRole);
    check->setEnabled(canCheckForUpdates());
    connect(this, &AppDelegate::canCheckForUpdatesChanged, check, [this, check] { check->setEnabled(canCheckForUpdates()); });
    application->addSeparator();
    QAction* quit = application->addAction(tr("Quit Ludowell"), this, &AppDelegate::quit);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar_->addMenu(tr("Edit"));
    QAction* copy = edit->addAction(tr("Copy"), this, [this] {
        if (window_) QMetaObject::invokeMethod(window_, "copy");
    });
    copy->setShortcut(QKeySequence::Copy);
    QAction* selectAll = edit->addAction(tr("Select All"), this, [this] {
        if (window_) QMetaObject::invokeMethod(window_, "selectAll");
    });
    selectAll->setShortcut(QKeySequence::SelectAll);
}

int AppDelegate::alert(const QString& message, const QString& informative, const QStringList& buttons) {
    return alerts_->ask(message, informative, buttons.isEmpty() ? QStringList{tr("OK")} : buttons);
}

void prepareApplication() {
    Preferences::nameApplication();
    QCoreApplication::setApplicationVersion(bundleShortVersion(platform::host().bundle()));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Ludowell"));
    // The views draw their own look; the plain style only supplies behaviour.
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    useSystemLanguage(true);
}

}  // namespace ludowell::ui
