#pragma once
// A data root with the world's engine in place and a Windows program that
// waits under its prefix, as a running game keeps a session alive.
#include <sys/wait.h>

#include <filesystem>

#include "platform/subprocess.h"
#include "runtime/runtime.h"
#include "support/eventually.h"
#include "support/files.h"
#include "testbed_world.h"

// The engine in the folder a runtime uses before any selection exists.
inline void placeEngine(const ludowell::Runtime& runtime, const testbed::World& world) {
    namespace fs = std::filesystem;
    fs::create_directories(runtime.root());
    fs::copy(fs::canonical(world.bundle / "Contents/Resources/Engine"), runtime.root() / "engine",
             fs::copy_options::recursive | fs::copy_options::copy_symlinks);
}

// Returns once the prefix's server is up: the loader returns at once or
// keeps running as the program.
inline bool startWaiter(const ludowell::Runtime& runtime) {
    using ludowell::platform::Subprocess;
    const auto program = runtime.root() / "waiter.exe";
    writeFile(program, "TESTBED-PE waiter\n");
    const auto env = runtime.environment();
    Subprocess::Options request{runtime.wine(), {program.string()}};
    request.environment = &env;
    request.newSession = true;
    const pid_t pid = Subprocess::start(request).release();
    return eventually([&] {
        ::waitpid(pid, nullptr, WNOHANG);
        return runtime.running();
    }, std::chrono::seconds(10));
}
