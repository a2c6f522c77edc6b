#pragma once
// One command-mode child of the window: its standard output and standard
// error share one pipe that a worker drains, so the child never stalls on a
// full pipe and the main thread never waits on it.
#include <sys/types.h>

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ludowell {

struct CommandRun {
    std::filesystem::path executable;
    std::vector<std::string> arguments;
};

// Called on the receiver's thread, in this order: `started` once the child
// runs (never when it could not start), `chunk` for every piece of output in
// arrival order, then `finished` with the exit status (the signal number for
// a killed child, 1 when it never started) and everything it wrote.
struct CommandEvents {
    std::function<void(pid_t)> started;
    std::function<void(const QString& chunk)> chunk;
    std::function<void(int status, const QString& output)> finished;
};

// Returns at once. The receiver must outlive the pool's work; the model
// guarantees this by waiting for its pool before it goes away.
void startCommand(QThreadPool& pool, QObject* receiver, CommandRun run, CommandEvents events);

// Decodes UTF-8 read in arbitrary pieces. A character cut in two by the
// pipe is held until its rest arrives; invalid bytes become U+FFFD.
class Utf8Stream {
public:
    QString decode(std::string_view bytes);
    QString finish();  // whatever is still held, at end of output

private:
    std::string pending_;
};

}  // namespace ludowell
