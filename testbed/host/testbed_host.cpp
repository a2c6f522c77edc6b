#include "testbed_host.h"

#include <cstdlib>
#include <fstream>

#include <nlohmann/json.hpp>

namespace testbed {

using ludowell::platform::Command;

Host::Settings Host::fromEnvironment() {
    Settings settings;
    if (const char* version = std::getenv("LUDOWELL_TESTBED_MACOS"); version && *version)
        settings.osVersion = version;
    if (const char* release = std::getenv("LUDOWELL_TESTBED_DARWIN"); release && *release)
        settings.kernelRelease = release;
    if (const char* rosetta = std::getenv("LUDOWELL_TESTBED_ROSETTA")) {
        settings.rosetta = std::string(rosetta) != "missing";
        settings.slowRosetta = std::string(rosetta) == "slow";
    }
    return settings;
}

fs::path Host::bundle() const {
    {
        std::lock_guard lock(mutex_);
        if (settings_.bundle) return *settings_.bundle;
    }
    // Contents/MacOS/ludowell -> the bundle three levels up.
    return ludowell::platform::executable().parent_path().parent_path().parent_path();
}

void Host::setBundle(std::optional<fs::path> bundle) {
    std::lock_guard lock(mutex_);
    settings_.bundle = std::move(bundle);
}

std::string Host::osVersion() const { return settings_.osVersion; }

std::string Host::kernelRelease() const {
    if (!settings_.kernelRelease.empty()) return settings_.kernelRelease;
    // A Mac's own pair: macOS 11 to 15 ran Darwin 20 to 24, 26 runs 25.
    const int major = std::atoi(settings_.osVersion.c_str());
    if (major >= 26) return std::to_string(major - 1) + ".0.0";
    if (major >= 11) return std::to_string(major + 9) + ".0.0";
    return "19.0.0";
}

// Linux runs no Intel translation; a trivial program keeps the step's shape.
Command Host::rosettaTest() const {
    if (settings_.slowRosetta) return {"/bin/sleep", {"5"}};
    return {settings_.rosetta ? "/usr/bin/true" : "/usr/bin/false", {}};
}

Command Host::signatureVerify(const fs::path& file) const {
    return {resources() / "Testbed" / "codesign", {"--verify", "--strict", file.string()}};
}

Command Host::signatureRemove(const fs::path& file) const {
    return {resources() / "Testbed" / "codesign", {"--remove-signature", file.string()}};
}

ludowell::platform::DownloadSources Host::downloads() const {
    // A bundle without pins has nowhere to download from.
    std::ifstream in(resources() / "testbed.json");
    if (!in) return {};
    auto document = nlohmann::json::parse(in);
    return {
        {document.at("packageURL").get<std::string>(), document.at("packageSHA").get<std::string>(),
         document.value("packageSize", std::uint64_t{0})},
        {document.at("steamURL").get<std::string>(), document.at("steamSHA").get<std::string>(),
         document.value("steamSize", std::uint64_t{0})},
    };
}

Host& linkedHost() {
    static Host host;
    return host;
}

}  // namespace testbed

namespace ludowell::platform {
const Host& host() { return testbed::linkedHost(); }
}  // namespace ludowell::platform
