#pragma once
// Follows a pinned download from the window. The command-mode child prints
// nothing while curl runs, so progress is read from the working file's size
// against the size pinned beside the file's digest.
#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <utility>

#include <QCoreApplication>
#include <QString>

namespace ludowell {

class DownloadWatch {
    Q_DECLARE_TR_FUNCTIONS(ludowell::DownloadWatch)

public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kStallAfter{15};

    // `destination` is where the verified file will be; its working file is
    // beside it. `expected` 0: the total is not known.
    DownloadWatch(std::filesystem::path destination, std::uint64_t expected, Clock::time_point start);

    struct Reading {
        bool shown = false;         // a transfer is under way or about to start
        std::uint64_t received = 0;
        std::uint64_t total = 0;    // 0: unknown
        double rate = -1;           // bytes per second; negative until known
        bool stalled = false;       // nothing arrived for kStallAfter
    };
    Reading sample(Clock::time_point now);

    // "12.4 MB of 87 MB · 1.5 MB/s".
    static QString describe(const Reading& reading);
    static QString bytes(double count);

private:
    std::filesystem::path destination_;
    std::filesystem::path working_;
    std::uint64_t expected_;
    bool seen_ = false;
    Clock::time_point lastGrowth_;
    std::deque<std::pair<Clock::time_point, std::uint64_t>> recent_;
};

}  // namespace ludowell
