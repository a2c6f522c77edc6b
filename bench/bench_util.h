#pragma once
#include <sys/resource.h>
#include <sys/time.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace bench {

inline double wallSeconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline long maxRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs a shell command, discarding its output; returns its wall time.
inline double shell(const std::string& command) {
    return wallSeconds([&] {
        if (std::system((command + " >/dev/null").c_str()) != 0)
            std::fprintf(stderr, "command failed: %s\n", command.c_str());
    });
}

}  // namespace bench
