#include <gtest/gtest.h>

#include <signal.h>

#include <fstream>
#include <future>
#include <regex>

#include "core/files.h"
#include "runtime/runtime.h"
#include "support/temp_dir.h"
#include "support/failure_text.h"
#include "support/scoped_env.h"

using ludowell::Runtime;
namespace fs = std::filesystem;

namespace {

class CommandRunner : public ::testing::Test {
protected:
    std::string sh(const std::string& script, std::set<int> allow = {0}, double timeout = 20) {
        return runtime.run("/bin/sh", {"-c", script}, std::nullopt, timeout, allow);
    }
    std::string failure(const std::string& script) {
        return failureText([&] { sh(script); });
    }
    std::vector<fs::path> logs() const {
        return std::vector<fs::path>(fs::directory_iterator(runtime.root() / "logs"), fs::directory_iterator());
    }

    TempDir dir;
    Runtime runtime{dir / "root", dir / "res"};
    const std::string logsLine = "\nLogs: " + (dir / "root/logs").string();
};

}  // namespace

TEST_F(CommandRunner, AllowedStatusesFailureTextAndEnvironment) {
    EXPECT_EQ(sh("echo out; echo err >&2; exit 1", {0, 1}), "out\nerr\n");
    EXPECT_EQ(failure("echo out; echo err >&2; exit 1"), "sh failed (1). out\nerr\n" + logsLine);
    EXPECT_EQ(failureText([&] { sh("exit 0", {1}); }), "sh failed (0). " + logsLine);
    // Output that is not UTF-8 reads as empty, on success and on failure.
    EXPECT_EQ(sh("printf 'ok \\377\\376'"), "");
    EXPECT_EQ(failure("printf '\\377'; exit 200"), "sh failed (200). " + logsLine);

    // The environment is inherited, or exactly the one given.
    ScopedEnv probe("LUDOWELL_RUNNER_PROBE", "inherited");
    EXPECT_EQ(sh("printf %s \"$LUDOWELL_RUNNER_PROBE\""), "inherited");
    EXPECT_EQ(runtime.run("/bin/sh", {"-c", "printf '%s|%s' \"$LUDOWELL_RUNNER_PROBE\" \"$ONLY\""},
                          ludowell::Environment{{"ONLY", "given"}}),
              "|given");
}

TEST_F(CommandRunner, FailureKeepsTheLastTwoThousandCharacters) {
    EXPECT_EQ(failure("printf '%3000s' '' | tr ' ' a; printf '%2000s' '' | tr ' ' b; exit 3"),
              "sh failed (3). " + std::string(2000, 'b') + logsLine);
    // Characters, not bytes: two-byte letters are neither split nor shortened.
    std::string accented;
    for (int i = 0; i < 2000; ++i) accented += "\xC3\xA9";
    EXPECT_EQ(failure("printf xyz; i=0; while [ $i -lt 2000 ]; do printf '\\303\\251'; i=$((i+1)); done; exit 2"),
              "sh failed (2). " + accented + logsLine);
    // Wine's console tools end lines with CR LF, one character each.
    std::string crlf = "b\r\n";
    for (int i = 0; i < 666; ++i) crlf += "ab\r\n";
    EXPECT_EQ(failure("printf xxxxxxxxxx; i=0; while [ $i -lt 1500 ]; do printf 'ab\\r\\n'; i=$((i+1)); done; exit 1"),
              "sh failed (1). " + crlf + logsLine);
}

TEST_F(CommandRunner, ChildIgnoringTerminateIsKilledAtTheDeadline) {
    const fs::path pidFile = dir / "pid";
    // An ignored signal stays ignored across exec, so sleep itself shrugs off SIGTERM.
    auto call = std::async(std::launch::async, [&] {
        return failureText([&] { sh("echo $$ > '" + pidFile.string() + "'; trap '' TERM; exec sleep 300", {0}, 0.5); });
    });
    // Generous: only a child left to run out its sleep would miss it.
    const bool returned = call.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    pid_t pid = 0;
    std::ifstream(pidFile) >> pid;
    ASSERT_GT(pid, 0);
    if (!returned) ::kill(pid, SIGKILL);
    EXPECT_TRUE(returned) << "the child was not killed";
    EXPECT_EQ(call.get(), "<not a Failure: The command timed out.>");
    // Reaped as well: the process is gone altogether.
    EXPECT_EQ(::kill(pid, 0), -1);
    EXPECT_EQ(errno, ESRCH);
}

TEST_F(CommandRunner, EachRunWritesOneFreshLogEvenWhenTheToolIsMissing) {
    const std::regex name("command-[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\.log");
    EXPECT_EQ(sh("echo first"), "first\n");
    ASSERT_EQ(logs().size(), 1u);
    EXPECT_EQ(sh("echo second"), "second\n");
    // The platform's error, not a Failure, and still a log of its own.
    EXPECT_THROW(runtime.run(dir / "no-such-tool", {}), std::system_error);
    std::multiset<std::string> contents;
    for (const auto& log : logs()) {
        EXPECT_TRUE(std::regex_match(log.filename().string(), name)) << log;
        contents.insert(ludowell::readFile(log).value_or("<unreadable>"));
    }
    EXPECT_EQ(contents, (std::multiset<std::string>{"", "first\n", "second\n"}));
}
