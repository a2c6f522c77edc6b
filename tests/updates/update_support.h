#pragma once
// Shared by the update tests: waiting on the event loop, files, an Ed25519
// key made at test time, and a private HTTPS server.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include <openssl/evp.h>

#include "support/event_loop.h"
#include "support/files.h"
#include "support/temp_dir.h"

namespace updates_test {

namespace fs = std::filesystem;

// Runs the event loop until `done` holds or the time is up.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 10000) {
    return eventuallyInEventLoop(done, std::chrono::milliseconds(milliseconds));
}

inline void spin(int milliseconds) { waitUntil([] { return false; }, milliseconds); }

inline std::string readFile(const fs::path& file) {
    std::stringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

class SigningKey {
public:
    SigningKey() {
        EVP_PKEY* key = nullptr;
        std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> context(
            EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr), EVP_PKEY_CTX_free);
        if (EVP_PKEY_keygen_init(context.get()) != 1 || EVP_PKEY_keygen(context.get(), &key) != 1)
            throw std::runtime_error("Could not make an Ed25519 key");
        key_.reset(key);
    }
    std::string publicKey() const {
        QByteArray raw(32, '\0');
        size_t size = 32;
        EVP_PKEY_get_raw_public_key(key_.get(), reinterpret_cast<unsigned char*>(raw.data()), &size);
        return raw.toBase64().toStdString();
    }
    std::string sign(const fs::path& file) const {
        const std::string data = readFile(file);
        QByteArray signature(64, '\0');
        size_t size = 64;
        std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
        EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key_.get());
        EVP_DigestSign(context.get(), reinterpret_cast<unsigned char*>(signature.data()), &size,
                       reinterpret_cast<const unsigned char*>(data.data()), data.size());
        return signature.toBase64().toStdString();
    }

private:
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key_{nullptr, EVP_PKEY_free};
};

// testbed-https serving one folder; curl in this process trusts it.
class Server {
public:
    explicit Server(const fs::path& root) {
        const auto binary = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "testbed/bin/testbed-https";
        const auto portFile = state_ / "port";
        const std::string command = "exec '" + binary.string() + "' --root '" + root.string() +
                                    "' --port 0 --port-file '" + portFile.string() + "' --cert-dir '" +
                                    (state_ / "certs").string() + "' >/dev/null 2>&1";
        if ((pid_ = ::fork()) == 0) {
            ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
            ::_exit(127);
        }
        if (!waitUntil([&] { return fs::exists(portFile); }))
            throw std::runtime_error("The testbed server did not start: " + binary.string());
        port_ = std::stoi(readFile(portFile));
        ::setenv("CURL_CA_BUNDLE", (state_ / "certs/ca.pem").c_str(), 1);
    }
    ~Server() {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    std::string url(const std::string& name) const { return "https://localhost:" + std::to_string(port_) + "/" + name; }

private:
    TempDir state_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace updates_test
