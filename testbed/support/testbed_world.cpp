#include "testbed_world.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "platform/platform.h"
#include "platform/subprocess.h"
#include "runtime/runtime.h"
#include "child_wait.h"
#include "testbed_host.h"
#include "world_cleanup.h"

extern char** environ;

namespace testbed {
namespace fs = std::filesystem;

namespace {

const fs::path kBuiltBundle = TESTBED_BUILT_BUNDLE;
const fs::path kWww = TESTBED_WWW;
const fs::path kHttps = TESTBED_HTTPS_BIN;

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int openOutput(const fs::path& file) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("Could not create " + file.string() + ": " + std::strerror(errno));
    return fd;
}

// The same address on this world's server: only the authority changes.
std::string onPort(const std::string& url, int port) {
    auto scheme = url.find("://");
    auto path = url.find('/', scheme == std::string::npos ? 0 : scheme + 3);
    if (scheme == std::string::npos || path == std::string::npos)
        throw std::runtime_error("testbed.json holds an unexpected address: " + url);
    return url.substr(0, scheme + 3) + "localhost:" + std::to_string(port) + url.substr(path);
}

}  // namespace

World::World() : World(Options{}) {}

World::World(Options options) {
    std::string pattern = (fs::temp_directory_path() / "ludowell-world-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("Could not create a world folder: " + std::string(std::strerror(errno)));
    // Resolved, so paths compare equal to what the kernel reports for processes.
    dir = fs::canonical(pattern);
    lockFd_ = ::open((dir / "world.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ >= 0) ::flock(lockFd_, LOCK_EX);
    try {
        sweepAbandonedWorlds(dir.parent_path(), dir);
    } catch (const std::exception&) {
        // Tidying up after others must never stop this world.
    }
    home = dir / "home";
    bundle = dir / "Ludowell.app";
    executable = bundle / "Contents/MacOS/ludowell";
    caBundle = dir / "certs/ca.pem";
    try {
        fs::create_directories(home / ".local/share");
        startServer(options);
        buildBundle(options);
    } catch (...) {
        stopServer();
        if (lockFd_ >= 0) ::close(lockFd_);
        removeTree(dir);
        throw;
    }
}

World::~World() {
    try {
        stopWineServersIn(dir, bundle / "Contents/Resources", worldVariables(home, caBundle));
    } catch (...) {
    }
    stopServer();
    if (exported_) {
        for (auto& [name, value] : savedEnvironment_) {
            if (value) ::setenv(name.c_str(), value->c_str(), 1);
            else ::unsetenv(name.c_str());
        }
        testbed::linkedHost().setBundle(std::nullopt);
    }
    removeTree(dir);
    if (lockFd_ >= 0) ::close(lockFd_);
}

void World::startServer(const Options& options) {
    if (!fs::exists(kHttps)) throw std::runtime_error("The testbed server is not built: " + kHttps.string());
    const fs::path portFile = dir / "https.port";
    const fs::path log = dir / "testbed-https.log";
    std::vector<std::string> args = {kHttps.string(), "--root", kWww.string(), "--port", "0",
                                     "--port-file", portFile.string(), "--cert-dir", (dir / "certs").string(),
                                     "--throttle-bytes-per-sec", std::to_string(options.throttleBytesPerSecond)};
    if (options.stall) args.push_back("--stall");
    if (options.endless) args.push_back("--endless");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int logFd = openOutput(log);

    // Forked by hand for the parent-death signal: a test that crashes must
    // not leave a server behind.
    const pid_t parent = ::getpid();
    pid_t pid = ::fork();
    if (pid < 0) {
        ::close(logFd);
        throw std::runtime_error("Could not start the testbed server: " + std::string(std::strerror(errno)));
    }
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) ::_exit(127);
        int devNull = ::open("/dev/null", O_RDONLY);
        ::dup2(devNull, 0);
        ::dup2(logFd, 1);
        ::dup2(logFd, 2);
        ::syscall(SYS_close_range, 3u, ~0u, 0u);
        ::execve(argv[0], argv.data(), environ);
        ::_exit(127);
    }
    ::close(logFd);
    server_ = pid;

    const auto deadline = Clock::now() + std::chrono::seconds(30);
    for (;;) {
        std::ifstream in(portFile);
        if (in >> port && port > 0) return;
        int status = 0;
        if (::waitpid(server_, &status, WNOHANG) == server_) {
            server_ = -1;
            throw std::runtime_error("The testbed server stopped at start-up: " + readAll(log));
        }
        if (Clock::now() > deadline) throw std::runtime_error("The testbed server never reported its port: " + readAll(log));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void World::buildBundle(const Options& options) {
    const fs::path& overrides = options.resources;
    const fs::path builtContents = kBuiltBundle / "Contents";
    const fs::path contents = bundle / "Contents";
    const fs::path builtExecutable = builtContents / "MacOS/ludowell";
    if (!fs::exists(builtExecutable)) throw std::runtime_error("The app is not built: " + builtExecutable.string());
    fs::create_directories(contents / "MacOS");
    fs::create_directories(contents / "Resources");

    // The app finds its bundle from its own path, so it must really live
    // here: a hard link where the file system allows it, a copy otherwise.
    std::error_code ec;
    fs::create_hard_link(builtExecutable, executable, ec);
    if (ec) fs::copy_file(builtExecutable, executable);

    for (auto& entry : fs::directory_iterator(builtContents)) {
        const auto name = entry.path().filename();
        if (name != "MacOS" && name != "Resources") fs::create_symlink(entry.path(), contents / name);
    }
    // Entry by entry, so a test can replace one resource without touching
    // the build.
    for (auto& entry : fs::directory_iterator(builtContents / "Resources")) {
        const auto name = entry.path().filename();
        const bool replaced = !overrides.empty() && fs::exists(overrides / name);
        if (name != "testbed.json")
            fs::create_symlink(replaced ? overrides / name : entry.path(), contents / "Resources" / name);
    }
    if (!fs::exists(contents / "Helpers")) fs::create_directories(contents / "Helpers");

    const fs::path builtPins = !overrides.empty() && fs::exists(overrides / "testbed.json")
                                   ? overrides / "testbed.json"
                                   : builtContents / "Resources/testbed.json";
    auto pins = nlohmann::json::parse(readAll(builtPins), nullptr, false);
    if (pins.is_discarded() || !pins.is_object())
        throw std::runtime_error("The built testbed.json is missing or unreadable: " + builtPins.string());
    if (options.largePackage)
        for (const char* key : {"URL", "SHA", "Size"}) pins[std::string("package") + key] = pins.at(std::string("largePackage") + key);
    for (const char* key : {"packageURL", "steamURL"})
        pins[key] = onPort(pins.at(key).get<std::string>(), port);
    std::ofstream(contents / "Resources/testbed.json") << pins.dump() << "\n";
}

fs::path World::dataRoot(const std::string& name) const { return dir / name; }

std::map<std::string, std::string> World::environment() const {
    std::map<std::string, std::string> env;
    for (char** entry = environ; entry && *entry; ++entry) {
        std::string pair(*entry);
        auto equals = pair.find('=');
        if (equals != std::string::npos) env.emplace(pair.substr(0, equals), pair.substr(equals + 1));
    }
    for (auto& [name, value] : worldVariables(home, caBundle)) env[name] = value;
    return env;
}

void World::exportToThisProcess() const {
    for (auto& [name, value] : worldVariables(home, caBundle)) {
        if (!exported_) {
            const char* old = std::getenv(name.c_str());
            savedEnvironment_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    exported_ = true;
    testbed::linkedHost().setBundle(bundle);
}

World::Result World::ludowell(const std::vector<std::string>& args, double timeoutSeconds) const {
    return run(executable, args, timeoutSeconds);
}

World::Result World::run(const fs::path& program, const std::vector<std::string>& args,
                         double timeoutSeconds) const {
    // A file rather than a pipe: a Wine program left running by the app
    // cannot keep us waiting for end-of-file.
    std::string pattern = (dir / "output-XXXXXX").string();
    int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("Could not create an output file: " + std::string(std::strerror(errno)));
    const pid_t pid = spawnWithOutput(program, args, fd);

    Result result{0, {}};
    int status = 0;
    if (waitFor(pid, status, timeoutSeconds)) {
        result.status = exitStatus(status);
    } else {
        killAndReap(pid);
        result.status = -1;
    }
    result.output = readAll(pattern);
    if (result.status == -1) result.output += "\n[killed after " + std::to_string(timeoutSeconds) + " seconds]\n";
    std::error_code ignored;
    fs::remove(pattern, ignored);
    return result;
}

pid_t World::startLudowell(const std::vector<std::string>& args, const fs::path& outputFile) const {
    return spawnWithOutput(executable, args, openOutput(outputFile));
}

// Starts the app with the world's environment; takes over `fd`.
pid_t World::spawnWithOutput(const fs::path& program, const std::vector<std::string>& args, int fd) const {
    const auto env = environment();
    ludowell::platform::Subprocess::Options request{program, args};
    request.environment = &env;
    request.outputFd = fd;
    pid_t pid;
    try {
        pid = ludowell::platform::Subprocess::start(request).release();
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    return pid;
}

std::vector<nlohmann::json> World::journal(const fs::path& dataRoot) {
    std::vector<nlohmann::json> entries;
    std::ifstream in(dataRoot / "testbed-journal.jsonl");
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        auto entry = nlohmann::json::parse(line, nullptr, false);
        if (!entry.is_discarded()) entries.push_back(std::move(entry));
    }
    return entries;
}

void World::stopServer() {
    if (server_ <= 0) return;
    ::kill(server_, SIGTERM);
    int status = 0;
    if (!waitFor(server_, status, 5)) killAndReap(server_);
    server_ = -1;
}

}  // namespace testbed
