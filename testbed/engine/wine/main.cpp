// The testbed Wine loader: "wine --version", built-in commands (wineboot,
// winecfg) and testbed Windows programs, each run under its prefix's server.
#include <cctype>
#include <cstdio>
#include <exception>

#include "common/journal.h"
#include "common/prefix.h"
#include "common/process.h"
#include "wine/programs.h"

using namespace testbed_engine;

namespace {

void usage(std::FILE* out) {
    std::fputs("Usage: wine PROGRAM [ARGUMENTS...]   Run a Windows program\n"
               "       wine --help                   Display this help and exit\n"
               "       wine --version                Output version information and exit\n",
               out);
}

// Wine's own programs are started with their Windows path in place of the
// loader's name, which is also how the process table shows them.
bool startedByTheEngine(const char* name) {
    return std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':' && name[2] == '\\';
}

}  // namespace

int main(int argc, char** argv) {
    closeInheritedDescriptors();
    installStopHandlers();
    if (argc > 0 && startedByTheEngine(argv[0])) {
        auto prefix = Prefix::fromEnvironment();
        if (!prefix) return 1;
        try {
            return runWindowsProgram(*prefix, argv[0], Arguments(argv + 1, argv + argc));
        } catch (const std::exception& error) {
            std::fprintf(stderr, "wine: %s\n", error.what());
            return 1;
        }
    }
    journal("wine", argc, argv);

    const Arguments args(argv + 1, argv + argc);
    if (args.empty()) {
        usage(stderr);
        return 1;
    }
    if (args[0] == "--version") {
        std::puts("wine-11.0 (testbed)");
        return 0;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        usage(stdout);
        return 0;
    }
    auto prefix = Prefix::fromEnvironment();
    if (!prefix) {
        std::fputs("wine: WINEPREFIX is not set; the testbed engine has no default prefix\n", stderr);
        return 1;
    }
    try {
        return runWindowsProgram(*prefix, args[0], Arguments(args.begin() + 1, args.end()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "wine: %s\n", error.what());
        return 1;
    }
}
