// One window refresh tick: `inspect` plus `isGameRunning` on a prepared
// runtime whose game runs, with at least 1,000 other processes in the table,
// beside `pgrep -f` over the same table. Target: at most 2 ms of CPU time per
// tick and no slower than pgrep.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "bench_util.h"
#include "core/library_snapshot.h"
#include "core/process_tracking.h"
#include "platform/platform.h"
#include "platform/subprocess.h"
#include "runtime/runtime.h"
#include "runtime/library_state.h"

namespace fs = std::filesystem;
using namespace ludowell;

static pid_t startSleeper(const fs::path& program) {
    platform::Subprocess::Options request{program, {"600"}};
    return platform::Subprocess::start(request).release();
}

static void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
}

int main(int argc, char** argv) {
    const int others = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 500;
    char pattern[] = "/tmp/ludowell-tick-XXXXXX";
    const fs::path dir = mkdtemp(pattern);
    const fs::path root = dir / "aoe4";

    // A prepared runtime: marker, Steam, an installed game, Steam's log
    // tracking the game, and a process running from the engine folder.
    Runtime runtime(root, dir, GameProfile::aoeIV());
    write(root / "runtime-ready", "runtime-v1\n");
    write(runtime.steam(), "steam");
    write(runtime.game(), "game");
    write(runtime.steamFolder() / "steamapps/appmanifest_1466860.acf",
          "\"AppState\"\n{\n\t\"appid\"\t\t\"1466860\"\n\t\"StateFlags\"\t\t\"4\"\n"
          "\t\"BytesToDownload\"\t\t\"1000\"\n\t\"BytesDownloaded\"\t\t\"1000\"\n}\n");
    std::string log;
    for (int i = 0; i < 2000; ++i) log += "[2026-12-05 10:00:00] AppID 228980 adding PID " + std::to_string(i) + " as a tracked process\n";
    log += "[2026-12-05 10:00:01] AppID 1466860 adding PID 4242 as a tracked process \"RelicCardinal.exe\"\n";
    write(runtime.steamFolder() / "logs/gameprocess_log.txt", log);

    const fs::path outside = dir / "outside/sleep";
    fs::create_directories(outside.parent_path());
    fs::copy_file("/bin/sleep", outside);
    std::vector<pid_t> children;
    for (int i = 0; i < others; ++i) children.push_back(startSleeper(outside));
    fs::create_directories(runtime.engine() / "bin");
    fs::copy_file("/bin/sleep", runtime.wine());
    children.push_back(startSleeper(runtime.wine()));  // the newest pid: scanned last
    usleep(200000);

    int processes = 0;
    for (auto& entry : fs::directory_iterator("/proc"))
        processes += std::isdigit(entry.path().filename().string()[0]) ? 1 : 0;

    bool running = false;
    GameStage stage = GameStage::setup;
    const double start = bench::cpuSeconds();
    for (int i = 0; i < ticks; ++i) {
        stage = inspectLibrary(runtime).stage;
        running = isGameRunning(runtime);
    }
    const double perTick = (bench::cpuSeconds() - start) / ticks;

    // pgrep forks, so count its CPU as the wall time of one run over the same table.
    const int pgrepRuns = 20;
    double pgrep = 0;
    for (int i = 0; i < pgrepRuns; ++i) pgrep += bench::shell("pgrep -f '" + runtime.wine().string() + "'");
    pgrep /= pgrepRuns;

    std::printf("refresh tick over %d processes (%d ticks): stage %s, running %s\n", processes, ticks,
                rawValue(stage).c_str(), running ? "yes" : "no");
    std::printf("  inspect + isGameRunning  %8.3f ms CPU per tick (target <= 2 ms)\n", perTick * 1e3);
    std::printf("  pgrep -f (wall per run)  %8.3f ms\n", pgrep * 1e3);
    std::printf("  ratio pgrep / tick       %8.2f (target >= 1)\n", pgrep / perTick);

    // The same tick once the game has ended: the whole table is scanned.
    kill(children.back(), SIGKILL);
    waitpid(children.back(), nullptr, 0);
    children.pop_back();
    const double idleStart = bench::cpuSeconds();
    for (int i = 0; i < ticks; ++i) {
        stage = inspectLibrary(runtime).stage;
        running = isGameRunning(runtime);
    }
    const double idlePerTick = (bench::cpuSeconds() - idleStart) / ticks;
    std::printf("  after the game ended     %8.3f ms CPU per tick (full scan, running %s)\n",
                idlePerTick * 1e3, running ? "yes" : "no");

    for (pid_t pid : children) kill(pid, SIGKILL);
    for (pid_t pid : children) waitpid(pid, nullptr, 0);
    fs::remove_all(dir);
    return 0;
}
