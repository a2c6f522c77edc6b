// Both locks are per open file, so a lock of our own stands in for another
// run's. That the OS drops them with a killed run is the kill sweep's (e2e),
// whose next run must take them again.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <fstream>
#include <memory>

#include "app/operation_lock.h"
#include "engine/update_lease.h"
#include "support/failure_text.h"
#include "support/live_process.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

using ludowell::OperationLock;
using ludowell::UpdateLease;
namespace fs = std::filesystem;

TEST(UpdateLeaseLocks, SharedRunsCoexistAndExcludeAnUpdate) {
    TempDir dir;
    const fs::path lock = dir / "update-session.lock";
    auto run = std::make_unique<UpdateLease>(false, lock);
    EXPECT_EQ(failureText([&] { UpdateLease(false, lock); }), kNoFailure);
    EXPECT_EQ(failureText([&] { UpdateLease(true, lock); }),
              "An update or launch is already in progress. Please wait for it to finish.");
    run.reset();
    EXPECT_EQ(failureText([&] { UpdateLease(true, lock); }), kNoFailure);
}

TEST(UpdateLeaseLocks, DefaultLocationIsTheAccountsAndCreatedPrivate) {
    TempDir dir;
    const fs::path expected = UpdateLease::defaultLocation();
    {
        // Runs of one account meet at one lock, whatever their environment.
        ScopedEnv home("HOME", (dir / "home").string());
        ScopedEnv data("XDG_DATA_HOME", (dir / "data").string());
        EXPECT_EQ(UpdateLease::defaultLocation(), expected);
    }
    EXPECT_EQ(expected, fs::path(::getpwuid(::getuid())->pw_dir) / ".local/share/Hollowmere/update-session.lock");
    fs::remove(expected);
    {
        UpdateLease lease(false);
        EXPECT_EQ(fs::status(expected).permissions(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(fs::file_size(expected), 0u);
    }
    // The parent cannot be made: the file system's error, not a Failure.
    std::ofstream(dir / "plain-file").close();
    EXPECT_THROW(UpdateLease(false, dir / "plain-file/sub/update-session.lock"), fs::filesystem_error);
    EXPECT_EQ(failureText([&] { UpdateLease(false, dir.path()); }), "Could not open the update lock.");
}

TEST(OperationLocks, OneRunPerDataRootAndNoneLeftInItsTools) {
    TempDir dir;
    for (const char* folder : {"root", "other"}) fs::create_directories(dir / folder);
    auto first = std::make_unique<OperationLock>(dir / "root");
    EXPECT_EQ(fs::status(dir / "root/operation.lock").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(failureText([&] { OperationLock second(dir / "root"); }),
              "Another setup or launch is already in progress. Please wait for it to finish.");
    EXPECT_EQ(failureText([&] { OperationLock missing(dir / "absent"); }), "Could not open the operation lock.");

    // A tool started while the lock is held; had the descriptor leaked
    // into it, the lock would outlive the run.
    auto other = std::make_unique<OperationLock>(dir / "other");
    LiveProcess tool(dir / "tool/sleep");
    first.reset();
    other.reset();
    for (const char* folder : {"root", "other"})
        EXPECT_EQ(failureText([&] { OperationLock again(dir / folder); }), kNoFailure) << folder;
}
