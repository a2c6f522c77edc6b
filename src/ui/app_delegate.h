#pragma once
// The application shell: the model, the one window hosting the root view,
// the menus, and the rules for quitting and closing while work runs.
#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/model/library_model.h"
#include "app/model/window_services.h"
#include "core/game_profile.h"

class QJSEngine;
class QMenuBar;
class QQmlEngine;

namespace ludowell {
struct StartupState;
}

namespace ludowell::ui {

class StepAttention;

// The views see it as the singleton `Shell`.
class AppDelegate : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Shell)
    QML_SINGLETON
    // The catalog, in file order, as {id, title} for the sidebar.
    Q_PROPERTY(QVariantList games READ games CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    // "Check for Updates…" works once an update gate is set on the model.
    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)
    // The menus live in the platform's global menu bar instead of the window.
    Q_PROPERTY(bool nativeMenus READ nativeMenus CONSTANT)
    // True once the window's first frame is on screen: what it needs only
    // after that (the sidebar's entries, the page, the in-window menus) is
    // built then.
    Q_PROPERTY(bool windowShown READ windowShown NOTIFY windowShownChanged)
    // The last input was a key rather than the mouse: focus the window
    // moves by itself then shows its ring.
    Q_PROPERTY(bool keyboardUsed READ keyboardUsed NOTIFY keyboardUsedChanged)

public:
    struct Options {
        std::vector<GameProfile> profiles;
        LibraryModel::Options model;
        Alerts* alerts = nullptr;             // not owned; null: message boxes
        FileBrowser* fileBrowser = nullptr;   // not owned; null: the system's
        // Makes the update gate once launching has finished; the model owns
        // it. Without one, "Check for Updates…" stays disabled.
        std::function<Updates*(LibraryModel&)> makeUpdates;
    };
    static Options optionsFrom(const StartupState& state);

    // Creates the model (outside preview mode it starts inspecting at once).
    explicit AppDelegate(Options options, QObject* parent = nullptr);
    ~AppDelegate() override;

    // The shell whose engine loads the views: the engine is its child.
    static AppDelegate* create(QQmlEngine* engine, QJSEngine*);

    LibraryModel& model() { return *model_; }
    QQmlApplicationEngine* engine() const { return engine_.get(); }
    // Absent until launching has finished.
    QQuickWindow* window() const { return window_; }

    // The update gate, the menus and the window, which is then shown,
    // centred. Returns false when the views could not be loaded.
    bool applicationDidFinishLaunching();

    // Asked before quitting: false (after telling the user why) while an
    // update waits for the game to close or while a step runs.
    Q_INVOKABLE bool applicationShouldTerminate();
    // Asked before the window closes: false while a step runs.
    Q_INVOKABLE bool windowShouldClose();
    // Every way out of the application comes through these two. The
    // window's close button: closing the window quits, so both apply.
    Q_INVOKABLE bool closeRequested();
    // "Quit Ludowell" and Ctrl+Q: quits when applicationShouldTerminate()
    // allows it.
    Q_INVOKABLE void quit();
    // SIGTERM (a logout, kill): nobody is there to answer a question, so
    // it quits at once. A running step is stopped as the app goes, and a
    // waiting update installs only when the gate lets it.
    void endOnRequest();
    Q_INVOKABLE void about();
    Q_INVOKABLE void checkForUpdates();
    // A game of the sidebar's list, by catalog position.
    Q_INVOKABLE void selectGame(int index);
    // The artwork file among the application's resources, or an empty URL
    // when it is not there.
    Q_INVOKABLE QUrl artworkUrl(const QString& artwork) const;

    QVariantList games() const;
    QString version() const;
    bool canCheckForUpdates() const;
    bool nativeMenus() const;
    bool windowShown() const { return windowShown_; }
    bool keyboardUsed() const { return keyboardUsed_; }

signals:
    void canCheckForUpdatesChanged();
    void windowShownChanged();
    void keyboardUsedChanged();
    // Emitted once quitting has been allowed, just before the event loop ends.
    void terminating();

protected:
    // The window's keys before its items see them: F10, and Alt pressed and
    // released alone, open the in-window menus.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildNativeMenus();
    void setKeyboardUsed(bool used);
    void noteWindowShown();
    int alert(const QString& message, const QString& informative, const QStringList& buttons);

    Options options_;
    std::unique_ptr<Alerts> ownAlerts_;
    Alerts* alerts_ = nullptr;
    std::unique_ptr<LibraryModel> model_;
    std::unique_ptr<QQmlApplicationEngine> engine_;
    QPointer<QQuickWindow> window_;
    std::unique_ptr<QMenuBar> menuBar_;
    std::unique_ptr<StepAttention> attention_;
    QString version_;  // the bundle's, read when the shell was made
    bool windowShown_ = false;
    bool keyboardUsed_ = false;
    bool altAlone_ = false;  // Alt is down and no other key came since
    bool terminationAllowed_ = false;  // by quit(): the window it then closes is not asked again
};

// Process-wide set-up before any window: names (for the user defaults),
// and the control style. The window sets the application icon once shown.
void prepareApplication();

}  // namespace ludowell::ui
