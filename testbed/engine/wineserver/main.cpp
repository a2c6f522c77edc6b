// The testbed Wine server. Started by the loader with "-f"; answers the
// "-k", "-w" and "--version" requests that the app and scripts make.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "common/journal.h"
#include "common/prefix.h"
#include "common/process.h"
#include "wineserver/prefix_server.h"

using namespace testbed_engine;

namespace {

void usage(std::FILE* out) {
    std::fputs("Usage: wineserver [options]\n\n"
               "Options:\n"
               "   -f, --foreground     remain in the foreground\n"
               "   -h, --help           display this help message\n"
               "   -k[n], --kill[=n]    kill the current wineserver, optionally with signal n\n"
               "   -w, --wait           wait until the current wineserver terminates\n"
               "   --version            display version information and exit\n",
               out);
}

// "-k", "-k15", "--kill", "--kill=15": the signal, or none when not a kill.
std::optional<int> killSignal(const std::string& arg) {
    std::string number;
    if (arg == "-k" || arg == "--kill") return SIGKILL;
    if (arg.starts_with("-k") && arg.size() > 2 && arg[2] != '-') number = arg.substr(2);
    else if (arg.starts_with("--kill=")) number = arg.substr(7);
    else return std::nullopt;
    char* end = nullptr;
    long value = std::strtol(number.c_str(), &end, 10);
    if (*end || value < 1 || value > 64) return std::nullopt;
    return int(value);
}

}  // namespace

int main(int argc, char** argv) {
    closeInheritedDescriptors();
    journal("wineserver", argc, argv);

    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string request = args.empty() ? "" : args[0];
    if (request == "--version") {
        std::puts("Wine 11.0 (testbed)");
        return 0;
    }
    if (request == "-h" || request == "--help") {
        usage(stdout);
        return 0;
    }
    if (args.size() > 1) {
        usage(stderr);
        return 1;
    }
    auto prefix = Prefix::fromEnvironment();
    if (!prefix) {
        std::fputs("wineserver: WINEPREFIX is not set; the testbed engine has no default prefix\n", stderr);
        return 1;
    }
    try {
        if (auto signal = killSignal(request)) return killPrefix(*prefix, *signal) ? 0 : 1;
        if (request == "-w" || request == "--wait") {
            waitForServerExit(*prefix);
            return 0;
        }
        if (request == "-f" || request == "--foreground") {
            // Only the server itself stops cleanly; a waiting "-w" just ends.
            installStopHandlers();
            return serve(*prefix);
        }
        if (request.empty()) {
            // Like Wine: start a server in the background unless one runs.
            if (!serverRunning(*prefix) && !startDetached(selfExecutable(), {"-f"})) return 1;
            return 0;
        }
        usage(stderr);
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "wineserver: %s\n", error.what());
        return 1;
    }
}
