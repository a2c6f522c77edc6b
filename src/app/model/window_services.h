#pragma once
// What the model needs from the window: modal alerts and the file browser.
// The window answers with real dialogs; tests answer with scripted replies.
#include <QString>
#include <QStringList>

#include <filesystem>

namespace ludowell {

class Alerts {
public:
    virtual ~Alerts() = default;
    // A modal alert with the buttons added in the given order; the first is
    // the default (the one Return presses). Returns the index of the button
    // pressed, or -1 when the alert went away without an answer.
    virtual int ask(const QString& message, const QString& informative, const QStringList& buttons) = 0;
};

class FileBrowser {
public:
    virtual ~FileBrowser() = default;
    virtual void open(const std::filesystem::path& folder) = 0;
};

// The system's own file browser, through the platform layer.
class SystemFileBrowser : public FileBrowser {
public:
    void open(const std::filesystem::path& folder) override;
};

}  // namespace ludowell
