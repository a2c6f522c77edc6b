#pragma once
// One child process: started with posix_spawn, its output read without
// blocking, waited for until a deadline, ended politely and then firmly.
// Every part of the program that runs a child goes through this type.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ludowell::platform {

class Subprocess {
public:
    using Clock = std::chrono::steady_clock;
    using Sink = std::function<void(std::string_view)>;

    struct Options {
        std::filesystem::path executable;
        std::vector<std::string> arguments;
        const std::map<std::string, std::string>* environment = nullptr;  // null: inherit
        std::optional<std::filesystem::path> workingDirectory;
        int outputFd = -1;         // stdout and stderr; -1 keeps the parent's
        bool capture = false;      // stdout and stderr into a pipe read here instead
        int errorFd = -1;          // stderr alone, when given; otherwise with stdout
        bool newSession = false;   // detach from our session (long-lived clients)
    };

    // Starts the program with every descriptor above 2 closed in the child,
    // so lock descriptors never leak into Wine. Throws std::system_error.
    static Subprocess start(const Options& options);

    Subprocess(Subprocess&& other) noexcept;
    Subprocess& operator=(Subprocess&& other) noexcept;
    Subprocess(const Subprocess&) = delete;
    Subprocess& operator=(const Subprocess&) = delete;
    // A child still ours is ended and reaped: none is ever left behind.
    ~Subprocess();

    pid_t pid() const { return pid_; }
    // The read end of the captured output (non-blocking), -1 without one.
    int outputDescriptor() const { return output_; }

    // Hands what the pipe holds now to `sink`; false once it reached its end
    // (or when nothing is captured).
    bool read(const Sink& sink);

    // The exit status once the child has ended (its signal number when a
    // signal ended it), none while it runs. A status taken by someone else
    // (an inherited ignored SIGCHLD) throws std::system_error: an unknown
    // outcome must never pass for a success.
    std::optional<int> poll();
    // Waits, passing output to `sink`, until the child ends, `deadline`
    // passes or `giveUp` says so.
    std::optional<int> waitUntil(Clock::time_point deadline, const Sink& sink = {},
                                 const std::function<bool()>& giveUp = {});
    // Sends `signal` to the child, or to its whole session when it leads one.
    void signal(int signal);
    // SIGTERM, and SIGKILL when it is still there after `grace`; returns
    // the exit status.
    int terminate(std::chrono::milliseconds grace = std::chrono::milliseconds(100));
    // The child outlives this object and is no longer waited for here; its
    // id is returned for whoever still wants to.
    pid_t release();

private:
    Subprocess() = default;
    void closeOutput();
    void end();  // ends and reaps a child still ours

    pid_t pid_ = -1;
    int output_ = -1;
    bool ownGroup_ = false;
    std::optional<int> status_;
    std::string name_;
};

}  // namespace ludowell::platform
