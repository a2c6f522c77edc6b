// The host checks run in order and stop at the first failure; the passing
// line is checked end to end.
#include <gtest/gtest.h>

#include "runtime/runtime.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/failure_text.h"
#include "testbed_host.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

class HostChecks : public ::testing::Test {
protected:
    void SetUp() override { probe("exit 0"); }
    void probe(const std::string& body) {
        writeFile(dir / "Ludowell.app/Contents/Helpers/tessaline", "#!/bin/sh\n" + body + "\n", true);
    }
    size_t logCount() const {
        if (!fs::exists(runtime.logs())) return 0;
        return std::distance(fs::directory_iterator(runtime.logs()), fs::directory_iterator());
    }
    std::string failure(const testbed::Host::Settings& mac = {}) {
        testbed::Host host(mac);
        host.setBundle(dir / "Ludowell.app");
        return failureText([&] { Runtime(runtime.root(), dir.path(), GameProfile::aoeIV(), host).hostCheck(); });
    }

    TempDir dir;
    Runtime runtime{dir / "root", dir.path()};
};

// An old system stopping them is checked through the app (command mode).
TEST_F(HostChecks, AFailingRosettaTestStopsTheChecks) {
    probe("touch \"$0.ran\"; exit 0");
    EXPECT_EQ(failure({.rosetta = false}),
              "Rosetta is required. Open an Intel app and follow macOS's Rosetta installation prompt, "
              "then try again.");
    EXPECT_FALSE(fs::exists(dir / "Ludowell.app/Contents/Helpers/tessaline.ran"));
    EXPECT_EQ(logCount(), 1u);
}

TEST_F(HostChecks, AFailingProbeNamesItselfAfterTheFixedSentence) {
    probe("echo 'translation cache refused'; exit 3");
    EXPECT_EQ(failure(),
              "The optimization is not compatible with this Mac's current Rosetta runtime. No system settings were "
              "changed. tessaline failed (3). translation cache refused\n\nLogs: " + runtime.logs().string());
}

TEST_F(HostChecks, WithoutAnEngineNothingRunsAndStopIsSilent) {
    EXPECT_FALSE(runtime.running());
    testing::internal::CaptureStdout();
    runtime.stop();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(logCount(), 0u);
}

}  // namespace
