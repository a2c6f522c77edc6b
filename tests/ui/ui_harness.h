#pragma once
// Builds the real window offscreen around a model, and finds, reads, clicks
// and photographs what it shows.
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <ostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/model/window_services.h"
#include "core/game_profile.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "ui/app_delegate.h"

namespace testbed {
class World;
}

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace uitest {

struct Alert {
    QString message;
    QString informative;
    QStringList buttons;
};

// Remembers every alert and answers with `answer` (the first button unless
// a test says otherwise).
class RecordingAlerts : public ludowell::Alerts {
public:
    int ask(const QString& message, const QString& informative, const QStringList& buttons) override {
        seen.push_back({message, informative, buttons});
        asked.push_back(QStringList{message} + buttons);
        return answer;
    }
    std::vector<Alert> seen;
    std::vector<QStringList> asked;  // each alert's message, then its buttons
    int answer = 0;
};

class RecordingBrowser : public ludowell::FileBrowser {
public:
    void open(const std::filesystem::path& folder) override { opened.push_back(folder); }
    std::vector<std::filesystem::path> opened;
};

// The item and every item below it, depth first.
std::vector<QQuickItem*> allItems(QQuickItem* item);

// The built bundle beside the test executable.
std::filesystem::path builtBundle();

// What a screen reader calls the object; empty when nothing.
QString accessibleName(QObject* object);

class Window {
public:
    struct Setup {
        std::optional<std::string> preview;
        std::vector<ludowell::GameProfile> profiles{ludowell::GameProfile::aoeIV()};
        std::optional<std::filesystem::path> dataRoot;
        std::filesystem::path executable;  // empty: the built bundle's
        std::optional<std::filesystem::path> bundle;  // for the artwork; default: the built bundle
        bool realAlerts = false;  // the app's own message boxes instead of `alerts`
    };
    explicit Window(Setup setup);
    ~Window();

    ludowell::ui::AppDelegate& shell() { return *shell_; }
    ludowell::LibraryModel& model() { return shell_->model(); }
    QQuickWindow* window() const { return shell_->window(); }

    // The first item with this object name, shown or not; null when none.
    QQuickItem* item(const QString& objectName) const;
    // Also finds objects that are no items, such as menu actions and sheets.
    QObject* object(const QString& objectName) const { return window()->findChild<QObject*>(objectName); }
    QString text(const QString& objectName) const { return item(objectName)->property("text").toString(); }
    bool enabled(const QString& objectName) const { return item(objectName)->isEnabled(); }
    // The texts of every shown text item, top to bottom of the tree.
    QStringList visibleTexts() const;
    bool shows(const QString& text) const { return visibleTexts().contains(text); }
    static bool shown(const QQuickItem* item);
    // The controls and texts a screen reader reaches in the window but
    // finds no name for.
    QStringList unnamed() const;

    // A left click in the middle of the item, as the mouse would; then,
    // as after press(), waits until the window is still().
    void click(QQuickItem* item);
    // Clicks the page's entry in the sidebar.
    void open(const QString& page);
    // A key pressed and released, delivered to the window.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QQuickItem* focused() const { return window()->activeFocusItem(); }
    // Tabs, up to 80 times, until the control with this object or
    // accessible name has the focus.
    bool tabTo(const QString& name);
    // Every shown item (overlay included) whose "text" is `text`.
    std::vector<QQuickItem*> itemsWithText(const QString& text) const;
    // Delivers what is queued and lets the views lay themselves out again.
    void settle();
    // Settles, then waits until the page has faded in, every sheet and
    // menu has finished opening or closing, and every picture is drawn.
    bool still();
    bool waitFor(const std::function<bool()>& condition, int milliseconds);
    // Grows the window to the height of the whole page, once still.
    void showWholePage();

    // Saves the window, once still and drawn the same twice running (a
    // spinner never stops), as <screenshots>/<name>.png.
    void screenshot(const QString& name);

    RecordingAlerts alerts;
    RecordingBrowser browser;

private:
    TempDir dir_;
    std::unique_ptr<ludowell::ui::AppDelegate> shell_;
};

// A window over `world`'s data root with the licence accepted, once it
// knows the stage, so the primary button starts setup.
std::unique_ptr<Window> windowOver(testbed::World& world);

// Starts the setup step of windowOver(world) from the primary button, and
// returns once `now` holds: by default, once the download has begun.
std::unique_ptr<Window> downloading(testbed::World& world, const std::function<bool(Window&)>& now = {});
// Stops the running step from its Stop button, answering "Stop step", and
// tells whether it ended.
bool stopStep(Window& w);

// Hands the model an update gate whose service reports `session`; returns
// the count of checks asked of it. Each check also runs `onCheck`.
std::shared_ptr<int> giveUpdates(Window& w, bool session, std::function<void()> onCheck = {});

// A window over a data root where an inspection finds `stage` (setup with
// the licence accepted, so the primary button starts a step). Its
// command-mode child runs `script`, where kHold waits for release().
inline const std::string kHold = "while [ ! -e \"$(dirname \"$0\")/go\" ]; do sleep 0.05; done\n";
struct Session {
    struct Options {
        std::string stage;
        std::string script = "echo 'Downloading the official Windows Steam installer…'\n" + kHold;
        bool server = false;  // the engine's server exists
        std::vector<ludowell::GameProfile> profiles{ludowell::GameProfile::aoeIV()};
    };
    explicit Session(Options options);
    // The child goes first: the model waits for it.
    ~Session() {
        release();
        w.reset();
    }
    void release() { writeFile(bin / "go"); }
    TempDir data;
    TempDir bin;
    std::unique_ptr<Window> w;
};

}  // namespace uitest
