#pragma once
// A disposable copy of the simulated world for one test: its own folder,
// home, HTTPS server and app bundle, so tests can run side by side.
#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace testbed {

class World {
public:
    struct Options {
        // Paces the server's transfers, so a test can stop a download half-way.
        long long throttleBytesPerSecond = 0;
        // The server takes every request and never answers it.
        bool stall = false;
        // The server answers every request with a body that never ends.
        bool endless = false;
        // The bundle pins the package with 384 KiB of filler, whose
        // transfer shows progress on its way.
        bool largePackage = false;
        // A folder whose entries replace the built bundle's resources of the
        // same name (the real-engine tier's engine, pins and catalog).
        std::filesystem::path resources;
    };

    // Makes a fresh folder, starts the download server on a free port and
    // builds a private bundle whose testbed.json points at that server.
    // Also clears away worlds whose test process died without cleaning up.
    // Throws std::runtime_error when any of it cannot be done.
    World();
    explicit World(Options options);
    // Stops every Wine server of a prefix found in the folder, the download
    // server, and removes the folder.
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    std::filesystem::path dir;         // the world's own folder
    std::filesystem::path home;        // HOME for everything started here
    std::filesystem::path bundle;      // <dir>/Ludowell.app
    std::filesystem::path executable;  // the bundle's Contents/MacOS/ludowell
    std::filesystem::path caBundle;    // what curl trusts for the server
    int port = 0;

    // <dir>/<name>; not created.
    std::filesystem::path dataRoot(const std::string& name = "data") const;

    // This process's environment with HOME, XDG_DATA_HOME and CURL_CA_BUNDLE
    // pointing into the world.
    std::map<std::string, std::string> environment() const;
    // The same three variables for this process, and the bundle override,
    // for tests that drive a Runtime in-process. Undone by the destructor.
    void exportToThisProcess() const;

    struct Result {
        int status;          // exit status; 128 + signal when killed; -1 on time-out
        std::string output;  // standard output and standard error as written
    };
    Result ludowell(const std::vector<std::string>& args, double timeoutSeconds = 120) const;
    // Any program, with the world's environment, the same way.
    Result run(const std::filesystem::path& program, const std::vector<std::string>& args,
               double timeoutSeconds = 120) const;
    // Starts the app without waiting, its output going to outputFile; the
    // caller waits for or kills the returned process.
    pid_t startLudowell(const std::vector<std::string>& args, const std::filesystem::path& outputFile) const;

    // The testbed engine's record of what ran in a data root, one object a
    // line; a line still being written is left out.
    static std::vector<nlohmann::json> journal(const std::filesystem::path& dataRoot);

private:
    void startServer(const Options& options);
    void buildBundle(const Options& options);
    void stopServer();
    pid_t spawnWithOutput(const std::filesystem::path& program, const std::vector<std::string>& args, int fd) const;

    pid_t server_ = -1;
    int lockFd_ = -1;  // held for the world's life: a live world is never swept
    mutable bool exported_ = false;
    mutable std::map<std::string, std::optional<std::string>> savedEnvironment_;
};

}  // namespace testbed
