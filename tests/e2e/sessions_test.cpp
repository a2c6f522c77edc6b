// Sessions against the testbed engine and the support tools through the
// built executable: stopping exactly one prefix, clean-ups that wait for
// the session and leave alone what they do not name, the status report,
// and what a support report leaves out.
#include <chrono>
#include <map>

#include <gtest/gtest.h>

#include "core/files.h"
#include "runtime/runtime.h"
#include "support/files.h"
#include "support/waiting_game.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

const std::string kStopped = "Only Ludowell's game and Steam environment were stopped.\n";
const std::string kPassed = "Apple Silicon, macOS and Rosetta compatibility checks passed.\n";
const fs::path kSteam = "prefix/drive_c/Program Files (x86)/Steam";

// Every file under `root` with its bytes (or a fingerprint of long ones),
// links by their targets; not a run's own lock, journal and logs.
std::map<std::string, std::string> contents(const fs::path& root) {
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        if (name == "operation.lock" || name == "testbed-journal.jsonl" ||
            (name.starts_with("logs/command-") && !name.ends_with("-old.log") && !name.ends_with("-new.log")))
            continue;
        if (entry.is_symlink()) {
            found[name] = "-> " + fs::read_symlink(entry.path()).string();
        } else if (entry.is_regular_file()) {
            const std::string bytes = *readFile(entry.path());
            found[name] = bytes.size() < 200 ? bytes : std::to_string(std::hash<std::string>{}(bytes));
        }
    }
    return found;
}

std::string stopped(const Runtime& runtime) {
    testing::internal::CaptureStdout();
    runtime.stop();
    return testing::internal::GetCapturedStdout();
}

class Sessions : public ::testing::Test {
protected:
    void SetUp() override { world.exportToThisProcess(); }
    testbed::World world;
};

// Two data roots with a program running in each. Clean-up is refused while
// its session runs; stop ends only its own; clean-up then removes exactly
// what it names: the installers, or logs untouched for 30 days.
TEST_F(Sessions, StopAndCleanUpsTouchOnlyTheirOwnDataRoot) {
    const Runtime runtime(world.dataRoot()), second(world.dataRoot("second"));
    const fs::path root = runtime.root();
    placeEngine(runtime, world);
    placeEngine(second, world);
    for (const char* file : {"downloads/Template-1.0.15.tar.xz", "downloads/SteamSetup.exe",
                             "downloads/notes.txt", "logs/command-old.log",
                             "logs/command-new.log", "logs/keep.txt", "runtime-ready", "deps/Frameworks/lib.dylib",
                             "engine-2/bin/wine", "prefix/system.reg", "prefix/drive_c/users/u/save.aoe4"})
        writeFile(root / file, std::string("planted ") + file);
    writeFile(root / kSteam / "steamapps/common/Age of Empires IV/RelicCardinal.exe", "game");
    fs::create_symlink(root / "deps", root / "downloads/linked.tar.xz");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 31);
    for (const char* file : {"logs/command-old.log", "logs/keep.txt"}) fs::last_write_time(root / file, old);

    EXPECT_FALSE(runtime.running());
    ASSERT_TRUE(startWaiter(runtime));
    ASSERT_TRUE(startWaiter(second));
    auto expected = contents(root);
    for (const char* action : {"clean-downloads", "clean-logs"}) {
        auto run = world.ludowell({"--command", action, "--data-root", root.string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, "ERROR: Save and close your game and this app's Steam client before cleaning up.\n");
        EXPECT_EQ(contents(root), expected) << action;
    }

    EXPECT_EQ(stopped(runtime), kStopped);
    EXPECT_FALSE(runtime.running());
    EXPECT_TRUE(second.running()) << "another runtime's programs must survive";
    // Nothing left to kill: "-k" answers 1, which still counts as stopped.
    EXPECT_EQ(stopped(runtime), kStopped);

    expected = contents(root);  // the registry Wine saved as it ended
    const std::tuple<const char*, std::string, std::vector<std::string>> steps[] = {
        {"clean-downloads", "Removed the downloaded installers and freed 8.2 KB. A later repair downloads them again.\n",
         {"downloads/Template-1.0.15.tar.xz", "downloads/SteamSetup.exe"}},
        {"clean-downloads", "No downloaded installers to remove.\n", {}},
        {"clean-logs", "Removed 1 log older than 30 days and freed 4.1 KB.\n", {"logs/command-old.log"}},
    };
    for (const auto& [action, says, gone] : steps) {
        auto run = world.ludowell({"--command", action, "--data-root", root.string()});
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(run.output, says);
        for (const auto& file : gone) expected.erase(file);
        EXPECT_EQ(contents(root), expected) << action;
    }
    second.stop();
    EXPECT_FALSE(second.running());
}

