// The host checks: a failing probe, and stopping with no engine. The Mac's
// system and Rosetta stopping the checks before any helper starts are
// checked through the app (e2e CommandMode.RefusalsAtStartAreOneLine), as
// is the passing line.
#include <gtest/gtest.h>

#include "runtime/runtime.h"
#include "support/failure_text.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "testbed_host.h"

namespace fs = std::filesystem;
using namespace ludowell;

TEST(HostChecks, AFailingProbeNamesItselfAfterTheFixedSentence) {
    TempDir dir;
    writeFile(dir / "Ludowell.app/Contents/Helpers/tessaline", "#!/bin/sh\necho 'translation cache refused'; exit 3\n",
              true);
    const testbed::Host host({.bundle = dir / "Ludowell.app"});
    const Runtime runtime(dir / "root", dir.path(), GameProfile::aoeIV(), host);
    EXPECT_EQ(failureText([&] { runtime.hostCheck(); }),
              "The optimization is not compatible with this Mac's current Rosetta runtime. No system settings were "
              "changed. tessaline failed (3). translation cache refused\n\nLogs: " + runtime.logs().string());
}

TEST(HostChecks, WithoutAnEngineNothingRunsAndStopIsSilent) {
    TempDir dir;
    const Runtime runtime(dir / "root", dir.path());
    EXPECT_FALSE(runtime.running());
    testing::internal::CaptureStdout();
    runtime.stop();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_FALSE(fs::exists(runtime.logs()));
}
