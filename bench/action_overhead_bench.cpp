// For each action of the testbed journey: its wall time beside the time its
// external tools took, so the system's own overhead per action shows.
// Children are timed from their spawn to their reaping, and the fixed
// waits (the registry poll) are set aside, using strace's record of
// the app's threads, from its first exec to its exit.
// Target: own overhead below 100 ms per action.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <thread>
#include <vector>

#include "core/library_snapshot.h"
#include "core/files.h"
#include "runtime/runtime.h"
#include "testbed_world.h"
#include "runtime/library_state.h"

namespace fs = std::filesystem;

namespace {

struct Timing {
    double wall = 0;
    double tools = 0;
    double waits = 0;
    int children = 0;
};

using Interval = std::pair<double, double>;

// The length of the union of the intervals.
double covered(std::vector<Interval> intervals) {
    std::sort(intervals.begin(), intervals.end());
    double total = 0, end = -1;
    for (auto [from, to] : intervals) {
        from = std::max(from, end);
        if (to > from) total += to - from;
        end = std::max(end, to);
    }
    return total;
}

// Reads "SECONDS.MICROS call(...) = RESULT <DURATION>" lines of the app's
// threads: the first is the main thread, which names the others as it
// starts them. A tool runs from its spawn to its reaping, by whichever
// thread; the tools of parallel threads overlap and count once.
Timing parse(const fs::path& traces, const fs::path& main) {
    const std::regex thread(R"(^([\d.]+)\s+clone3?\(.*CLONE_THREAD.*= (\d+)(?: <[\d.]+>)?$)");
    const std::regex spawn(R"(^([\d.]+)\s+(?:clone3?|vfork)\(.*CLONE_VFORK.*= (\d+)(?: <([\d.]+)>)?$)");
    const std::regex reap(R"(^([\d.]+)\s+wait4\(.*= (\d+) <([\d.]+)>$)");
    const std::regex sleep(R"(^([\d.]+)\s+clock_nanosleep\(.*<([\d.]+)>$)");
    std::map<long, double> spawned, reaped;
    std::vector<Interval> sleeps;
    double first = -1, last = 0;
    std::vector<fs::path> files{main};
    for (size_t i = 0; i < files.size(); ++i) {
        std::ifstream in(files[i]);
        std::smatch m;
        for (std::string line; std::getline(in, line);) {
            if (i == 0) {
                const double at = std::atof(line.c_str());
                if (first < 0) first = at;
                last = at;
            }
            if (std::regex_match(line, m, thread)) {
                files.push_back(traces / ("t." + m[2].str()));
            } else if (std::regex_match(line, m, spawn)) {
                spawned[std::stol(m[2])] = std::stod(m[1]);
            } else if (std::regex_match(line, m, reap) && std::stol(m[2]) > 0) {
                reaped[std::stol(m[2])] = std::stod(m[1]) + std::stod(m[3]);
            } else if (std::regex_match(line, m, sleep)) {
                sleeps.push_back({std::stod(m[1]), std::stod(m[1]) + std::stod(m[2])});
            }
        }
    }
    std::vector<Interval> tools;
    for (const auto& [pid, at] : spawned)
        if (auto end = reaped.find(pid); end != reaped.end()) tools.push_back({at, end->second});
    Timing timing;
    timing.wall = last - first;  // from the first exec to the exit
    timing.children = static_cast<int>(tools.size());
    timing.tools = covered(tools);
    // Polls while a tool runs are that tool's time; the rest are fixed waits.
    std::vector<Interval> both = tools;
    both.insert(both.end(), sleeps.begin(), sleeps.end());
    timing.waits = covered(both) - timing.tools;
    return timing;
}

bool exitLine(const fs::path& trace) {
    std::ifstream in(trace);
    std::string line;
    while (std::getline(in, line))
        if (line.find("+++ exited with") != std::string::npos || line.find("+++ killed by") != std::string::npos)
            return true;
    return false;
}

// The trace of the process strace started: "env", which becomes the app.
fs::path mainTrace(const fs::path& traces) {
    for (const auto& entry : fs::directory_iterator(traces)) {
        std::ifstream in(entry.path());
        std::string first;
        std::getline(in, first);
        if (first.find("execve(\"/usr/bin/env\"") != std::string::npos) return entry.path();
    }
    return {};
}

}  // namespace

int main() {
    testbed::World world;
    const fs::path root = world.dataRoot();
    fs::create_directories(root);
    ludowell::atomicWrite(root / "license-accepted", "Accepted locally: now\n");
    const fs::path traces = world.dir / "traces";

    auto run = [&](const std::string& action) {
        // One file per process, and a seccomp filter so that only the traced
        // calls stop a process: plain ptrace would slow every call down.
        fs::remove_all(traces);
        fs::create_directories(traces);
        std::string command = "exec strace -q -I1 -ff --seccomp-bpf -ttt -T -e trace=process,clock_nanosleep -o '" +
                              (traces / "t").string() + "' env";
        for (auto& [k, v] : world.environment())
            if (k == "HOME" || k == "XDG_DATA_HOME" || k == "CURL_CA_BUNDLE") command += " " + k + "='" + v + "'";
        command += " '" + world.executable.string() + "' --command " + action + " --data-root '" + root.string() +
                   "' >/dev/null 2>&1";
        const pid_t strace = ::fork();
        if (strace == 0) {
            ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // The Steam client and the Wine server outlive the action; strace
        // would wait for them, so it is told to let go once the app is done.
        fs::path trace;
        for (;;) {
            if (trace.empty()) trace = mainTrace(traces);
            if (!trace.empty() && exitLine(trace)) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ::kill(strace, SIGTERM);
        ::waitpid(strace, nullptr, 0);
        return parse(traces, trace);
    };

    std::vector<std::pair<std::string, Timing>> results;
    results.push_back({"check", run("check")});
    results.push_back({"setup", run("setup")});
    std::ofstream(root / "steam-sign-in-confirmed").close();
    results.push_back({"install", run("install")});
    ludowell::Runtime runtime(root, world.bundle / "Contents/Resources");
    for (int i = 0; i < 200 && ludowell::inspectLibrary(runtime).stage != ludowell::GameStage::ready; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    results.push_back({"play", run("play")});
    results.push_back({"steam", run("steam")});
    results.push_back({"stop", run("stop")});
    results.push_back({"prepare", run("prepare")});

    std::printf("%-8s %9s %9s %9s %9s %6s\n", "action", "wall ms", "tools ms", "waits ms", "own ms", "tools");
    for (auto& [name, t] : results)
        std::printf("%-8s %9.1f %9.1f %9.1f %9.1f %6d\n", name.c_str(), t.wall * 1e3, t.tools * 1e3, t.waits * 1e3,
                    (t.wall - t.tools - t.waits) * 1e3, t.children);
    std::printf("(own = wall - tools - fixed waits; target below 100 ms per action; timed under strace with a seccomp filter)\n");
    return 0;
}
