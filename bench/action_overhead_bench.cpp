// For each action of the testbed journey: its wall time beside the time its
// external tools took, so the system's own overhead per action shows.
// Children are timed from their spawn to their reaping, and the fixed
// waits (the registry poll) are set aside, using strace's record of
// the main process. Target: own overhead below 100 ms per action.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <thread>

#include "bench_util.h"
#include "core/library_snapshot.h"
#include "runtime/files.h"
#include "runtime/runtime.h"
#include "testbed_world.h"

namespace fs = std::filesystem;

namespace {

struct Timing {
    double wall = 0;
    double tools = 0;
    double waits = 0;
    int children = 0;
};

// Reads "SECONDS.MICROS call(...) = RESULT <DURATION>" lines of the main
// process: spawns, reaps and sleeps outside a child's lifetime.
Timing parse(const fs::path& trace, double wall) {
    std::ifstream in(trace);
    std::string line;
    std::map<long, double> started;
    Timing timing;
    timing.wall = wall;
    const std::regex spawn(R"(^()([\d.]+)\s+(clone3?|vfork)\(.*CLONE_VFORK.*= (\d+)(?: <[\d.]+>)?$)");
    const std::regex reap(R"(^()([\d.]+)\s+wait4\((\d+),.*= (\d+)(?: <[\d.]+>)?$)");
    const std::regex sleep(R"(^()([\d.]+)\s+clock_nanosleep\(.*<([\d.]+)>$)");
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_match(line, m, spawn)) {
            started[std::stol(m[4])] = std::stod(m[2]);
        } else if (std::regex_match(line, m, reap) && std::stol(m[4]) > 0) {
            auto it = started.find(std::stol(m[4]));
            if (it == started.end()) continue;
            timing.tools += std::stod(m[2]) - it->second;
            ++timing.children;
            started.erase(it);
        } else if (std::regex_match(line, m, sleep) && started.empty()) {
            timing.waits += std::stod(m[3]);
        } else if (std::regex_match(line, m, sleep)) {
            // A poll while a child runs is part of that child's time.
        }
    }
    return timing;
}

}  // namespace

int main() {
    testbed::World world;
    const fs::path root = world.dataRoot();
    fs::create_directories(root);
    ludowell::atomicWrite(root / "license-accepted", "Accepted locally: now\n");
    const fs::path trace = world.dir / "trace.txt";

    auto run = [&](const std::string& action) {
        std::string command = "strace -qq -ttt -T -e trace=process,clock_nanosleep -o '" +
                              trace.string() + "' env";
        for (auto& [k, v] : world.environment())
            if (k == "HOME" || k == "XDG_DATA_HOME" || k == "CURL_CA_BUNDLE") command += " " + k + "='" + v + "'";
        command += " '" + world.executable.string() + "' --command " + action + " --data-root '" + root.string() +
                   "' >/dev/null 2>&1";
        double wall = bench::wallSeconds([&] {
            if (std::system(command.c_str()) != 0) std::fprintf(stderr, "%s failed\n", action.c_str());
        });
        return parse(trace, wall);
    };

    std::vector<std::pair<std::string, Timing>> results;
    results.push_back({"check", run("check")});
    results.push_back({"setup", run("setup")});
    std::ofstream(root / "steam-sign-in-confirmed").close();
    results.push_back({"install", run("install")});
    ludowell::Runtime runtime(root, world.bundle / "Contents/Resources");
    for (int i = 0; i < 200 && ludowell::LibrarySnapshot::inspect(runtime).stage != ludowell::GameStage::ready; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    results.push_back({"play", run("play")});
    results.push_back({"steam", run("steam")});
    results.push_back({"stop", run("stop")});
    results.push_back({"prepare", run("prepare")});

    std::printf("%-8s %9s %9s %9s %9s %6s\n", "action", "wall ms", "tools ms", "waits ms", "own ms", "tools");
    for (auto& [name, t] : results)
        std::printf("%-8s %9.1f %9.1f %9.1f %9.1f %6d\n", name.c_str(), t.wall * 1e3, t.tools * 1e3, t.waits * 1e3,
                    (t.wall - t.tools - t.waits) * 1e3, t.children);
    std::printf("(own = wall - tools - fixed waits; target below 100 ms per action; timed under strace)\n");
    return 0;
}
