// The Mac: the real system, its tools, and the downloads the product pins.
#include <sys/sysctl.h>

#include "platform/host.h"

namespace ludowell::platform {
namespace {

// The digests the downloads are pinned to.
constexpr const char* templateSHA = "34273bcce885ce5a7fd6937af9ea344bb9961de7d55d6193f7413142e835c8c3";
constexpr const char* steamSHA = "7d3654531c32d941b8cae81c4137fc542172bfa9635f169cb392f245a0a12bcb";
// Their sizes feed the window's progress; the digest alone decides whether
// a file is accepted. A transfer that outgrows its bound is cut off.
constexpr std::uint64_t templateSize = 87'000'000;
constexpr std::uint64_t steamSize = 2'300'000;
constexpr std::uint64_t templateLimit = 120'000'000;
constexpr std::uint64_t steamLimit = 16'000'000;

class MacHost final : public Host {
public:
    // Contents/MacOS/ludowell -> the bundle three levels up.
    fs::path bundle() const override { return executable().parent_path().parent_path().parent_path(); }

    std::string osVersion() const override { return text("kern.osproductversion", "0"); }
    std::string kernelRelease() const override { return text("kern.osrelease", ""); }

    Command rosettaTest() const override { return {"/usr/bin/arch", {"-x86_64", "/usr/bin/true"}}; }

    Command signatureVerify(const fs::path& file) const override {
        return {"/usr/bin/codesign", {"--verify", "--strict", file.string()}};
    }

    Command signatureRemove(const fs::path& file) const override {
        return {"/usr/bin/codesign", {"--remove-signature", file.string()}};
    }

    DownloadSources downloads() const override {
        return {
            {"https://github.com/Gcenx/macOS_Wine_builds/releases/download/template/Template-1.0.15.tar.xz",
             templateSHA, templateSize, templateLimit},
            {"https://cdn.cloudflare.steamstatic.com/client/installer/SteamSetup.exe", steamSHA, steamSize,
             steamLimit},
        };
    }

private:
    static std::string text(const char* name, const char* fallback) {
        char value[64] = {};
        size_t size = sizeof value;
        if (sysctlbyname(name, value, &size, nullptr, 0) != 0) return fallback;
        return value;
    }
};

}  // namespace

const Host& host() {
    static const MacHost mac;
    return mac;
}

}  // namespace ludowell::platform
