// Preloaded into a Qt Quick program by window_start_bench: writes to the
// file named by LUDOWELL_BENCH_FRAME_FILE the monotonic time of the
// program's first presented frame, and then, on a second line, that of its
// last frame before it went still (no new frame for 300 ms), by which all
// it builds after the first frame is on screen. The program itself is not
// changed.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

long long monotonicNs() {
    // The monotonic clock, which the benchmark reads too.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<long long>(std::chrono::nanoseconds(now).count());
}

// Written whole and then renamed, so the benchmark never reads half a line.
void writeTimes(const QByteArray& file, const std::string& lines) {
    const std::string partial = file.toStdString() + ".partial";
    if (FILE* out = std::fopen(partial.c_str(), "w")) {
        std::fputs(lines.c_str(), out);
        std::fclose(out);
        std::rename(partial.c_str(), file.constData());
    }
}

struct Frames {
    QByteArray file;
    std::atomic<long long> first{0};
    std::atomic<long long> last{0};
};

void watch(QQuickWindow* window, const QByteArray& file) {
    auto* frames = new Frames{file};
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [frames] {
        const long long now = monotonicNs();
        frames->last = now;
        long long none = 0;
        if (frames->first.compare_exchange_strong(none, now)) writeTimes(frames->file, std::to_string(now) + "\n");
    }, Qt::DirectConnection);
    // Settled: no new frame for 300 ms. What the program builds after its
    // first frame is all on screen by its last frame before that.
    auto* still = new QTimer(window);
    still->setInterval(20);
    QObject::connect(still, &QTimer::timeout, still, [still, frames] {
        const long long last = frames->last;
        if (last == 0 || monotonicNs() - last < 300'000'000) return;
        still->stop();
        writeTimes(frames->file, std::to_string(frames->first) + "\n" + std::to_string(last) + "\n");
    });
    still->start();
}

void watchForTheWindow() {
    const QByteArray file = qgetenv("LUDOWELL_BENCH_FRAME_FILE");
    if (file.isEmpty() || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, file] {
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (auto* quick = qobject_cast<QQuickWindow*>(window)) {
                poll->stop();
                watch(quick, file);
                return;
            }
        }
    });
    poll->start();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheWindow)
