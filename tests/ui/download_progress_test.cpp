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

struct DownloadWindow {
    explicit DownloadWindow(testbed::World::Options options) : world(options), w(uitest::windowOver(world)) {}
    ~DownloadWindow() { w.reset(); }

    ludowell::LibraryModel& model() { return w->model(); }
    void stop() {
        w->alerts.answer = 1;  // "Stop step"
        w->click(w->item("stop-step"));
        ASSERT_FALSE(w->alerts.seen.empty());
        EXPECT_EQ(w->alerts.asked.back(), (QStringList{"Stop this step?", "Keep working", "Stop step"}));
        ASSERT_TRUE(w->waitFor([&] { return !model().busy(); }, 20000));
        EXPECT_EQ(model().error(), "");
        EXPECT_EQ(model().notice(),
                  "The step was stopped. Everything it finished is kept, so the next attempt picks up from there.");
        EXPECT_TRUE(model().details().trimmed().endsWith(QStringLiteral("ERROR: ") + ludowell::kStoppedText))
            << model().details().toStdString();
    }

    testbed::World world;
    std::unique_ptr<Window> w;
};

}  // namespace

TEST(DownloadProgress, ASilentServerIsCalledOutAfterFifteenSecondsAndTheStepStops) {
    DownloadWindow d({.stall = true});
    Window& w = *d.w;
    w.click(w.item("primary-action"));
    ASSERT_TRUE(w.waitFor([&] { return d.model().transferShown(); }, 20000));
    EXPECT_EQ(d.model().transferProblem(), "");
    ASSERT_TRUE(w.waitFor([&] { return !d.model().transferProblem().isEmpty(); }, 25000));
    EXPECT_TRUE(w.shows("No data received for 15 s. Check your connection."));
    w.screenshot("library-download-stalled");
    d.stop();
    EXPECT_FALSE(fs::exists(d.world.dataRoot() / "runtime-ready"));
}

TEST(DownloadProgress, AThrottledDownloadShowsGrowingAmountsAndStopsCleanlyAtEachStage) {
    DownloadWindow d({.throttleBytesPerSecond = 64 * 1024, .largePackage = true});
    Window& w = *d.w;
    const fs::path root = d.world.dataRoot();

    w.click(w.item("primary-action"));
    ASSERT_TRUE(w.waitFor([&] { return d.model().transferShown() && d.model().transferFraction() > 0.05; }, 30000));
    EXPECT_EQ(d.model().activity(), "Downloading game components…");
    const double first = d.model().transferFraction();
    ASSERT_TRUE(w.waitFor([&] { return d.model().transferFraction() > first + 0.1; }, 10000));
    // "123 KB of 394 KB · 49 KB/s", on the page under the card.
    const QString text = d.model().transferText();
    EXPECT_TRUE(QRegularExpression("^\\d+ KB of \\d+ KB · \\d+ KB/s$").match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(w.shows(text));
    EXPECT_TRUE(Window::shown(w.item("transfer-bar")));
    EXPECT_TRUE(Window::shown(w.item("stop-step")));
    w.screenshot("library-download-progress");
    d.stop();
    EXPECT_FALSE(fs::exists(root / "downloads/Template-1.0.15.tar.xz"));  // only ever a whole, verified file
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));

    // The next stage hides the transfer; stopping there too leaves a data
    // root that the next run completes.
    w.click(w.item("primary-action"));
    ASSERT_TRUE(w.waitFor([&] { return d.model().activity() == "Preparing your Mac for play…"; }, 60000));
    EXPECT_FALSE(d.model().transferShown());
    d.stop();
    EXPECT_FALSE(fs::exists(root / "runtime-ready"));
    EXPECT_TRUE(fs::exists(root / "license-accepted"));

    const auto again = d.world.ludowell({"--command", "setup", "--data-root", root.string()}, 240);
    EXPECT_EQ(again.status, 0) << again.output;
    EXPECT_TRUE(fs::exists(root / "runtime-ready"));
}
