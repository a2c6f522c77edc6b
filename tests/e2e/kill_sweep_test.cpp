// Kills command mode at exact system calls, with strace's fault injection,
// and checks that the next run completes and that nothing on disk ever
// claims more than is true: setup on a fresh data root, repair on a
// prepared one, and an engine update. Timed kills never hit most of these
// points. LUDOWELL_KILL_POINTS=all kills at every occurrence instead of a
// sample of each call.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "engine/engine_manifest.h"
#include "core/files.h"
#include "platform/subprocess.h"
#include "runtime/runtime.h"
#include "testbed_world.h"
#include "runtime/engine_selection.h"
#include "engine/engine_digest.h"
#include "support/files.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

const fs::path kStrace = "/usr/bin/strace";
// The calls that change state: names, syncs, removals, folders, copies,
// links and the start of every tool.
const std::vector<std::string> kCalls = {"rename", "fsync",   "unlink", "rmdir", "mkdir",
                                         "sendfile", "symlink", "clone3", "clone"};

// Occurrences killed per call unless every one is asked for.
constexpr int kSample = 4;
// Kills tried side by side.
constexpr int kWorkers = 3;

class KillSweep : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kStrace)) GTEST_SKIP() << "strace is not installed";
        world.exportToThisProcess();
        const auto text = readFile(resources / "engine-manifest.json");
        ASSERT_TRUE(text);
        manifest = EngineManifest::decode(*text);
    }

    // The app's arguments for `action` on `root`, after `before` (strace's own and the app, or none).
    std::vector<std::string> args(const std::string& action, const fs::path& root,
                                  std::vector<std::string> before = {}) const {
        before.insert(before.end(), {"--command", action, "--data-root", root.string()});
        return before;
    }

    void stop(const fs::path& root) const {
        if (fs::exists(root / "prefix")) world.ludowell(args("stop", root));
    }

    // A fully set up data root with the user's own files planted in it.
    void setUpTemplate() {
        writeFile(base / "license-accepted", "Accepted locally: now\n");
        auto setup = world.ludowell(args("setup", base));
        ASSERT_EQ(setup.status, 0) << setup.output;
        stop(base);
        const Runtime runtime(base, resources);
        const fs::path steam = runtime.steamFolder();
        std::vector<fs::path> planted = {steam / "userdata/4242/config/localconfig.vdf",
                                         steam / "config/config.vdf", runtime.game(),
                                         runtime.game().parent_path() / "cardinal.pak"};
        for (auto& user : fs::directory_iterator(runtime.prefix() / "drive_c/users"))
            if (fs::is_directory(user.path() / "Documents"))
                planted.push_back(user.path() / "Documents/My Games/Age of Empires IV/save.aoe4");
        for (const auto& file : planted)
            writeFile(file, userFiles[file.lexically_relative(base)] = "the user's own " + file.filename().string());
    }

    fs::path copyOf(const fs::path& from, const std::string& name) const {
        const fs::path to = world.dir / name;
        auto copy = world.run("/bin/cp", {"-a", from.string(), to.string()});
        EXPECT_EQ(copy.status, 0) << copy.output;
        return to;
    }

    // Runs the action under strace and returns how often each call happened.
    std::map<std::string, int> countCalls(const fs::path& root, const std::string& action) const {
        const fs::path trace = world.dir / "trace.txt";
        std::string set;
        for (const auto& call : kCalls) set += (set.empty() ? "" : ",") + call;
        auto result = world.run(
            kStrace, args(action, root, {"-o", trace.string(), "-e", "trace=" + set, "--", world.executable}));
        EXPECT_EQ(result.status, 0) << result.output;
        std::map<std::string, int> counts;
        std::ifstream in(trace);
        for (std::string line; std::getline(in, line);)
            if (const auto call = line.substr(0, line.find('(')); std::ranges::count(kCalls, call)) ++counts[call];
        return counts;
    }

    // Which occurrences to kill at: all of them, or an even sample that
    // always holds the first and the last.
    static std::vector<int> points(int count) {
        const char* all = std::getenv("LUDOWELL_KILL_POINTS");
        const int sample = all && std::string(all) == "all" ? count : kSample;
        const int taken = std::min(sample, count);
        std::set<int> chosen;
        for (int i = 0; i < taken; ++i)
            chosen.insert(taken == 1 ? 1 : 1 + int((long long)(count - 1) * i / (taken - 1)));
        return {chosen.begin(), chosen.end()};
    }

    // Runs the action and kills it at the Nth call; false when it ended first.
    bool killedAt(const fs::path& root, const std::string& action, const std::string& call, int n) const {
        const auto env = world.environment();
        platform::Subprocess::Options request{
            kStrace, args(action, root, {"-o", "/dev/null", "-e", "trace=" + call, "-e",
                                         "inject=" + call + ":signal=KILL:when=" + std::to_string(n), "--",
                                         world.executable})};
        request.environment = &env;
        request.newSession = true;
        const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        request.outputFd = devNull;
        const pid_t pid = platform::Subprocess::start(request).release();
        ::close(devNull);
        int status = 0;
        ::waitpid(pid, &status, 0);
        // The tools it had started go with it, as they would with a crash's process group.
        ::kill(-pid, SIGKILL);
        return WIFSIGNALED(status) ? WTERMSIG(status) == SIGKILL
                                   : WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGKILL;
    }

    // What every marker claims must hold. Returns what does not.
    std::vector<std::string> markersHold(const fs::path& root) const {
        std::vector<std::string> broken;
        const Runtime runtime(root, resources);
        if (auto ready = readFile(root / "runtime-ready")) {
            if (*ready != "runtime-v1\n") broken.push_back("runtime-ready holds " + *ready);
            if (!fs::exists(runtime.prefix() / "system.reg")) broken.push_back("runtime-ready without a prefix");
            for (const char* name : Runtime::graphicsLibraries()) {
                const std::string dll = std::string(name) + ".dll";
                const auto copied = readFile(runtime.prefix() / "drive_c/windows/system32" / dll);
                if (!copied || copied != readFile(runtime.renderer() / "wine/x86_64-windows" / dll))
                    broken.push_back("runtime-ready over a wrong " + dll);
            }
        }
        if (auto text = readFile(runtime.engineSelectionFile())) {
            auto selection = EngineSelection::decode(*text);
            if (!selection) broken.push_back("an unreadable engine selection: " + *text);
            else if (selection->current == manifest.version)
                for (const auto& [path, expected] : manifest.files) {
                    std::string actual;
                    try {
                        actual = ludowell::engineDigest(runtime, runtime.engine() / path, manifest);
                    } catch (const std::exception& error) {
                        actual = error.what();
                    }
                    if (actual != expected) broken.push_back("the selected engine's " + path + " does not verify: " + actual);
                }
        }
        if (auto session = readFile(root / "steam-session.json");
            session && *session != R"({"hud":false})" && *session != R"({"hud":true})")
            broken.push_back("steam-session.json holds " + *session);
        return broken;
    }

    // After a completed run: the shipped engine selected, nothing half-done
    // left, and every file of the user's as it was.
    std::vector<std::string> completed(const fs::path& root) const {
        auto broken = markersHold(root);
        if (!fs::exists(root / "runtime-ready")) broken.push_back("no runtime-ready");
        if (Runtime(root, resources).engine() != root / ("engine-" + manifest.version))
            broken.push_back("the shipped engine is not selected");
        for (const fs::path folder : {root, root / "downloads", root / "prefix/drive_c/windows/system32"}) {
            std::error_code ec;
            for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
                const std::string name = it->path().filename().string();
                if (name.find("-staging-") != std::string::npos || name.find(".tmp-") != std::string::npos ||
                    name.ends_with(".partial"))
                    broken.push_back("left behind: " + it->path().string());
            }
        }
        for (const auto& [file, bytes] : userFiles)
            if (readFile(root / file) != bytes) broken.push_back("the user's " + file.string() + " changed");
        return broken;
    }

    // Kills the action at sampled occurrences of every call, reruns it to
    // completion each time, and reports the tally. Each kill works on its
    // own copy of the data root, so a few run side by side: most of a run
    // is spent waiting on Wine's server. Runs that open Steam are stopped after.
    void sweep(const std::string& name, const fs::path& start, const std::string& action, bool launchesSteam) {
        const auto counts = countCalls(copyOf(start, name + "-count"), action);
        stop(world.dir / (name + "-count"));
        std::cout << "kill sweep, " << name << ":";
        for (const auto& [call, count] : counts) std::cout << " " << call << " x" << count;
        std::cout << std::endl;
        std::vector<std::pair<std::string, int>> kills;
        for (const auto& [call, count] : counts)
            for (int n : points(count)) kills.emplace_back(call, n);

        std::mutex mutex;
        int tried = 0, recovered = 0, violated = 0;
        std::atomic<size_t> next{0};
        auto worker = [&] {
            for (size_t i = next++; i < kills.size(); i = next++) {
                const auto& [call, n] = kills[i];
                const std::string label = action + " killed at " + call + " #" + std::to_string(n);
                const fs::path root = copyOf(start, name + "-" + call + "-" + std::to_string(n));
                const bool killed = killedAt(root, action, call, n);
                if (launchesSteam) stop(root);
                if (!killed) {
                    fs::remove_all(root);
                    continue;
                }
                auto problems = markersHold(root);
                auto rerun = world.ludowell(args(action, root));
                if (rerun.status != 0) problems.push_back("the rerun failed: " + rerun.output);
                if (launchesSteam) stop(root);
                for (auto& problem : completed(root)) problems.push_back(problem);
                fs::remove_all(root);
                std::lock_guard lock(mutex);
                ++tried;
                if (rerun.status == 0) ++recovered;
                if (!problems.empty()) ++violated;
                for (auto& problem : problems) ADD_FAILURE() << label << ": " << problem;
            }
        };
        std::vector<std::thread> workers;
        for (int i = 0; i < kWorkers; ++i) workers.emplace_back(worker);
        for (auto& thread : workers) thread.join();
        std::cout << "kill sweep, " << name << ": " << tried << " kills tried, " << recovered << " recovered, "
                  << violated << " violated" << std::endl;
        EXPECT_GT(tried, 0);
        EXPECT_EQ(violated, 0);
    }

    testbed::World world;
    const fs::path resources = world.bundle / "Contents/Resources";
    const fs::path base = world.dataRoot("template");
    EngineManifest manifest;
    std::map<fs::path, std::string> userFiles;
};

TEST_F(KillSweep, SetupOnAFreshDataRoot) {
    const fs::path fresh = world.dataRoot("fresh");
    writeFile(fresh / "license-accepted", "Accepted locally: now\n");
    sweep("setup", fresh, "setup", true);
}

TEST_F(KillSweep, RepairOnAPreparedDataRoot) {
    setUpTemplate();
    sweep("repair", base, "prepare", false);
}

TEST_F(KillSweep, EngineUpdateWhileOpeningSteam) {
    // The data root last ran an older engine: the shipped one moves aside
    // under an older version's name, which the selection then names.
    setUpTemplate();
    fs::rename(base / ("engine-" + manifest.version), base / "engine-0-9");
    atomicWrite(base / "engine-selection.json", R"({"current":"0-9","previous":"engine"})");
    sweep("engine update", base, "steam", true);
}

}  // namespace
