#pragma once
// One helper tool of the update service (curl, tar, unzip), run through the
// program's one Subprocess type without holding up the event loop. What it
// prints on standard output is its result, taken up to a limit, in memory
// or into a file; standard error says why it failed.
#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "platform/subprocess.h"

namespace ludowell {

// Where a tool's standard output goes. A server can send without end:
// past `limit` bytes the tool is ended and reports ToolRun::kTooLarge.
struct ToolOutput {
    qint64 limit = -1;           // -1: no limit
    std::filesystem::path file;  // written here instead of kept in memory
};

class ToolRun : public QObject {
    Q_OBJECT
public:
    // Called once, from the event loop, with the exit status (non-zero when
    // it could not start or a signal ended it).
    using Done = std::function<void(int status, const QByteArray& output, const QString& problem)>;

    using Output = ToolOutput;
    static constexpr int kTooLarge = -2;

    ToolRun(const QString& program, const QStringList& arguments, Done done, QObject* parent = nullptr,
            Output output = {});
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
    QFile file_;
    qint64 limit_ = -1;
    qint64 taken_ = 0;
    bool finished_ = false;
};

}  // namespace ludowell
