#include "app/model/command_session.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QThread>

#include <cerrno>
#include <chrono>
#include <optional>
#include <system_error>

#include "platform/platform.h"
#include "core/files.h"
#include "core/utf8.h"

namespace ludowell {
namespace {

constexpr int kPollMilliseconds = 200;
// A grandchild that kept our pipe must not keep the step busy for ever.
constexpr auto kDrainAfterExit = std::chrono::seconds(2);

int statusOf(int raw) {
    if (WIFEXITED(raw)) return WEXITSTATUS(raw);
    if (WIFSIGNALED(raw)) return WTERMSIG(raw);
    return 1;
}

// The exit status once the child has ended; none while it runs.
std::optional<int> reap(pid_t pid, bool block) {
    int raw = 0;
    for (;;) {
        pid_t done = ::waitpid(pid, &raw, block ? 0 : WNOHANG);
        if (done == pid) return statusOf(raw);
        if (done == 0) return std::nullopt;
        if (errno == EINTR) continue;
        return 1;  // reaped elsewhere: the outcome is unknown, so not a success
    }
}

QString describe(int error) { return QString::fromStdString(std::generic_category().message(error)); }

}  // namespace

QString Utf8Stream::decode(std::string_view bytes) {
    pending_.append(bytes);
    // Hold back a lead byte and its continuation bytes when the sequence
    // it announces is longer than what has arrived.
    size_t cut = pending_.size();
    for (size_t back = 1; back <= 3 && back <= pending_.size(); ++back) {
        auto byte = static_cast<unsigned char>(pending_[pending_.size() - back]);
        if ((byte & 0xC0) == 0x80) continue;
        size_t length = (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 1;
        if (length > back) cut = pending_.size() - back;
        break;
    }
    std::string complete = pending_.substr(0, cut);
    pending_.erase(0, cut);
    return QString::fromStdString(decodeUtf8Lossy(complete));
}

QString Utf8Stream::finish() {
    std::string rest;
    rest.swap(pending_);
    return QString::fromStdString(decodeUtf8Lossy(rest));
}

void startCommand(QThreadPool& pool, QObject* receiver, CommandRun run, CommandEvents events) {
    pool.start([receiver, run = std::move(run), events = std::move(events)] {
        // The user is waiting for this step.
        QThread::currentThread()->setPriority(QThread::NormalPriority);
        auto post = [receiver](auto call) { QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection); };
        auto finish = [&](int status, const QString& output) {
            post([finished = events.finished, status, output] { finished(status, output); });
        };

        int fds[2];
        if (platform::openPipe(fds) != 0) return finish(1, describe(errno));
        pid_t pid = -1;
        try {
            platform::SpawnRequest request{run.executable, run.arguments};
            request.outputFd = fds[1];
            pid = platform::spawn(request);
        } catch (const std::exception& error) {
            ::close(fds[0]);
            ::close(fds[1]);
            return finish(1, QString::fromStdString(error.what()));
        }
        ::close(fds[1]);  // the child holds the only write end now
        post([started = events.started, pid] { started(pid); });

        QString output;
        Utf8Stream stream;
        auto deliver = [&](const QString& text) {
            if (text.isEmpty()) return;
            output += text;
            post([chunk = events.chunk, text] { chunk(text); });
        };
        std::optional<int> status;
        std::chrono::steady_clock::time_point exitedAt;
        char buffer[65536];
        for (;;) {
            pollfd readable{fds[0], POLLIN, 0};
            int ready = ::poll(&readable, 1, kPollMilliseconds);
            if (ready < 0) {
                if (errno == EINTR) continue;
                break;
            }
            if (ready == 0) {
                if (status) break;  // ended, and its pipe has gone quiet
                if ((status = reap(pid, false))) exitedAt = std::chrono::steady_clock::now();
                continue;
            }
            ssize_t count = ::read(fds[0], buffer, sizeof buffer);
            if (count < 0) {
                if (errno == EINTR || errno == EAGAIN) continue;
                break;
            }
            if (count == 0) break;
            deliver(stream.decode(std::string_view(buffer, size_t(count))));
            if (status && std::chrono::steady_clock::now() - exitedAt > kDrainAfterExit) break;
        }
        deliver(stream.finish());
        ::close(fds[0]);
        if (!status) status = reap(pid, true);
        finish(*status, output);
    });
}

}  // namespace ludowell
