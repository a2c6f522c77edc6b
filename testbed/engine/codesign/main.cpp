// The testbed's codesign: verifies, removes and adds the testbed signature
// trailer on fake Mach-O images, with macOS codesign's messages and exit
// statuses (0 success, 1 failure, 2 usage).
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "signing/signature.h"

namespace {

using testbed_engine::SignatureState;

enum class Action { none, verify, remove, sign };

void usage() {
    std::fputs("Usage: codesign --verify [--strict] file...\n"
               "       codesign --remove-signature file...\n"
               "       codesign -s identity [-f] file...\n",
               stderr);
}

std::optional<std::string> readAll(const std::string& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Rewrites the file in place (keeping its mode) with `bytes`, which
// either extends or shortens its current content.
bool replaceContent(const std::string& file, const std::string& bytes) {
    std::FILE* out = std::fopen(file.c_str(), "r+b");
    if (!out) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fflush(out) == 0 && ok;
    ok = ::ftruncate(::fileno(out), off_t(bytes.size())) == 0 && ok;
    return std::fclose(out) == 0 && ok;
}

int handle(Action action, bool force, bool verbose, const std::string& file) {
    auto bytes = readAll(file);
    if (!bytes) {
        std::fprintf(stderr, "%s: No such file or directory\n", file.c_str());
        return 1;
    }
    const SignatureState state = testbed_engine::signatureState(*bytes);
    switch (action) {
    case Action::verify:
        if (state == SignatureState::valid) {
            if (verbose) std::fprintf(stderr, "%s: valid on disk\n", file.c_str());
            return 0;
        }
        if (state == SignatureState::invalid)
            std::fprintf(stderr, "%s: invalid signature (code or signature have been modified)\n", file.c_str());
        else
            std::fprintf(stderr, "%s: code object is not signed at all\n", file.c_str());
        return 1;
    case Action::remove:
        if (state != SignatureState::valid && state != SignatureState::invalid) {
            std::fprintf(stderr, "%s: code object is not signed at all\n", file.c_str());
            return 1;
        }
        if (!replaceContent(file, std::string(testbed_engine::unsignedImage(*bytes)))) {
            std::fprintf(stderr, "%s: cannot rewrite the file\n", file.c_str());
            return 1;
        }
        return 0;
    case Action::sign:
        if (state == SignatureState::notMachO) {
            std::fprintf(stderr, "%s: not a Mach-O image\n", file.c_str());
            return 1;
        }
        if (state != SignatureState::unsignedImage && !force) {
            std::fprintf(stderr, "%s: is already signed\n", file.c_str());
            return 1;
        }
        if (!replaceContent(file, testbed_engine::signedImage(*bytes))) {
            std::fprintf(stderr, "%s: cannot rewrite the file\n", file.c_str());
            return 1;
        }
        if (verbose) std::fprintf(stderr, "%s: signed Mach-O thin (testbed)\n", file.c_str());
        return 0;
    case Action::none:
        break;
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Action action = Action::none;
    bool force = false, verbose = false;
    std::vector<std::string> files;
    auto choose = [&](Action chosen) {
        if (action != Action::none && action != chosen) return false;
        action = chosen;
        return true;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        bool ok = true;
        if (arg == "--verify" || arg == "-v") {
            // "-v" is both verify and, repeated, verbose; both are harmless.
            if (action == Action::verify) verbose = true;
            ok = choose(Action::verify);
        } else if (arg == "--verbose" || arg.starts_with("--verbose=")) {
            verbose = true;
        } else if (arg == "--strict" || arg.starts_with("--strict=") || arg == "--deep") {
        } else if (arg == "--remove-signature") {
            ok = choose(Action::remove);
        } else if (arg == "-s" || arg == "--sign") {
            if (++i >= argc) ok = false;
            else ok = choose(Action::sign);
        } else if (arg == "-f" || arg == "--force") {
            force = true;
        } else if (arg.starts_with("-")) {
            std::fprintf(stderr, "codesign: unrecognized option %s\n", arg.c_str());
            ok = false;
        } else {
            files.push_back(arg);
        }
        if (!ok) {
            usage();
            return 2;
        }
    }
    if (action == Action::none || files.empty()) {
        usage();
        return 2;
    }
    int status = 0;
    for (const auto& file : files)
        if (int result = handle(action, force, verbose, file); result != 0) status = result;
    return status;
}
