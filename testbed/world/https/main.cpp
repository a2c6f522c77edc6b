// testbed-https: serves a folder over HTTPS on 127.0.0.1, so the app's
// pinned downloads run through the real curl, TLS included.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <mutex>
#include <set>
#include <string>
#include <system_error>
#include <thread>

#include <openssl/err.h>
#include <openssl/ssl.h>

#include "certificate.h"
#include "request.h"

namespace fs = std::filesystem;
using namespace testbed;

namespace {

struct Options {
    fs::path root;
    int port = 0;
    fs::path portFile;
    fs::path certDir;
    long long throttle = 0;  // bytes per second; 0 means as fast as possible
    bool stall = false;      // read requests but never answer them
    bool endless = false;    // answer every GET with a body that never ends
};

constexpr size_t kMaxHead = 16 * 1024;

const char kUsage[] =
    "usage: testbed-https --root DIR --cert-dir DIR [--port N] [--port-file FILE]\n"
    "                     [--throttle-bytes-per-sec N] [--stall] [--endless]\n";

[[noreturn]] void usage(const std::string& problem) {
    std::fprintf(stderr, "testbed-https: %s\n%s", problem.c_str(), kUsage);
    std::exit(2);
}

long long number(const std::string& option, const char* text, long long max) {
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(text, &end, 10);
    if (errno || !*text || *end || value < 0 || value > max)
        usage(option + " needs a number from 0 to " + std::to_string(max));
    return value;
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--help") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        }
        if (option == "--stall" || option == "--endless") {
            (option == "--stall" ? options.stall : options.endless) = true;
            continue;
        }
        if (i + 1 >= argc) usage(option + " needs a value");
        const char* value = argv[++i];
        if (option == "--root") options.root = value;
        else if (option == "--port") options.port = int(number(option, value, 65535));
        else if (option == "--port-file") options.portFile = value;
        else if (option == "--cert-dir") options.certDir = value;
        else if (option == "--throttle-bytes-per-sec") options.throttle = number(option, value, 1LL << 40);
        else usage("unknown option " + option);
    }
    if (options.root.empty()) usage("--root is required");
    if (options.certDir.empty()) usage("--cert-dir is required");
    std::error_code ec;
    if (!fs::is_directory(options.root, ec)) usage("the root " + options.root.string() + " is not a folder");
    return options;
}

