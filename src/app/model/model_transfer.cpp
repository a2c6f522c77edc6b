// The running step's download progress and its stop, as the window shows
// and offers them.
#include "app/model/child_lines.h"
#include "app/model/command_session.h"
#include "app/model/library_model.h"
#include "runtime/pinned_downloads.h"

namespace ludowell {
QString LibraryModel::localDetails() const {
    const QString shown = ChildLines::translate(details_);
    // A failed step's own ERROR line comes first: it holds the reason the
    // fixed message above it cannot give. The output follows as it came.
    const qsizetype at = details_.lastIndexOf(QLatin1String("\nERROR: "));
    if (busy_ || at < 0) return shown;
    const qsizetype end = details_.indexOf('\n', at + 1);
    return ChildLines::translate(details_.mid(at + 1, end < 0 ? -1 : end - at - 1)) + QStringLiteral("\n\n") + shown;
}

QString LibraryModel::transferText() const {
    return transfer_.shown ? DownloadWatch::describe(transfer_) : QString();
}

double LibraryModel::transferFraction() const {
    if (!transfer_.shown || transfer_.total == 0) return -1;
    return double(transfer_.received) / double(transfer_.total);
}

QString LibraryModel::transferProblem() const { return transfer_.shown && transfer_.stalled ? tr("No data received for 15 s. Check your connection.") : QString(); }

// Called whenever the activity changes: the two download phrases start a
// watch on their file, anything else ends it.
void LibraryModel::watchTransfer() {
    std::optional<PinnedDownload> pin;
    std::filesystem::path destination;
    const Runtime current = runtime();
    if (busy_ && activity_ == tr("Downloading game components…")) {
        pin = packageDownload(current.host());
        destination = current.root() / "downloads" / packageFileName;
    } else if (busy_ && activity_ == tr("Installing Steam…")) {
        pin = steamInstallerDownload(current.host());
        destination = current.root() / "downloads" / steamInstallerFileName;
    }
    if (!pin) {
        transferTimer_.stop();
        watch_.reset();
        if (transfer_.shown) {
            transfer_ = {};
            emit transferChanged();
        }
        return;
    }
    watch_.emplace(destination, pin->size, DownloadWatch::Clock::now());
    if (!transferTimer_.isActive()) {
        transferTimer_.setInterval(timing_.transferMilliseconds);
        connect(&transferTimer_, &QTimer::timeout, this, &LibraryModel::sampleTransfer, Qt::UniqueConnection);
        transferTimer_.start();
    }
    sampleTransfer();
}

void LibraryModel::sampleTransfer() {
    if (!watch_) return;
    const DownloadWatch::Reading next = watch_->sample(DownloadWatch::Clock::now());
    const bool changed = next.shown != transfer_.shown || next.received != transfer_.received ||
                         next.total != transfer_.total || next.rate != transfer_.rate ||
                         next.stalled != transfer_.stalled;
    transfer_ = next;
    if (changed) emit transferChanged();
}

void LibraryModel::cancel() {
    if (!busy_ || !child_ || stopping_) return;
    const int answer = ask(tr("Stop this step?"),
                           tr("Ludowell stops where it is. Everything already finished is kept, and "
                              "the next attempt picks up from there."),
                           {tr("Keep working"), tr("Stop step")});
    // The step may have ended while the question was open.
    if (answer != 1 || !busy_ || !child_) return;
    stopping_ = true;
    emit stoppingChanged();
    session_->requestStop();
}

}  // namespace ludowell
