#pragma once
// The testbed's HTTPS server on a free port, serving one folder.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "core/files.h"
#include "support/eventually.h"
#include "support/temp_dir.h"

class HttpsServer {
public:
    // `certs` holds its certificate: a world's, and the app trusts it already.
    // An endless server answers every request with a body that never ends.
    explicit HttpsServer(const std::filesystem::path& root, const std::filesystem::path& certs = {},
                         bool endless = false)
        : certs_(certs.empty() ? state_ / "certs" : certs) {
        namespace fs = std::filesystem;
        const auto binary = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "testbed/bin/testbed-https";
        const auto portFile = state_ / "port";
        if ((pid_ = ::fork()) == 0) {
            const int devNull = ::open("/dev/null", O_WRONLY);
            ::dup2(devNull, 1), ::dup2(devNull, 2);
            ::execl(binary.c_str(), binary.c_str(), "--root", root.c_str(), "--port", "0", "--port-file",
                    portFile.c_str(), "--cert-dir", certs_.c_str(), endless ? "--endless" : nullptr,
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        const auto port = [&] { return ludowell::readFile(portFile).value_or(""); };
        if (!eventually([&] { return !port().empty(); }, std::chrono::seconds(10)))
            throw std::runtime_error("The testbed server did not start: " + binary.string());
        port_ = std::stoi(port());
    }
    ~HttpsServer() {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    HttpsServer(const HttpsServer&) = delete;
    HttpsServer& operator=(const HttpsServer&) = delete;

    std::string url(const std::string& name) const { return "https://localhost:" + std::to_string(port_) + "/" + name; }
    std::filesystem::path certificate() const { return certs_ / "ca.pem"; }

private:
    TempDir state_;
    std::filesystem::path certs_;
    pid_t pid_ = -1;
    int port_ = 0;
};
