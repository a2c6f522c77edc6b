#pragma once
// What differs between a Mac and the simulated world the app runs against
// everywhere else. The executable is linked with one of the two; each
// part of the program that needs the host is handed it, and `host()` is
// the linked one, for the entry point to hand down.
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/platform.h"

namespace ludowell::platform {

struct PinnedSource {
    std::string url;
    std::string sha;
    std::uint64_t size = 0;  // expected bytes, for progress; 0: unknown
    // The most bytes a download may write before it is cut off: no longer
    // file can match the pin. 0: `size`, which is then exact.
    std::uint64_t limit = 0;
};

struct DownloadSources {
    PinnedSource package;         // the graphics package
    PinnedSource steamInstaller;  // Steam's Windows installer
};

class Host {
public:
    virtual ~Host() = default;

    // The application bundle, "Ludowell.app".
    virtual fs::path bundle() const = 0;
    // The system's version as the system tells this program, "26.1".
    virtual std::string osVersion() const = 0;
    // The kernel's release, "25.1.0"; empty when it cannot be read.
    virtual std::string kernelRelease() const = 0;
    // A command that succeeds only where Intel programs can run.
    virtual Command rosettaTest() const = 0;
    // codesign --verify --strict, and codesign --remove-signature.
    virtual Command signatureVerify(const fs::path& file) const = 0;
    virtual Command signatureRemove(const fs::path& file) const = 0;
    // Where the downloads come from and the digests they are pinned to.
    virtual DownloadSources downloads() const = 0;

    fs::path resources() const { return bundle() / "Contents" / "Resources"; }
    fs::path helpers() const { return bundle() / "Contents" / "Helpers"; }
    // The system's major version, which a build made with an older SDK is
    // not told as it is (macOS 26 says "16.0" to it, as 11 once said
    // "10.16"): the kernel's release is asked too, and the higher wins.
    int osMajorVersion() const;
};

// The host this executable was linked with.
const Host& host();

}  // namespace ludowell::platform
