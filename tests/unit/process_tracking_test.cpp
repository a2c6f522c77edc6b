#include <gtest/gtest.h>

#include <fstream>

#include "core/process_tracking.h"
#include "runtime/runtime.h"
#include "support/files.h"
#include "support/live_process.h"
#include "support/temp_dir.h"
#include "runtime/library_state.h"

using ludowell::hasLiveEngine;
using ludowell::isGameRunning;
using ludowell::Runtime;
namespace fs = std::filesystem;

namespace {

std::string adding(const std::string& pid, const std::string& app = "1466860",
                   const std::string& exe = "RelicCardinal.exe") {
    return "[2025-01-01 10:00:00] AppID " + app + " adding PID " + pid +
           " as a tracked process \"C:\\Program Files (x86)\\Steam\\steamapps\\common\\Age of Empires IV\\" + exe +
           "\"\n";
}
std::string ending(const std::string& pid, const std::string& app = "1466860") {
    return "[2025-01-01 10:05:00] AppID " + app + " no longer tracking PID " + pid + ", exit code 0\n";
}
std::string removal(const std::string& app = "1466860") {
    return "[2025-01-01 10:05:01] Remove " + app + " from running list\n";
}
std::string crlf(std::string line) { return line.insert(line.size() - 1, "\r"); }

bool tracked(const std::string& log) { return ludowell::hasTrackedGame(log, ludowell::GameProfile::aoeIV()); }

}  // namespace

TEST(TrackedGame, AddingEndingAndRemovalLineByLine) {
    EXPECT_FALSE(tracked(""));
    EXPECT_TRUE(tracked(adding("4242")));
    EXPECT_FALSE(tracked(adding("4242") + ending("4242")));
    EXPECT_FALSE(tracked(adding("4242") + removal()));
    EXPECT_TRUE(tracked(adding("4242") + removal() + adding("5151")));
    // The number may end the line; the last "adding PID " of a line counts.
    EXPECT_FALSE(tracked("RelicCardinal.exe AppID 1466860 adding PID 77\n" + ending("77")));
    EXPECT_FALSE(tracked("AppID 1466860 adding PID 11 then adding PID 22 RelicCardinal.exe\n" + ending("22")));
    EXPECT_TRUE(tracked("AppID 1466860 adding PID  RelicCardinal.exe\n"));  // empty number still tracked
    // Endings match the exact process number.
    EXPECT_TRUE(tracked(adding("4242") + ending("42")));
    EXPECT_TRUE(tracked(adding("42") + ending("4242")));
    EXPECT_TRUE(tracked(adding("4242") + "AppID 1466860 no longer tracking PID 4242 exit code 0\n"));
    // A later adding line replaces the earlier one.
    EXPECT_TRUE(tracked(adding("1000") + adding("2000") + ending("1000")));
    EXPECT_FALSE(tracked(adding("1000") + adding("2000") + ending("2000")));
    // Other apps and auxiliary processes are ignored.
    EXPECT_FALSE(tracked(adding("4242", "1466861")));
    EXPECT_FALSE(tracked(adding("4242", "14668600")));
    EXPECT_TRUE(tracked(adding("4242") + ending("4242", "999") + removal("14668601") + removal("146686")));
    EXPECT_FALSE(tracked(adding("300", "1466860", "crashpad_handler.exe")));
    EXPECT_FALSE(tracked(adding("4242") + adding("300", "1466860", "crashpad_handler.exe") + ending("4242")));
    EXPECT_FALSE(tracked(adding("4242", "1466860", "reliccardinal.exe")));

    // A log with CR LF endings is one line. Split into lines this would be
    // running; as one line the ending rule fires after the adding rule.
    EXPECT_FALSE(tracked(crlf(ending("4242")) + crlf(adding("4242"))));
    EXPECT_FALSE(tracked(crlf(adding("4242")) + crlf(removal()) + crlf(adding("5151"))));
    EXPECT_TRUE(tracked(crlf(ending("4242")) + "\n" + adding("4242")));  // a bare LF still splits
}

