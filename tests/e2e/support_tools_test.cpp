// The support report and the clean-up steps through the built executable:
// what a report leaves out, and what a clean-up leaves alone.
#include <sys/wait.h>

#include <chrono>
#include <map>

#include <gtest/gtest.h>

#include "core/files.h"
#include "platform/subprocess.h"
#include "runtime/runtime.h"
#include "support/eventually.h"
#include "support/files.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

const fs::path kSteam = "prefix/drive_c/Program Files (x86)/Steam";

// Every file under `root` with its bytes (or a fingerprint of long ones);
// links by their targets.
std::map<std::string, std::string> contents(const fs::path& root) {
    std::map<std::string, std::string> found;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = fs::relative(it->path(), root).string();
        if (it->is_symlink()) {
            found[name] = "-> " + fs::read_symlink(it->path()).string();
        } else if (it->is_regular_file()) {
            const std::string bytes = *readFile(it->path());
            found[name] = bytes.size() < 200 ? bytes : std::to_string(std::hash<std::string>{}(bytes));
        }
    }
    return found;
}

// Everything a report holds, names and texts, as one string.
std::string unpacked(const testbed::World& world, const fs::path& archive) {
    const fs::path into = world.dir / "unpacked";
    fs::create_directories(into);
    EXPECT_EQ(world.run("/usr/bin/tar", {"-xzf", archive.string(), "-C", into.string()}).status, 0);
    std::string all;
    for (const auto& [name, text] : contents(into)) all += "== " + name + "\n" + *readFile(into / name) + "\n";
    return all;
}

class SupportTools : public ::testing::Test {
protected:
    testbed::World world;
};

TEST_F(SupportTools, AReportCarriesTheCheckAndLogsAndNothingThatSignsIn) {
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

    const std::string all = unpacked(world, report);
    for (const std::string& left : std::vector<std::string>{"planted-account", "planted-connect-cache", "ssfn", "planted-sentry", "88776655",
                                   "planted-userdata", "planted-cookie", "planted-token", "planted-webcookie",
                                   "76561198000000042", "planted-login", world.home.string()})
        EXPECT_EQ(all.find(left), std::string::npos) << left << " is in the report:\n" << all;
    for (const std::string kept : std::vector<std::string>{"== Ludowell Support Report/check.txt",
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

// Clean-up is refused while the game runs and then removes exactly what it
// names: the installers, or logs untouched for 30 days.
TEST_F(SupportTools, CleanUpWaitsForTheSessionAndRemovesOnlyWhatItNames) {
    world.exportToThisProcess();
    const Runtime runtime(world.dataRoot());
    const fs::path root = runtime.root();
    fs::create_directories(root);
    fs::copy(fs::canonical(world.bundle / "Contents/Resources/Engine"), root / "engine",
             fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    for (const char* file : {"downloads/Template-1.0.15.tar.xz", "downloads/SteamSetup.exe",
                             "downloads/notes.txt", "logs/command-old.log",
                             "logs/command-new.log", "logs/keep.txt", "runtime-ready", "deps/Frameworks/lib.dylib",
                             "engine-2/bin/wine", "prefix/system.reg", "prefix/drive_c/users/u/save.aoe4"})
        writeFile(root / file, std::string("planted ") + file);
    writeFile(root / kSteam / "steamapps/common/Age of Empires IV/RelicCardinal.exe", "game");
    fs::create_symlink(root / "deps", root / "downloads/linked.tar.xz");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 31);
    for (const char* file : {"logs/command-old.log", "logs/keep.txt"}) fs::last_write_time(root / file, old);

    // A Windows program that waits keeps the session alive.
    writeFile(root / "waiter.exe", "TESTBED-PE waiter\n");
    const auto env = runtime.environment();
    platform::Subprocess::Options waiter{runtime.wine(), {(root / "waiter.exe").string()}};
    waiter.environment = &env;
    waiter.newSession = true;
    const pid_t pid = platform::Subprocess::start(waiter).release();
    ASSERT_TRUE(eventually([&] {
        ::waitpid(pid, nullptr, WNOHANG);
        return runtime.running();
    }));

    auto before = contents(root);
    auto same = [&](const std::vector<std::string>& gone, const char* why) {
        auto now = contents(root);
        // The run's own lock, tool logs and the testbed engine's journal.
        for (const char* own : {"operation.lock", "testbed-journal.jsonl"}) before.erase(own), now.erase(own);
        for (auto it = now.begin(); it != now.end();)
            it = it->first.starts_with("logs/command-") && !before.count(it->first) ? now.erase(it) : ++it;
        auto expected = before;
        for (const auto& file : gone) expected.erase(file);
        std::string changed;
        for (const auto& [file, bytes] : expected) changed += now.count(file) && now[file] == bytes ? "" : file + " ";
        for (const auto& [file, bytes] : now) changed += expected.count(file) ? "" : file + " ";
        EXPECT_EQ(changed, "") << why;
    };
    for (const char* action : {"clean-downloads", "clean-logs"}) {
        auto run = world.ludowell({"--command", action, "--data-root", root.string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, "ERROR: Save and close your game and this app's Steam client before cleaning up.\n");
        same({}, action);
    }

    runtime.stop();
    before = contents(root);  // the registry Wine saved as it ended
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
        same(gone, action);
        for (const auto& file : gone) before.erase(file);
    }
}

}  // namespace
