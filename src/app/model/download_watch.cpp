#include "app/model/download_watch.h"

#include <QCoreApplication>
#include <QLocale>

#include <system_error>

namespace ludowell {
namespace {
// The rate is taken over this much of the recent past, so it neither
// jumps with every chunk nor lags far behind a change of speed.
constexpr std::chrono::seconds kRateWindow{3};
}  // namespace

DownloadWatch::DownloadWatch(std::filesystem::path destination, std::uint64_t expected, Clock::time_point start)
    : destination_(std::move(destination)), expected_(expected), lastGrowth_(start) {
    working_ = destination_;
    working_ += ".partial";
}

DownloadWatch::Reading DownloadWatch::sample(Clock::time_point now) {
    Reading reading;
    std::error_code ec;
    const std::uint64_t size = std::filesystem::file_size(working_, ec);
    const bool present = !ec;
    if (present) {
        seen_ = true;
    } else if (seen_ || std::filesystem::exists(destination_, ec)) {
        // Finished (moved into place), or a verified copy was reused.
        return reading;
    }
    reading.shown = true;
    reading.received = present ? size : 0;
    reading.total = expected_ >= reading.received ? expected_ : 0;

    // curl starts over on a retry: the file shrinks, and so does the history.
    if (!recent_.empty() && reading.received < recent_.back().second) recent_.clear();
    const bool grew = recent_.empty() ? reading.received > 0 : reading.received > recent_.back().second;
    if (grew) lastGrowth_ = now;
    recent_.emplace_back(now, reading.received);
    while (recent_.size() > 2 && now - recent_[1].first >= kRateWindow) recent_.pop_front();
    if (recent_.size() >= 2) {
        const double seconds = std::chrono::duration<double>(now - recent_.front().first).count();
        if (seconds > 0.2) reading.rate = double(reading.received - recent_.front().second) / seconds;
    }
    reading.stalled = now - lastGrowth_ >= kStallAfter;
    return reading;
}

// Units are the translators' (French writes Mo); numbers are the locale's.
// Not formattedDataSize: its "kB" would change what English shows.
QString DownloadWatch::bytes(double count) {
    const QLocale locale;
    // Decimal units, as the Mac's Finder counts.
    if (count >= 1e9) return tr("%1 GB").arg(locale.toString(count / 1e9, 'f', 2));
    if (count >= 1e6) return tr("%1 MB").arg(locale.toString(count / 1e6, 'f', count >= 1e8 ? 0 : 1));
    if (count >= 1e3) return tr("%1 KB").arg(locale.toString(count / 1e3, 'f', 0));
    return tr("%n byte(s)", nullptr, int(count));
}

QString DownloadWatch::describe(const Reading& reading) {
    QString text = bytes(double(reading.received));
    if (reading.total > 0) text = tr("%1 of %2").arg(text, bytes(double(reading.total)));
    if (reading.rate >= 0 && !reading.stalled) text = tr("%1 · %2/s").arg(text, bytes(reading.rate));
    return text;
}

}  // namespace ludowell
