// Preloaded into a Qt Quick program by window_start_bench: writes the
// monotonic time of the program's first presented frame to the file named
// by LUDOWELL_BENCH_FRAME_FILE. The program itself is not changed.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>


#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

void noteFrame(const QByteArray& file) {
    static std::atomic<bool> done{false};
    if (done.exchange(true)) return;
    // The monotonic clock, which the benchmark reads too.
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    if (FILE* out = std::fopen(file.constData(), "w")) {
        std::fprintf(out, "%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fclose(out);
    }
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
                QObject::connect(quick, &QQuickWindow::frameSwapped, quick, [file] { noteFrame(file); },
                                 Qt::DirectConnection);
                return;
            }
        }
    });
    poll->start();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheWindow)
