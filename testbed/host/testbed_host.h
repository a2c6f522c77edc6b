#pragma once
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

#include "platform/host.h"

namespace testbed {

namespace fs = std::filesystem;

// A Mac as the simulated world shows it: a supported macOS with Rosetta,
// the testbed's signature tool, and downloads from the local server that
// the bundle's "testbed.json" names.
class Host final : public ludowell::platform::Host {
public:
    struct Settings {
        std::optional<fs::path> bundle;  // none: the running executable's
        std::string osVersion = "26.0";
        // Empty: the release that goes with osVersion.
        std::string kernelRelease;
        bool rosetta = true;
        bool slowRosetta = false;  // its test takes seconds, as a first run's can
    };

    // A run of the app is told of another Mac through its environment:
    // "LUDOWELL_TESTBED_MACOS" gives the system's version as the app is
    // told it, "LUDOWELL_TESTBED_DARWIN" the kernel's release, and
    // "LUDOWELL_TESTBED_ROSETTA=missing" takes Rosetta away ("slow" makes
    // its test take five seconds).
    static Settings fromEnvironment();

    explicit Host(Settings settings = fromEnvironment()) : settings_(std::move(settings)) {}

    fs::path bundle() const override;
    std::string osVersion() const override;
    std::string kernelRelease() const override;
    ludowell::platform::Command rosettaTest() const override;
    ludowell::platform::Command signatureVerify(const fs::path& file) const override;
    ludowell::platform::Command signatureRemove(const fs::path& file) const override;
    ludowell::platform::DownloadSources downloads() const override;

    // Tests run outside any bundle and point the host at one.
    void setBundle(std::optional<fs::path> bundle);

private:
    mutable std::mutex mutex_;
    Settings settings_;
};

// The host the Linux build is linked with.
Host& linkedHost();

}  // namespace testbed
