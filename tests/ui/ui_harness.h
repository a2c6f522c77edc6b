#pragma once
// Builds the real window offscreen around a model, and finds, reads, clicks
// and photographs what it shows.
#include <QImage>
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
#include "support/temp_dir.h"
#include "ui/app_delegate.h"

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace uitest {

struct Alert {
    QString message;
    QString informative;
    QStringList buttons;
};

// Remembers every alert and answers with `answer` (a button index).
class RecordingAlerts : public ludowell::Alerts {
public:
    int ask(const QString& message, const QString& informative, const QStringList& buttons) override {
        seen.push_back({message, informative, buttons});
        return answer;
    }
    std::vector<Alert> seen;
    int answer = 0;
};

class RecordingBrowser : public ludowell::FileBrowser {
public:
    void open(const std::filesystem::path& folder) override { opened.push_back(folder); }
    std::vector<std::filesystem::path> opened;
};

// Two catalog entries for the paths that only show with more than one game.
std::vector<ludowell::GameProfile> twoGames();

// The built bundle beside the test executable.
std::filesystem::path builtBundle();

class Window {
public:
    struct Setup {
        std::optional<std::string> preview;
        std::vector<ludowell::GameProfile> profiles{ludowell::GameProfile::aoeIV()};
        std::optional<std::filesystem::path> dataRoot;
        std::filesystem::path executable;  // empty: the built bundle's
        std::optional<std::filesystem::path> bundle;  // for the artwork; default: the built bundle
    };
    explicit Window(Setup setup);
    ~Window();

    ludowell::ui::AppDelegate& shell() { return *shell_; }
    ludowell::LibraryModel& model() { return shell_->model(); }
    QQuickWindow* window() const { return shell_->window(); }

    // The first item with this object name, shown or not; null when none.
    QQuickItem* item(const QString& objectName) const;
    QObject* object(const QString& objectName) const;
    // The first shown item whose `text` property is exactly `text`.
    QQuickItem* itemWithText(const QString& text) const;
    // The texts of every shown text item, top to bottom of the tree.
    QStringList visibleTexts() const;
    bool shows(const QString& text) const { return visibleTexts().contains(text); }
    static bool shown(const QQuickItem* item);

    // A left click in the middle of the item, as the mouse would.
    void click(QQuickItem* item);
    // Lets bindings, layouts and animations settle.
    void settle(int milliseconds = 60);
    bool waitFor(const std::function<bool()>& condition, int milliseconds);

    // Saves the window as <screenshots>/<name>.png and returns it.
    QImage screenshot(const QString& name);

    RecordingAlerts alerts;
    RecordingBrowser browser;

private:
    TempDir dir_;
    std::unique_ptr<ludowell::ui::AppDelegate> shell_;
};

}  // namespace uitest
