// What the app relies on from a Wine engine, shown on the simulated engine
// and on Debian's real Wine alike: the server outlives the last program,
// Wine's own programs outlive wineboot, the registry reaches the disk when
// the server saves, and the first command after an engine change updates
// the prefix. The process table tells the user's programs from Wine's own.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

#include "core/process_tracking.h"
#include "core/files.h"
#include "platform/subprocess.h"
#include "support/eventually.h"
#include "support/temp_dir.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

struct Engine {
    std::string name;
    fs::path folder;
    fs::path program;  // a Windows program that waits until it is killed
};

void PrintTo(const Engine& engine, std::ostream* out) { *out << engine.name; }

std::vector<Engine> engines() {
    const fs::path resources = fs::path(LUDOWELL_BUNDLE_DIR) / "Contents/Resources";
    std::vector<Engine> list{{"Simulated", resources / "Engine", {}}};
#ifdef LUDOWELL_REAL_RESOURCES
    list.push_back({"DebianWine", fs::path(LUDOWELL_REAL_RESOURCES) / "Engine", LUDOWELL_REAL_PROGRAM});
#endif
    return list;
}

class EngineBehaviour : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        // A copy of its own, so the test may change the engine's files.
        engine = temp / "engine";
        fs::copy(GetParam().folder, engine, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        for (char** item = environ; *item; ++item) {
            std::string pair(*item);
            auto equals = pair.find('=');
            if (equals != std::string::npos && !pair.starts_with("WINE") && !pair.starts_with("DISPLAY"))
                env[pair.substr(0, equals)] = pair.substr(equals + 1);
        }
        // None of these came from outside: every WINE variable was left out above.
        env.insert({{"WINEPREFIX", prefix.string()}, {"WINELOADER", (engine / "bin/wine").string()},
                    {"WINESERVER", (engine / "bin/wineserver").string()}, {"WINEDEBUG", "-all"},
                    {"WINEDLLOVERRIDES", "winemenubuilder.exe="}});
        if (GetParam().program.empty()) std::ofstream(temp / "waiter.exe") << "TESTBED-PE waiter\n";
        else fs::copy_file(GetParam().program, temp / "waiter.exe");
    }
    void TearDown() override { run("wineserver", {"-k"}, 30s); }

    pid_t start(const std::string& tool, const std::vector<std::string>& args) const {
        ludowell::platform::Subprocess::Options request{engine / "bin" / tool, args};
        request.environment = &env;
        request.outputFd = devNull;
        request.newSession = true;
        return ludowell::platform::Subprocess::start(request).release();
    }
    // True when the tool ended within `limit`, with status 0 (it is killed otherwise).
    bool run(const std::string& tool, const std::vector<std::string>& args, std::chrono::milliseconds limit) const {
        const pid_t pid = start(tool, args);
        int status = 0;
        if (eventually([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, limit))
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return false;
    }
    std::string registry() const { return ludowell::readFile(prefix / "system.reg").value_or(""); }

    TempDir temp;
    fs::path engine;
    fs::path prefix = temp / "prefix";
    std::map<std::string, std::string> env;
    int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
};

TEST_P(EngineBehaviour, LingersSavesOnExitUpdatesAfterAnEngineChange) {
    ASSERT_TRUE(run("wine", {"wineboot", "--init"}, 120s));
    EXPECT_TRUE(fs::is_directory(prefix / "drive_c/windows/system32"));
    EXPECT_FALSE(fs::exists(prefix / "system.reg")) << "written only when the server saves";
    // Wine's own programs stay a while: a live engine, but nothing of the user's.
    EXPECT_TRUE(ludowell::hasLiveEngine(engine));
    EXPECT_FALSE(ludowell::hasUserProgram(engine));
    EXPECT_FALSE(run("wineserver", {"-w"}, 1500ms)) << "the server left with wineboot";
    ASSERT_TRUE(run("wineserver", {"-w"}, 60s));
    for (const char* hive : {"system.reg", "user.reg", "userdef.reg"})
        EXPECT_TRUE(fs::exists(prefix / hive)) << hive;

    ASSERT_TRUE(run("wine", {"winecfg", "-v", "win10"}, 60s));
    EXPECT_EQ(registry().find("\"CurrentVersion\"=\"10.0\""), std::string::npos) << "saved before the server exited";
    EXPECT_FALSE(run("wineserver", {"-w"}, 1000ms)) << "no persistence after the last program";
    ASSERT_TRUE(run("wineserver", {"-w"}, 60s));
    const std::string saved = registry();
    EXPECT_NE(saved.find("\"CurrentVersion\"=\"10.0\""), std::string::npos);
    EXPECT_NE(saved.find("\"ProductName\"=\"Microsoft Windows 10\""), std::string::npos);
    EXPECT_NE(saved.find("\"CurrentBuild\"="), std::string::npos);

    // A new engine (its wine.inf changed) makes the next command update the
    // prefix first, and the prefix then records that engine.
    const fs::path inf = engine / "share/wine/wine.inf";
    const auto stamp = [&] { return ludowell::readFile(prefix / ".update-timestamp").value_or(""); };
    const std::string before = stamp();
    ASSERT_FALSE(before.empty());
    fs::last_write_time(inf, fs::last_write_time(inf) + 1h);
    ASSERT_TRUE(run("wine", {"winecfg", "-v", "win10"}, 120s));
    EXPECT_NE(stamp(), before);
    EXPECT_EQ(stamp().substr(0, stamp().find_first_not_of("0123456789")),
              std::to_string(std::chrono::duration_cast<std::chrono::seconds>(
                                 std::chrono::file_clock::to_sys(fs::last_write_time(inf)).time_since_epoch())
                                 .count()));

    // The user's program runs as the engine's loader and counts as the
    // user's; "-k" ends it and the server.
    start("wine", {(temp / "waiter.exe").string()});
    ASSERT_TRUE(eventually([&] { return ludowell::hasUserProgram(engine); }, 60s));
    EXPECT_FALSE(run("wineserver", {"-w"}, 1500ms));
    run("wineserver", {"-k"}, 30s);
    EXPECT_TRUE(run("wineserver", {"-w"}, 30s));
    EXPECT_FALSE(ludowell::hasLiveEngine(engine));
}

INSTANTIATE_TEST_SUITE_P(Engines, EngineBehaviour, ::testing::ValuesIn(engines()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
