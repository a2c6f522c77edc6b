#pragma once
// One command-mode child of the window: its standard output and standard
// error share one pipe that the event loop reads as it fills, so the child
// never stalls on a full pipe and the main thread never waits on it.
#include <sys/types.h>

#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/subprocess.h"

namespace ludowell {

struct CommandRun {
    std::filesystem::path executable;
    std::vector<std::string> arguments;
};

// Called on the session's thread, in this order: `started` once the child
// runs (never when it could not start), `chunk` for every piece of output in
// arrival order, then `finished` with the exit status (the signal number for
// a killed child, 1 when it never started) and everything it wrote.
struct CommandEvents {
    std::function<void(pid_t)> started;
    std::function<void(const QString& chunk)> chunk;
    std::function<void(int status, const QString& output)> finished;
};

// Decodes UTF-8 read in arbitrary pieces. A character cut in two by the
// pipe is held until its rest arrives; invalid bytes become U+FFFD.
class Utf8Stream {
public:
    QString decode(std::string_view bytes);
    QString finish();  // whatever is still held, at end of output

private:
    std::string pending_;
};

class CommandSession : public QObject {
public:
    CommandSession(CommandRun run, CommandEvents events, QObject* parent = nullptr);
    // A child still running is waited for, not ended; no event follows.
    ~CommandSession() override;

    // Starts the child; `finished` for a child that cannot start comes
    // from the event loop, after this returns.
    void start();
    // Asks the child to wind down; it reports as it ends.
    void requestStop();

private:
    void readOutput();
    void reap();
    void finish();
    void deliver(const QString& text);

    CommandRun run_;
    CommandEvents events_;
    std::optional<platform::Subprocess> child_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer reaper_;
    Utf8Stream stream_;
    QString output_;
    std::optional<int> status_;
    std::chrono::steady_clock::time_point exitedAt_;
    bool heard_ = false;  // output arrived since the reaper's last look
    bool done_ = false;
};

}  // namespace ludowell
