// A new player's whole way through the window against the testbed, driven
// by the primary button alone (with the licence sheet and "I'm signed in"
// where the way asks for them).
#include <gtest/gtest.h>

#include "testbed_world.h"
#include "ui_harness.h"

namespace {

using uitest::Window;

// The model's refresh and launch intervals, shortened for one test.
struct QuickTiming {
    QuickTiming() {
        auto& timing = ludowell::LibraryModel::timing();
        timing.refreshMilliseconds = 250;
        timing.launchingMilliseconds = 3000;
    }
    ~QuickTiming() { ludowell::LibraryModel::timing() = saved; }
    ludowell::LibraryModel::Timing saved = ludowell::LibraryModel::timing();
};

TEST(Journey, PrimaryButtonTakesANewPlayerFromSetupToRunning) {
    testbed::World world;
    world.exportToThisProcess();
    QuickTiming timing;

    Window::Setup setup;
    setup.profiles = ludowell::GameProfile::load(world.bundle / "Contents/Resources");
    setup.dataRoot = world.dataRoot();
    setup.executable = world.executable;
    setup.bundle = world.bundle;
    Window w(setup);
    ludowell::LibraryModel& model = w.model();

    auto settledAt = [&](const char* stage, int seconds = 60) {
        return w.waitFor([&] { return !model.busy() && model.stage() == stage; }, seconds * 1000);
    };
    auto stepSucceeds = [&] {
        if (!w.waitFor([&] { return !model.busy(); }, 240000)) return testing::AssertionFailure() << "still busy";
        if (!model.error().isEmpty())
            return testing::AssertionFailure() << model.error().toStdString() << "\n" << model.details().toStdString();
        return testing::AssertionSuccess();
    };
    QQuickItem* primary = w.item("primary-action");

    // Get started: the licence comes first.
    ASSERT_TRUE(settledAt("setup"));
    w.click(primary);
    ASSERT_TRUE(model.showLicense());
    w.screenshot("journey-1-license");
    w.click(w.item("agree"));
    ASSERT_TRUE(model.busy());
    w.screenshot("journey-2-preparing");
    ASSERT_TRUE(stepSucceeds());

    // Sign in: open Steam, then say so.
    ASSERT_TRUE(settledAt("signIn"));
    w.screenshot("journey-3-sign-in");
    w.click(primary);
    ASSERT_TRUE(stepSucceeds());
    w.click(w.item("signed-in"));

    // Install: Steam downloads the game, and the page follows it.
    ASSERT_TRUE(settledAt("install"));
    w.click(primary);
    ASSERT_TRUE(stepSucceeds());
    bool sawDownload = false;
    ASSERT_TRUE(w.waitFor(
        [&] {
            if (model.stage() == "downloading" && !sawDownload) {
                sawDownload = true;
                w.screenshot("journey-4-downloading");
            }
            return model.stage() == "ready";
        },
        120000));
    EXPECT_TRUE(sawDownload);

    // Play: the game opens through Steam and the page shows it running.
    ASSERT_TRUE(settledAt("ready"));
    w.screenshot("journey-5-ready");
    w.click(primary);
    ASSERT_TRUE(stepSucceeds());
    ASSERT_TRUE(model.launching());
    w.settle();
    EXPECT_EQ(primary->property("text").toString(), "Opening your game…");
    EXPECT_FALSE(primary->isEnabled());
    ASSERT_TRUE(settledAt("running", 120));
    ASSERT_TRUE(w.waitFor([&] { return !model.launching(); }, 10000));
    EXPECT_EQ(primary->property("text").toString(), "Open Steam");
    EXPECT_TRUE(primary->isEnabled());
    w.screenshot("journey-6-running");
    EXPECT_TRUE(w.alerts.seen.empty());
}

}  // namespace
