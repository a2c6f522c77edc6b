// Parts of the platform layer that every platform shares.
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <random>
#include <system_error>


#include "platform/platform.h"
#include "platform/platform_private.h"

extern char** environ;

namespace ludowell::platform {
namespace {
// Written by the SIGTERM handler; set once before it is installed.
volatile int writeEnd = -1;
}  // namespace

fs::path accountHome() {
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir && *entry->pw_dir) return entry->pw_dir;
    return homeDir();
}

int terminationRequests() {
    static int readEnd = [] {
        int fds[2];
        if (openPipe(fds) != 0) return -1;
        ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
        ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
        writeEnd = fds[1];
        struct sigaction action {};
        action.sa_handler = [](int) {
            const int saved = errno;
            const char byte = 1;
            [[maybe_unused]] auto written = ::write(writeEnd, &byte, 1);
            errno = saved;
        };
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, nullptr);
        return fds[0];
    }();
    return readEnd;
}

pid_t spawn(const SpawnRequest& request) {
    std::vector<std::string> argvStore;
    argvStore.push_back(request.executable.string());
    argvStore.insert(argvStore.end(), request.arguments.begin(), request.arguments.end());
    std::vector<char*> argv;
    for (auto& a : argvStore) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStore;
    std::vector<char*> envp;
    char** envArray = environ;
    if (request.environment) {
        for (const auto& [k, v] : *request.environment) envStore.push_back(k + "=" + v);
        for (auto& e : envStore) envp.push_back(e.data());
        envp.push_back(nullptr);
        envArray = envp.data();
    }

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
    if (request.outputFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, request.outputFd, 1);
        posix_spawn_file_actions_adddup2(&actions, request.outputFd, 2);
    }
    if (request.workingDirectory) addChdir(&actions, request.workingDirectory->c_str());
    short flags = 0;
    configureSpawn(&actions, &attributes, flags, request.newSession);
    posix_spawnattr_setflags(&attributes, flags);

    pid_t pid = 0;
    int rc = posix_spawn(&pid, argvStore[0].c_str(), &actions, &attributes, argv.data(), envArray);
    if (rc != 0)
        throw std::system_error(rc, std::generic_category(),
                                "Could not start " + request.executable.string());
    return pid;
}

std::string makeUUID() {
    static thread_local std::mt19937_64 generator(std::random_device{}() ^
                                                 (uint64_t(getpid()) << 32));
    unsigned char bytes[16];
    for (int i = 0; i < 16; i += 8) {
        uint64_t value = generator();
        for (int j = 0; j < 8; ++j) bytes[i + j] = (value >> (8 * j)) & 0xff;
    }
    bytes[6] = (bytes[6] & 0x0f) | 0x40;
    bytes[8] = (bytes[8] & 0x3f) | 0x80;
    char text[37];
    std::snprintf(text, sizeof text,
                  "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7],
                  bytes[8], bytes[9], bytes[10], bytes[11], bytes[12], bytes[13], bytes[14],
                  bytes[15]);
    return text;
}

}  // namespace ludowell::platform
