// A long step as the user sees it: the pinned download's amount, bar and
// rate from a throttled server, the stall line from a silent one, and Stop,
// after which the data root is one the next run completes.
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "runtime/stop_request.h"
#include "testbed_world.h"
#include "ui_harness.h"

namespace {

namespace fs = std::filesystem;
using uitest::Window;

// Stops the running step after its question, and finds the stop told as such.
void expectStopped(Window& w) {
    ASSERT_TRUE(uitest::stopStep(w));
    ASSERT_FALSE(w.alerts.seen.empty());
    EXPECT_EQ(w.alerts.asked.back(), (QStringList{"Stop this step?", "Keep working", "Stop step"}));
    EXPECT_EQ(w.model().error(), "");
    EXPECT_EQ(w.model().notice(),
              "The step was stopped. Everything it finished is kept, so the next attempt picks up from there.");
    EXPECT_TRUE(w.model().details().trimmed().endsWith(QStringLiteral("ERROR: ") + ludowell::kStoppedText))
        << w.model().details().toStdString();
}

}  // namespace

TEST(DownloadProgress, ASilentServerIsCalledOutAfterFifteenSecondsAndTheStepStops) {
    testbed::World world({.stall = true});
    const auto shown = uitest::downloading(world, [](Window& w) { return w.model().transferShown(); });
    Window& w = *shown;
    EXPECT_EQ(w.model().transferProblem(), "");
    ASSERT_TRUE(w.waitFor([&] { return !w.model().transferProblem().isEmpty(); }, 25000));
    EXPECT_TRUE(w.shows("No data received for 15 s. Check your connection."));
    w.screenshot("library-download-stalled");
    expectStopped(w);
    EXPECT_FALSE(fs::exists(world.dataRoot() / "runtime-ready"));
}

TEST(DownloadProgress, AThrottledDownloadShowsGrowingAmountsAndStopsCleanlyAtEachStage) {
    testbed::World world({.throttleBytesPerSecond = 64 * 1024, .largePackage = true});
    const fs::path root = world.dataRoot();
    const auto shown = uitest::downloading(world);
    Window& w = *shown;
    ludowell::LibraryModel& model = w.model();
    EXPECT_EQ(model.activity(), "Downloading game components…");
    const double first = model.transferFraction();
    ASSERT_TRUE(w.waitFor([&] { return model.transferFraction() > first + 0.1; }, 10000));
    // "123 KB of 394 KB · 49 KB/s", on the page under the card.
    const QString text = model.transferText();
    EXPECT_TRUE(QRegularExpression("^\\d+ KB of \\d+ KB · \\d+ KB/s$").match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(w.shows(text));
    EXPECT_TRUE(Window::shown(w.item("transfer-bar")));
    EXPECT_TRUE(Window::shown(w.item("stop-step")));
    w.screenshot("library-download-progress");
    expectStopped(w);
    EXPECT_FALSE(fs::exists(root / "downloads/Template-1.0.15.tar.xz"));  // only ever a whole, verified file
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));

    // The next stage hides the transfer; stopping there too leaves a data
    // root that the next run completes.
    w.click(w.item("primary-action"));
    ASSERT_TRUE(w.waitFor([&] { return model.activity() == "Preparing your Mac for play…"; }, 60000));
    EXPECT_FALSE(model.transferShown());
    expectStopped(w);
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));
    EXPECT_TRUE(fs::exists(root / "license-accepted"));

    const auto again = world.ludowell({"--command", "setup", "--data-root", root.string()}, 240);
    EXPECT_EQ(again.status, 0) << again.output;
    EXPECT_TRUE(fs::exists(root / "runtime-ready"));
}