TEST(LiveEngine, ProcessesBelowTheFolderCountAndWinesOwnAreNotTheUsers) {
    TempDir dir;
    EXPECT_FALSE(hasLiveEngine(dir / "engine"));
    LiveProcess server(dir / "engine/bin/wineserver");
    LiveProcess deep(dir / "root/prefix/drive_c/Program Files (x86)/Steam/bin/helper");
    LiveProcess sibling(dir / "engine-2x/bin/wine");
    fs::create_directories(dir / "engine-2");
    fs::create_directory_symlink(dir / "engine", dir / "engine-link");
    fs::create_directory_symlink(dir.path(), dir / "up");

    for (const char* folder : {"engine", "engine/", "engine/bin/..", "engine-link", "up/engine", "root", "engine-2x"})
        EXPECT_TRUE(hasLiveEngine(dir / folder)) << folder;
    // Neither the executable itself nor a sibling whose name merely extends the folder's.
    for (const char* folder : {"engine/bin/wineserver", "engine-2", "engin", "root/engine", "other"})
        EXPECT_FALSE(hasLiveEngine(dir / folder)) << folder;

    // A process whose executable was removed still counts.
    LiveProcess replaced(dir / "root2/engine-1/bin/wineserver");
    fs::remove(dir / "root2/engine-1/bin/wineserver");
    EXPECT_TRUE(hasLiveEngine(dir / "root2"));
    EXPECT_TRUE(hasLiveEngine(dir / "root2/engine-1"));
    EXPECT_FALSE(hasLiveEngine(dir / "root2/engine-2"));

    // Wine's server and its own programs are not the user's.
    LiveProcess services(dir / "engine/bin/wine", "C:\\windows\\system32\\services.exe");
    LiveProcess explorer(dir / "engine/lib/wine64", "c:/Windows/System32/explorer.exe");
    EXPECT_FALSE(ludowell::hasUserProgram(dir / "engine"));
    // A loader named in front of the program is skipped; anything else is the user's.
    LiveProcess steam(dir / "engine/lib/wine-preloader", "C:\\Program Files (x86)\\Steam\\steam.exe");
    EXPECT_TRUE(ludowell::hasUserProgram(dir / "engine"));
}

TEST(GameRunning, NeedsALiveSelectedEngineAndATrackedGameInTheLogsTail) {
    TempDir dir;
    Runtime runtime(dir / "root", dir / "res");
    const fs::path log = runtime.steamFolder() / "logs/gameprocess_log.txt";
    writeFile(log, adding("4242"));
    EXPECT_FALSE(isGameRunning(runtime));  // the log alone is not enough
    LiveProcess server(dir / "root/engine/bin/wineserver");
    EXPECT_FALSE(isGameRunning(runtime)) << "a lingering server is no game";

    LiveProcess wine(dir / "root/engine/bin/wine");
    EXPECT_TRUE(isGameRunning(runtime));
    std::ofstream(log, std::ios::app) << ending("4242");
    EXPECT_FALSE(isGameRunning(runtime));
    fs::remove(log);
    EXPECT_FALSE(isGameRunning(runtime));

    // Multi-byte filler, so the tail may start inside a character.
    std::string filler;
    while (filler.size() < 140000) filler += "[2025-01-01] AppID 1466860 state \xC3\xA9\xE2\x80\xA6\n";
    std::ofstream(log, std::ios::binary) << adding("4242") << filler;
    EXPECT_FALSE(isGameRunning(runtime));
    std::ofstream(log, std::ios::binary | std::ios::trunc) << filler << adding("4242") << filler.substr(0, 100000);
    EXPECT_TRUE(isGameRunning(runtime));

    std::ofstream(dir / "root/engine-selection.json") << R"({"current":"9"})";
    EXPECT_FALSE(isGameRunning(runtime)) << "only the selected engine counts";
}