TEST_F(Sessions, CheckReportsTheEngineAndTheGameVerdict) {
    const fs::path root = world.dataRoot();
    const Runtime runtime(root);
    placeEngine(runtime, world);
    writeFile(runtime.game(), "TESTBED-PE game 1466860\n");

    auto empty = world.ludowell({"--command", "check"});  // the default data root, under the world's home
    EXPECT_EQ(empty.output, kPassed + "Data location: " +
                                (world.home / ".local/share/Hollowmere/Games/aoe4").string() + "\n"
                                "Runtime: not set up | Steam: not installed | AoE IV: not installed\n");
    auto pinned = world.ludowell({"--command", "check", "--data-root", root.string()});
    EXPECT_EQ(pinned.status, 0) << pinned.output;
    // The engine's version line is its "wine --version" answer, trimmed.
    EXPECT_EQ(pinned.output, kPassed + "Data location: " + root.string() + "\n"
                             "wine-11.0 (testbed)\n"
                             "Runtime: not set up | Steam: not installed | AoE IV: installed\n"
                             "Game version matches the optimized build.\n");

    // The second testbed game carries no pin: its launch needs revalidation.
    const fs::path other = world.dataRoot("lantern");
    Runtime lantern(other, std::nullopt, GameProfile::load(world.bundle / "Contents/Resources").back());
    writeFile(lantern.game(), "TESTBED-PE game 2000001\n");
    auto unpinned = world.ludowell({"--command", "check", "--game", "lantern-keep", "--data-root", other.string()});
    EXPECT_EQ(unpinned.status, 0) << unpinned.output;
    EXPECT_TRUE(unpinned.output.ends_with("Game update needs revalidation; optimized launch is blocked.\n"))
        << unpinned.output;
}

TEST_F(Sessions, AReportCarriesTheCheckAndLogsAndNothingThatSignsIn) {
    const fs::path root = world.home / "Games/aoe4";
    const fs::path steam = root / kSteam;
    // What must not leave the Mac, each with the text that would show it did.
    const std::pair<fs::path, std::string> secrets[] = {
        {steam / "config/loginusers.vdf", "\"AccountName\" \"planted-account\""},
        {steam / "config/config.vdf", "\"ConnectCache\" { \"planted-connect-cache\" }"},
        {steam / "ssfn4417760352", "planted-sentry"},
        {steam / "userdata/88776655/config/localconfig.vdf", "planted-userdata"},
        {steam / "htmlcache/Cookies", "planted-cookie"},
        {root / "logs/command-A.log", "Steam said refresh_token=planted-token\n"},
        {root / "logs/command-B.log", "webcookie planted-webcookie\n"},
    };
    for (const auto& [file, text] : secrets) writeFile(file, text);
    writeFile(steam / "steamapps/appmanifest_1466860.acf",
              "\"AppState\" { \"name\" \"Age of Empires IV\" \"LastOwner\" \"76561198000000042\" }\n");
    writeFile(root / "logs/command-C.log", "planted log line from " + root.string() + "\n");
    writeFile(root / "prefix/drive_c/users/planted-login/Documents/save.aoe4");

    const fs::path report = world.dir / "report.tar.gz";
    auto run = world.run("/usr/bin/env", {"USER=planted-login", world.executable.string(), "--command", "report",
                                          "--data-root", root.string(), "--output", report.string()});
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output, "Writing the support report…\nSupport report saved: " + report.string() + "\n");

    const auto unpacked = world.run("/usr/bin/tar", {"-xzvOf", report.string()});
    ASSERT_EQ(unpacked.status, 0);
    const std::string& all = unpacked.output;
    for (const std::string& left : {"planted-account", "planted-connect-cache", "ssfn", "planted-sentry", "88776655",
                                    "planted-userdata", "planted-cookie", "planted-token", "planted-webcookie",
                                    "76561198000000042", "planted-login", world.home.c_str()})
        EXPECT_EQ(all.find(left), std::string::npos) << left << " is in the report:\n" << all;
    for (const std::string& kept : {"Ludowell Support Report/check.txt",
                                    "Apple Silicon, macOS and Rosetta compatibility checks passed.",
                                    "Data location: ~/Games/aoe4", "planted log line from ~/Games/aoe4",
                                    "\"LastOwner\" \"[Steam account]\"", "Stage: setup", "drive_c/users/~/Documents/",
                                    "Shipped engine manifest: version", "System: macOS 26.0"})
        EXPECT_NE(all.find(kept), std::string::npos) << kept << " is missing:\n" << all;

    // No folder to write to: nothing is left where the report was to go.
    run = world.ludowell({"--command", "report", "--data-root", root.string(), "--output", "/nonexistent/r.tgz"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "ERROR: The folder for the support report does not exist: /nonexistent\n");
}

}  // namespace
