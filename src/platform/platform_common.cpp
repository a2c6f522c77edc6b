// Parts of the platform layer that every platform shares.
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <random>
#include <system_error>


#include "platform/platform.h"
#include "platform/platform_private.h"
#include "platform/subprocess.h"

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

void openInFileBrowser(const fs::path& folder) {
    Subprocess::Options options{fileOpener(), {folder.string()}};
    options.newSession = true;
    try {
        Subprocess::start(options).waitUntil(Subprocess::Clock::time_point::max());
    } catch (const std::system_error&) {
    }
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
