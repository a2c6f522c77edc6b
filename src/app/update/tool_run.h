#pragma once
// One helper tool of the update service (curl, tar, unzip), run through the
// program's one Subprocess type without holding up the event loop. What it
// prints on standard output is its result; standard error says why it
// failed.
#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

#include "platform/subprocess.h"

namespace ludowell {

class ToolRun : public QObject {
    Q_OBJECT
public:
    // Called once, from the event loop, with the exit status (non-zero when
    // it could not start or a signal ended it).
    using Done = std::function<void(int status, const QByteArray& output, const QString& problem)>;

    ToolRun(const QString& program, const QStringList& arguments, Done done, QObject* parent = nullptr);
    // A tool still running is ended and reaped.
    ~ToolRun() override;

private:
    void readOutput();
    void reap();
    void finish(int status, const QString& problem);

    Done done_;
    QTemporaryFile errors_;
    std::optional<platform::Subprocess> child_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer reaper_;
    QByteArray output_;
    bool finished_ = false;
};

}  // namespace ludowell
