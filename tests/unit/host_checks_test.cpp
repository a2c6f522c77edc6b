// The host checks run in order and stop at the first failure.
#include <fstream>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "platform/platform.h"
#include "runtime/runtime.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using namespace ludowell;

namespace {

class HostChecks : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir / "Ludowell.app/Contents/Helpers");
        probe("exit 0");
        platform::overrideBundle(dir / "Ludowell.app");
    }
    void TearDown() override {
        platform::overrideBundle(std::nullopt);
        platform::overrideOSMajorVersion(std::nullopt);
        platform::overrideRosettaTest(std::nullopt);
    }
    void probe(const std::string& body) {
        const fs::path file = dir / "Ludowell.app/Contents/Helpers/tessaline";
        std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(file, fs::perms::owner_all);
    }
    size_t logCount() const {
        if (!fs::exists(runtime.logs())) return 0;
        return std::distance(fs::directory_iterator(runtime.logs()), fs::directory_iterator());
    }
    std::string failure() {
        try {
            runtime.hostCheck();
        } catch (const Failure& error) {
            return error.description;
        }
        return "";
    }

    TempDir dir;
    Runtime runtime{dir / "root", dir.path()};
};

TEST_F(HostChecks, AnOldSystemFailsBeforeAnyProcessStarts) {
    platform::overrideOSMajorVersion(25);
    EXPECT_EQ(failure(), "This build requires macOS 26 or later. Earlier macOS versions have not been validated.");
    EXPECT_FALSE(fs::exists(runtime.root()));
}

TEST_F(HostChecks, AFailingRosettaTestNeverReachesTheProbe) {
    platform::overrideRosettaTest(platform::Command{"/bin/false", {}});
    probe("touch \"$0.ran\"; exit 0");
    EXPECT_EQ(failure(),
              "Rosetta is required. Open an Intel app and follow macOS's Rosetta installation prompt, "
              "then try again.");
    EXPECT_FALSE(fs::exists(dir / "Ludowell.app/Contents/Helpers/tessaline.ran"));
    EXPECT_EQ(logCount(), 1u);
}

TEST_F(HostChecks, AFailingProbeNamesItselfAfterTheFixedSentence) {
    probe("echo 'translation cache refused'; exit 3");
    const std::string text = failure();
    const std::string sentence =
        "The optimization is not compatible with this Mac's current Rosetta runtime. No system "
        "settings were changed. ";
    ASSERT_TRUE(text.starts_with(sentence)) << text;
    EXPECT_TRUE(text.substr(sentence.size()).starts_with("tessaline failed (3). translation cache refused\n"))
        << text;
    EXPECT_TRUE(text.ends_with("\nLogs: " + runtime.logs().string()));
}

TEST_F(HostChecks, PassingChecksSayOneLine) {
    testing::internal::CaptureStdout();
    runtime.hostCheck();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Apple Silicon, macOS and Rosetta compatibility checks passed.\n");
}

TEST_F(HostChecks, WithoutAnEngineNothingRunsAndStopIsSilent) {
    EXPECT_FALSE(runtime.running());
    testing::internal::CaptureStdout();
    runtime.stop();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(logCount(), 0u);
}

}  // namespace
