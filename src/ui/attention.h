#pragma once
// A word when a long step ends while the window is behind others: a
// notification with the result, and the Dock icon asking for attention once.
#include <QObject>
#include <QPointer>
#include <QQuickWindow>

#include <functional>
#include <string>

#include "core/library_snapshot.h"

namespace ludowell {
class LibraryModel;
}

namespace ludowell::ui {

class StepAttention : public QObject {
    Q_OBJECT
public:
    using Notifier = std::function<void(const std::string& title, const std::string& body)>;
    // `notify` defaults to the system's notification centre.
    StepAttention(LibraryModel& model, std::function<QQuickWindow*()> window, Notifier notify = {},
                  QObject* parent = nullptr);

private:
    void stepEnded(const QString& command, bool succeeded, const QString& message);
    void stageChanged();
    void tell(const QString& title, const QString& body);

    LibraryModel& model_;
    std::function<QQuickWindow*()> window_;
    Notifier notify_;
    GameStage lastStage_;
};

}  // namespace ludowell::ui
