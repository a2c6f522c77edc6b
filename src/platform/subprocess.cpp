#include "platform/subprocess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/platform.h"
#include "platform/platform_private.h"

extern char** environ;

namespace ludowell::platform {
namespace {

constexpr int kPollMilliseconds = 50;
constexpr size_t kReadLimit = 1 << 20;

int exitStatus(int raw) {
    if (WIFEXITED(raw)) return WEXITSTATUS(raw);
    if (WIFSIGNALED(raw)) return WTERMSIG(raw);
    return 1;
}

}  // namespace

Subprocess Subprocess::start(const Options& options) {
    std::vector<std::string> argvStore;
    argvStore.push_back(options.executable.string());
    argvStore.insert(argvStore.end(), options.arguments.begin(), options.arguments.end());
    std::vector<char*> argv;
    for (auto& a : argvStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStore;
    std::vector<char*> envp;
    char** envArray = environ;
    if (options.environment) {
        for (const auto& [k, v] : *options.environment) envStore.push_back(k + "=" + v);
        for (auto& e : envStore) envp.push_back(e.data());
        envp.push_back(nullptr);
        envArray = envp.data();
    }

    Subprocess child;
    child.name_ = options.executable.filename().string();
    int pipeFds[2] = {-1, -1};
    if (options.capture) {
        if (openPipe(pipeFds) != 0)
            throw std::system_error(errno, std::generic_category(), "Could not start " + options.executable.string());
        ::fcntl(pipeFds[0], F_SETFL, O_NONBLOCK);
        child.output_ = pipeFds[0];
    }
    // The child holds the only write end once it runs.
    struct WriteEnd {
        int fd;
        ~WriteEnd() {
            if (fd >= 0) ::close(fd);
        }
    } writeEnd{pipeFds[1]};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    struct Cleanup {
        posix_spawn_file_actions_t* a;
        posix_spawnattr_t* b;
        ~Cleanup() {
            posix_spawn_file_actions_destroy(a);
            posix_spawnattr_destroy(b);
        }
    } cleanup{&actions, &attributes};

    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const int outputFd = options.capture ? pipeFds[1] : options.outputFd;
    if (outputFd >= 0) posix_spawn_file_actions_adddup2(&actions, outputFd, 1);
    if (options.errorFd >= 0) posix_spawn_file_actions_adddup2(&actions, options.errorFd, 2);
    else if (outputFd >= 0) posix_spawn_file_actions_adddup2(&actions, outputFd, 2);
    if (options.workingDirectory)
        posix_spawn_file_actions_addchdir_np(&actions, options.workingDirectory->c_str());
    short flags = 0;
    configureSpawn(&actions, &attributes, flags, options.newSession);
    posix_spawnattr_setflags(&attributes, flags);
    child.ownGroup_ = options.newSession;

    int rc = posix_spawn(&child.pid_, argvStore[0].c_str(), &actions, &attributes, argv.data(), envArray);
    if (rc != 0) {
        child.pid_ = -1;
        throw std::system_error(rc, std::generic_category(), "Could not start " + options.executable.string());
    }
    return child;
}

Subprocess::Subprocess(Subprocess&& other) noexcept { *this = std::move(other); }

Subprocess& Subprocess::operator=(Subprocess&& other) noexcept {
    if (this == &other) return *this;
    end();
    pid_ = std::exchange(other.pid_, -1);
    output_ = std::exchange(other.output_, -1);
    ownGroup_ = other.ownGroup_;
    status_ = std::exchange(other.status_, std::nullopt);
    name_ = std::move(other.name_);
    return *this;
}

Subprocess::~Subprocess() { end(); }

void Subprocess::end() {
    closeOutput();
    if (pid_ > 0 && !status_) {
        try {
            terminate();
        } catch (const std::system_error&) {
        }
    }
    pid_ = -1;
}

void Subprocess::closeOutput() {
    if (output_ >= 0) ::close(output_);
    output_ = -1;
}

bool Subprocess::read(const Sink& sink) {
    if (output_ < 0) return false;
    char buffer[65536];
    // A child that writes without pause must not hold its reader here.
    for (size_t total = 0; total < kReadLimit;) {
        ssize_t count = ::read(output_, buffer, sizeof buffer);
        if (count > 0) {
            if (sink) sink(std::string_view(buffer, size_t(count)));
            total += size_t(count);
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 && errno == EAGAIN) return true;
        return false;  // end of file, or a pipe that cannot be read any more
    }
    return true;
}

std::optional<int> Subprocess::poll() {
    if (status_ || pid_ <= 0) return status_;
    for (int raw = 0;;) {
        pid_t done = ::waitpid(pid_, &raw, WNOHANG);
        if (done == pid_) return status_ = exitStatus(raw);
        if (done == 0) return std::nullopt;
        if (errno == EINTR) continue;
        const int error = errno;
        pid_ = -1;
        throw std::system_error(error, std::generic_category(), "Could not collect the exit status of " + name_);
    }
}

std::optional<int> Subprocess::waitUntil(Clock::time_point deadline, const Sink& sink,
                                         const std::function<bool()>& giveUp) {
    bool open = output_ >= 0;
    for (;;) {
        if (open) open = read(sink);
        if (auto status = poll()) {
            if (open) read(sink);
            return status;
        }
        if (Clock::now() >= deadline || (giveUp && giveUp())) return std::nullopt;
        if (open) {
            pollfd readable{output_, POLLIN, 0};
            ::poll(&readable, 1, kPollMilliseconds);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(kPollMilliseconds));
        }
    }
}

void Subprocess::signal(int number) {
    if (pid_ <= 0 || status_) return;
    ::kill(ownGroup_ ? -pid_ : pid_, number);
}

int Subprocess::terminate(std::chrono::milliseconds grace) {
    if (auto status = poll()) return *status;
    signal(SIGTERM);
    std::this_thread::sleep_for(grace);
    if (auto status = poll()) return *status;
    signal(SIGKILL);
    for (int raw = 0;;) {
        if (::waitpid(pid_, &raw, 0) == pid_) return *(status_ = exitStatus(raw));
        if (errno == EINTR) continue;
        const int error = errno;
        pid_ = -1;
        throw std::system_error(error, std::generic_category(), "Could not collect the exit status of " + name_);
    }
}

pid_t Subprocess::release() {
    closeOutput();
    return std::exchange(pid_, -1);
}

}  // namespace ludowell::platform
