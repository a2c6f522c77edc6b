#include <gtest/gtest.h>

#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <memory>

#include "app/operation_lock.h"
#include "engine/update_lease.h"
#include "platform/subprocess.h"
#include "support/temp_dir.h"
#include "support/failure_text.h"
#include "support/scoped_env.h"

using ludowell::OperationLock;
using ludowell::UpdateLease;
namespace fs = std::filesystem;

namespace {

constexpr const char* kLeaseBusy = "An update or launch is already in progress. Please wait for it to finish.";
constexpr const char* kOperationBusy = "Another setup or launch is already in progress. Please wait for it to finish.";

// Another process that takes a lock and holds it until it is killed: `take`
// leaks the lock so that it lasts the child's life.
class Holder {
public:
    explicit Holder(const std::function<void()>& take) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        if ((pid_ = ::fork()) == 0) {
            try {
                take();
            } catch (...) {
                ::_exit(1);  // the pipe closes unwritten
            }
            (void)!::write(ready[1], "1", 1);
            ::pause();
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte;
        took = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
    }
    ~Holder() { kill(); }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    bool took = false;

private:
    pid_t pid_ = -1;
};

}  // namespace

TEST(UpdateLeaseLocks, SharedRunsCoexistAndExcludeAnUpdate) {
    TempDir dir;
    const fs::path lock = dir / "update-session.lock";
    Holder run([&] { new UpdateLease(false, lock); });
    ASSERT_TRUE(run.took);
    EXPECT_EQ(failureText([&] { UpdateLease(false, lock); }), kNoFailure);
    EXPECT_EQ(failureText([&] { UpdateLease(true, lock); }), kLeaseBusy);
    // A killed holder leaves the file but no lock.
    run.kill();
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
    Holder first([&] { new OperationLock(dir / "root"); });
    ASSERT_TRUE(first.took);
    EXPECT_EQ(fs::status(dir / "root/operation.lock").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(failureText([&] { OperationLock second(dir / "root"); }), kOperationBusy);
    EXPECT_EQ(failureText([&] { OperationLock other(dir / "other"); }), kNoFailure);
    first.kill();
    EXPECT_EQ(failureText([&] { OperationLock again(dir / "root"); }), kNoFailure);
    EXPECT_EQ(failureText([&] { OperationLock missing(dir / "absent"); }), "Could not open the operation lock.");

    auto lock = std::make_unique<OperationLock>(dir / "other");
    pid_t tool = ludowell::platform::Subprocess::start({"/bin/sleep", {"30"}}).release();
    lock.reset();
    // Had the descriptor leaked into the tool, the lock would still be held.
    EXPECT_EQ(failureText([&] { OperationLock next(dir / "other"); }), kNoFailure);
    ::kill(tool, SIGKILL);
    ::waitpid(tool, nullptr, 0);
}