std::mutex logMutex;
void note(const std::string& line) {
    std::lock_guard lock(logMutex);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

// Open connections, so a stop can cut them short instead of waiting out a
// throttled transfer.
struct Connections {
    std::mutex mutex;
    std::condition_variable drained;
    std::set<int> open;
    bool stopping = false;

    bool add(int fd) {
        std::lock_guard lock(mutex);
        if (stopping) return false;
        open.insert(fd);
        return true;
    }
    void remove(int fd) {
        std::lock_guard lock(mutex);
        open.erase(fd);
        if (open.empty()) drained.notify_all();
    }
    bool isStopping() {
        std::lock_guard lock(mutex);
        return stopping;
    }
    bool stopAll(std::chrono::seconds grace) {
        std::unique_lock lock(mutex);
        stopping = true;
        for (int fd : open) ::shutdown(fd, SHUT_RDWR);
        return drained.wait_for(lock, grace, [&] { return open.empty(); });
    }
} connections;

bool sendAll(SSL* ssl, const char* data, size_t size) {
    while (size > 0) {
        int n = SSL_write(ssl, data, int(std::min<size_t>(size, 1 << 30)));
        if (n <= 0) return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool respond(SSL* ssl, int status, const std::string& extraHeaders, const std::string& body, bool head) {
    std::string text = "HTTP/1.1 " + std::to_string(status) + " " + reasonPhrase(status) + "\r\n" +
                       "Content-Type: text/plain; charset=utf-8\r\n" +
                       "Content-Length: " + std::to_string(body.size()) + "\r\n" + extraHeaders +
                       "Connection: close\r\n\r\n";
    if (!head) text += body;
    return sendAll(ssl, text.data(), text.size());
}

// Sends the file in chunks, pacing them when a throttle is set, so tests
// can catch a client in the middle of a transfer.
bool sendFile(SSL* ssl, std::ifstream& in, uintmax_t size, long long throttle) {
    const size_t chunk = throttle > 0 ? size_t(std::clamp<long long>(throttle / 20, 1, 16384)) : 64 * 1024;
    std::string buffer(chunk, '\0');
    const auto start = std::chrono::steady_clock::now();
    uintmax_t sent = 0;
    while (sent < size) {
        size_t want = size_t(std::min<uintmax_t>(chunk, size - sent));
        if (!in.read(buffer.data(), std::streamsize(want))) return false;
        if (!sendAll(ssl, buffer.data(), want)) return false;
        sent += want;
        if (throttle > 0 && sent < size)
            std::this_thread::sleep_until(start + std::chrono::duration<double>(double(sent) / double(throttle)));
    }
    return true;
}

void serve(SSL* ssl, const Options& options) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
        if (head.size() > kMaxHead) {
            respond(ssl, 431, "", "Request head too large.\n", false);
            return;
        }
        int n = SSL_read(ssl, buffer, sizeof buffer);
        if (n <= 0) return;
        head.append(buffer, size_t(n));
    }

    if (options.stall) {
        // A server that took the request and went silent; only a stop ends it.
        while (!connections.isStopping()) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        note("(stalled request) dropped");
        return;
    }

    auto request = parseRequestLine(head);
    if (!request) {
        respond(ssl, 400, "", "Malformed request.\n", false);
        note("(malformed request) 400");
        return;
    }
    if (options.endless && request->method == "GET") {
        // A hostile server: no length, and bytes until the client hangs up.
        const std::string headers = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n";
        const std::string chunk(64 * 1024, 'x');
        bool open = sendAll(ssl, headers.data(), headers.size());
        while (open && !connections.isStopping()) open = sendAll(ssl, chunk.data(), chunk.size());
        note("GET " + request->target + " 200 (endless)");
        return;
    }
    const bool isHead = request->method == "HEAD";
    int status = 200;
    bool interrupted = false;
    if (!isHead && request->method != "GET") {
        status = 405;
        respond(ssl, status, "Allow: GET, HEAD\r\n", "Only GET and HEAD are served.\n", false);
    } else if (auto target = resolveTarget(options.root, request->target); target.kind != Resolution::file) {
        status = target.kind == Resolution::badRequest ? 400 : 404;
        respond(ssl, status, "", status == 400 ? "Bad path.\n" : "Not found.\n", isHead);
    } else {
        std::error_code ec;
        const uintmax_t size = fs::file_size(target.file, ec);
        std::ifstream in(target.file, std::ios::binary);
        if (ec || !in) {
            status = 500;
            respond(ssl, status, "", "Could not read the file.\n", isHead);
        } else {
            std::string headers = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                                  "Content-Length: " + std::to_string(size) + "\r\nConnection: close\r\n\r\n";
            interrupted = !sendAll(ssl, headers.data(), headers.size()) ||
                          (!isHead && !sendFile(ssl, in, size, options.throttle));
        }
    }
    note(request->method + " " + request->target + " " + std::to_string(status) +
         (interrupted ? " (interrupted)" : ""));
}

void handle(int fd, SSL_CTX* context, const Options& options) {
    if (!connections.add(fd)) {
        ::close(fd);
        return;
    }
    // A client that goes quiet must not hold a thread for ever.
    timeval timeout{30, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    if (SSL* ssl = SSL_new(context)) {
        SSL_set_fd(ssl, fd);
        if (SSL_accept(ssl) == 1) {
            serve(ssl, options);
            SSL_shutdown(ssl);
        }
        SSL_free(ssl);
    }
    ERR_clear_error();  // per-thread queue: nothing carries over
    connections.remove(fd);
    ::close(fd);
}

SSL_CTX* makeContext(const CertificateFiles& files) {
    SSL_CTX* context = SSL_CTX_new(TLS_server_method());
    if (!context || SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION) != 1 ||
        SSL_CTX_use_certificate_chain_file(context, files.certificate.c_str()) != 1 ||
        SSL_CTX_use_PrivateKey_file(context, files.key.c_str(), SSL_FILETYPE_PEM) != 1 ||
        SSL_CTX_check_private_key(context) != 1) {
        char reason[256] = "unknown reason";
        if (unsigned long code = ERR_get_error()) ERR_error_string_n(code, reason, sizeof reason);
        throw std::runtime_error(std::string("Could not load the certificate: ") + reason);
    }
    return context;
}

int listenOn(int port) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::system_error(errno, std::generic_category(), "socket");
    int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(uint16_t(port));
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::system_error(errno, std::generic_category(), "Could not listen on 127.0.0.1:" + std::to_string(port));
    if (::listen(fd, 128) != 0) throw std::system_error(errno, std::generic_category(), "listen");
    return fd;
}

int boundPort(int fd) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

// Whoever waits for the port file finds either nothing or the whole number.
void writePortFile(const fs::path& file, int port) {
    fs::path temporary = file;
    temporary += ".tmp-" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << port << "\n";
        if (!out.flush()) throw std::runtime_error("Could not write " + temporary.string());
    }
    fs::rename(temporary, file);
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);

    // Signals arrive through a descriptor, so no thread is ever interrupted
    // and the accept loop sees them with the connections.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
    int signals = ::signalfd(-1, &stopSignals, SFD_CLOEXEC);

    int listener = -1;
    SSL_CTX* context = nullptr;
    try {
        context = makeContext(ensureCertificate(options.certDir));
        listener = listenOn(options.port);
        const int port = boundPort(listener);
        if (!options.portFile.empty()) writePortFile(options.portFile, port);
        std::printf("testbed-https: serving %s at https://localhost:%d/\n", options.root.c_str(), port);
        std::fflush(stdout);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "testbed-https: %s\n", error.what());
        return 1;
    }

    for (;;) {
        pollfd waits[2] = {{listener, POLLIN, 0}, {signals, POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0) {
            if (errno == EINTR) continue;
            std::perror("testbed-https: poll");
            break;
        }
        if (waits[1].revents) break;
        if (waits[0].revents & POLLIN) {
            int client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) continue;
            std::thread(handle, client, context, std::cref(options)).detach();
        }
    }

    ::close(listener);
    if (!options.portFile.empty()) {
        std::error_code ignored;
        fs::remove(options.portFile, ignored);
    }
    // Threads still inside OpenSSL would race its exit-time cleanup.
    if (!connections.stopAll(std::chrono::seconds(3))) std::_Exit(0);
    SSL_CTX_free(context);
    return 0;
}
