#include "ui/attention.h"

#include <QWindow>

#include "app/model/library_model.h"
#include "platform/notification.h"

namespace ludowell::ui {
namespace {

struct Outcome {
    const char* command;
    const char* done;
    const char* failed;
};
// The steps long enough to be walked away from.
constexpr Outcome kOutcomes[] = {
    {"setup", QT_TRANSLATE_NOOP("ludowell::ui::StepAttention", "Setup is done"),
     QT_TRANSLATE_NOOP("ludowell::ui::StepAttention", "Setup didn't finish")},
    {"prepare", QT_TRANSLATE_NOOP("ludowell::ui::StepAttention", "The repair is done"),
     QT_TRANSLATE_NOOP("ludowell::ui::StepAttention", "The repair didn't finish")},
    {"install", QT_TRANSLATE_NOOP("ludowell::ui::StepAttention", "Steam is installing your game"),
     QT_TRANSLATE_NOOP("ludowell::ui::StepAttention", "The game install didn't start")},
};

}  // namespace

StepAttention::StepAttention(LibraryModel& model, std::function<QQuickWindow*()> window, Notifier notify,
                             QObject* parent)
    : QObject(parent),
      model_(model),
      window_(std::move(window)),
      notify_(notify ? std::move(notify) : Notifier(&platform::notify)),
      lastStage_(model.snapshot().stage) {
    connect(&model_, &LibraryModel::stepEnded, this, &StepAttention::stepEnded);
    connect(&model_, &LibraryModel::snapshotChanged, this, &StepAttention::stageChanged);
}

void StepAttention::stepEnded(const QString& command, bool succeeded, const QString& message) {
    for (const auto& outcome : kOutcomes)
        if (command == QLatin1String(outcome.command))
            tell(tr(succeeded ? outcome.done : outcome.failed), message);
}

// Steam installs the game on its own time: its end shows as the stage.
void StepAttention::stageChanged() {
    const GameStage stage = model_.snapshot().stage;
    if (lastStage_ == GameStage::downloading && stage == GameStage::ready)
        tell(tr("%1 is installed").arg(QString::fromStdString(model_.profile().title)),
             tr("Play now is ready in Ludowell."));
    lastStage_ = stage;
}

void StepAttention::tell(const QString& title, const QString& body) {
    QQuickWindow* window = window_();
    if (!window || window->isActive()) return;
    notify_(title.toStdString(), body.toStdString());
    window->alert(0);  // the Dock icon asks once, until the window is activated
}

}  // namespace ludowell::ui
