// Command runs against stand-in children: the argument list, the merged
// output and its chunks, activity phrases, outcomes, one run at a time.
#include <signal.h>

#include <gtest/gtest.h>

#include "app/model/command_session.h"
#include "core/files.h"
#include "model_harness.h"

using namespace model_tests;

namespace {

const QString kAnotherRun = "Another setup or launch is in progress. Let it finish, then try again.";
const QString kFallback =
    "We couldn't finish that step. Check your internet connection and try again. Your completed downloads are kept.";

TEST(FriendlyError, FirstMatchingRowInTableOrder) {
    // The host check's macOS failure also says "not been validated".
    EXPECT_EQ(LibraryModel::friendlyError(
                  "ERROR: This build requires macOS 26 or later. Earlier macOS versions have not been validated."),
              "This version needs macOS 26 or later. Update macOS in System Settings, then try again.");
    EXPECT_EQ(LibraryModel::friendlyError(
                  "ERROR: Another setup or launch is already in progress. Please wait for it to finish."),
              kAnotherRun);
    EXPECT_EQ(LibraryModel::friendlyError("held by another run"), kAnotherRun);
    EXPECT_EQ(LibraryModel::friendlyError("Another thing failed"), kFallback);  // case-sensitive
    EXPECT_TRUE(LibraryModel::friendlyError("ERROR: The data folder's path is too long for …").startsWith("This data folder"));
    EXPECT_EQ(LibraryModel::friendlyError("Save and close; the file differs from its pin"),
              "A download has changed since this app was released. Please get an updated Ludowell app.");
}

TEST(Utf8Stream, HoldsACharacterCutByThePipe) {
    ludowell::Utf8Stream stream;
    const std::string ellipsis = "\u2026";
    EXPECT_EQ(stream.decode("Preparing" + ellipsis.substr(0, 2)), "Preparing");
    EXPECT_EQ(stream.decode(ellipsis.substr(2) + "\xff!"), QString::fromUtf8("\u2026\ufffd!"));
    EXPECT_EQ(stream.decode(ellipsis.substr(0, 1)), "");
    EXPECT_EQ(stream.finish(), QString::fromUtf8("\ufffd"));
}

TEST(CommandRuns, ArgumentsCarryTheOverlayChosenWhenTheRunStarted) {
    Sandbox box;
    const auto child = box.script("child", "");
    const std::string root = box.path("data").string();
    {
        auto model = settledModel(box.options(child));
        model->setHud(true);
        model->launch("check");
        model->setHud(false);  // too late for the running child
        ASSERT_TRUE(finished(*model));
        EXPECT_EQ(model->notice(), "This Mac passed the compatibility checks.");
        EXPECT_EQ(box.arguments(child), (std::vector<std::string>{"--command", "check", "--game", "aoe4",
                                                                   "--data-root", root, "--hud"}));
        model->setHud(true);
    }
    // The preference outlives the model; switched off, no flag is passed.
    auto model = settledModel(box.options(child));
    EXPECT_TRUE(model->hud());
    model->setHud(false);
    model->launch("steam");
    ASSERT_TRUE(finished(*model));
    EXPECT_EQ(box.arguments(child).size(), 13u);
    EXPECT_EQ(box.arguments(child).back(), root);
}

TEST(CommandRuns, ManyFastChunksArriveWholeAndInOrder) {
    Sandbox box;
    auto model = settledModel(box.options(box.script("child", "seq 1 200000; seq 1 5 >&2")));
    int updates = 0;
    QObject::connect(model.get(), &LibraryModel::detailsChanged, [&] { ++updates; });
    model->launch("check");
    ASSERT_TRUE(finished(*model));
    QString expected;
    for (int i = 1; i <= 200005; ++i) expected += QString::number(i > 200000 ? i - 200000 : i) + '\n';
    EXPECT_EQ(model->details(), expected);
    EXPECT_GT(updates, 2) << "the output should arrive in several chunks";
}

TEST(CommandRuns, ActivityFollowsWholePhrasesInEachChunk) {
    Sandbox box;
    // Each piece is written once the test has seen the one before it, so
    // every piece arrives as a chunk of its own.
    const auto child = box.script("child",
        "printf 'Downloading the val'; step 1; printf 'idated package\\n'; step 2\n"
        "printf 'Nothing to see\\n'; step 3\n"
        "printf 'Checking the installed game; Downloading the validated package\\n'; step 4\n"
        "printf 'Preparing a fresh Windows environment\\n'; step 5\n"
        "echo 'ERROR: Another setup or launch is already in progress. Please wait for it to finish.' >&2\n"
        "exit 1");
    auto model = settledModel(box.options(child));
    model->setNotice("left over");
    std::vector<QString> seen;
    QObject::connect(model.get(), &LibraryModel::activityChanged, [&] { seen.push_back(model->activity()); });
    model->launch("steam");
    EXPECT_EQ(model->primaryTitle(), "Opening Steam…");
    EXPECT_TRUE(model->notice().isEmpty());
    for (const char* step : {"1", "2", "3", "4", "5"}) {
        const auto before = model->details().size();
        ASSERT_TRUE(waitFor([&] { return model->details().size() > before || !model->busy(); })) << step;
        box.release(child, step);
    }
    ASSERT_TRUE(finished(*model));
    EXPECT_EQ(seen, (std::vector<QString>{"Opening Steam…", "Downloading game components…",
                                          "Preparing your Mac for play…", ""}));
    EXPECT_EQ(model->error(), kAnotherRun);
    EXPECT_TRUE(model->details().startsWith("Downloading the validated package\nNothing to see\n"));
    EXPECT_TRUE(model->details().endsWith("Please wait for it to finish.\n"));
    // The sheet shows the reason first, then the whole output.
    EXPECT_EQ(model->localDetails(), "ERROR: Another setup or launch is already in progress. Please wait for it to "
                                     "finish.\n\n" + model->details());
}

TEST(CommandRuns, PrimaryRunsTheStagesStepAndSaysWhatComesNext) {
    Sandbox box;
    const auto child = box.script("child", "");
    auto options = box.options(child);
    options.timing.launchingMilliseconds = 100;
    auto model = settledModel(options);
    const ludowell::Runtime runtime = model->runtime();
    const fs::path manifest =
        runtime.steam().parent_path() / ("steamapps/appmanifest_" + model->profile().steamID + ".acf");
    writeFile(runtime.marker("runtime-ready"), "runtime-v1\n");
    writeFile(runtime.steam());

    // The app manifest Steam writes, the stage it makes (with the sign-in
    // confirmed from install on, and the game there when ready), the command
    // and notice of Primary there.
    const QString opening =
        "Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.";
    const std::vector<std::tuple<const char*, GameStage, const char*, QString>> rows = {
        {"", GameStage::signIn, "steam", opening},
        {"", GameStage::install, "install",
         "In Steam, confirm Install and keep the suggested folder. You can return here while the download finishes."},
        {"\"StateFlags\" \"1026\" \"BytesDownloaded\" \"25\" \"BytesToDownload\" \"100\"", GameStage::downloading,
         "steam", opening},
        {"\"StateFlags\" \"4\"", GameStage::ready, "play",
         "Your game is opening through Steam. If Steam asks for confirmation, choose Play."},
    };
    size_t runs = 0;
    for (const auto& [acf, stage, command, notice] : rows) {
        writeFile(manifest, acf);
        if (stage == GameStage::install) writeFile(runtime.marker("steam-sign-in-confirmed"));
        if (stage == GameStage::ready) writeFile(runtime.game());
        ASSERT_TRUE(waitFor([&, stage = stage] { return model->snapshot().stage == stage; })) << command;
        EXPECT_EQ(model->download(), stage == GameStage::downloading ? 0.25 : -1);
        model->primary();
        ASSERT_TRUE(finished(*model));
        EXPECT_EQ(box.arguments(child).at(6 * runs++ + 1), command);
        EXPECT_EQ(model->notice(), notice);
    }
    // The game takes a moment to appear; the button says so meanwhile.
    EXPECT_TRUE(model->launching());
    EXPECT_EQ(model->primaryTitle(), "Opening your game…");
    EXPECT_TRUE(waitFor([&] { return !model->launching(); }));
    EXPECT_EQ(model->primaryTitle(), "Play now");

    // Closing the session asks first (its default, Cancel, is the window's
    // test: ui Pages.SteamControlsBusyStepAndItsDiagnostics).
    ScriptedAlerts alerts;
    alerts.replies = {1};
    model->setAlerts(&alerts);
    model->stop();
    ASSERT_TRUE(finished(*model));
    EXPECT_EQ(box.arguments(child).at(6 * runs + 1), "stop");
    EXPECT_EQ(model->notice(), "This game's Steam session has closed.");
}

TEST(CommandRuns, AChildThatCannotStartFails) {
    Sandbox box;
    auto model = settledModel(box.options(box.path("missing")));
    bool started = false;
    model->launch("setup");
    ASSERT_TRUE(waitFor([&] {
        started |= model->child().has_value();
        return !model->busy();
    }));
    EXPECT_FALSE(started);
    // Never the network's fault: the app itself went from under the window.
    EXPECT_EQ(model->error(), "Ludowell was updated or moved while this window was open. Quit and reopen Ludowell, "
                              "then try again.");
    EXPECT_TRUE(model->details().contains("missing")) << model->details().toStdString();
}

TEST(CommandRuns, OneRunAtATimeAndNoInspectionWhileItRuns) {
    Sandbox box;
    const auto child = box.script("child", "step done");
    auto options = box.options(child);
    options.timing.refreshMilliseconds = 20;
    auto model = settledModel(options);
    model->setUpdateInstalling(true);
    model->launch("check");
    EXPECT_FALSE(model->busy());
    model->setUpdateInstalling(false);

    model->launch("check");
    ASSERT_TRUE(model->busy());
    // The data root now reads as signed in, but nobody may look yet.
    const ludowell::Runtime runtime = model->runtime();
    writeFile(runtime.marker("runtime-ready"), "runtime-v1\n");
    writeFile(runtime.steam());
    model->launch("play");
    model->refresh();
    EXPECT_FALSE(model->refreshInFlight());
    waitFor([] { return false; }, 0.1);  // timer ticks pass
    EXPECT_EQ(model->snapshot().stage, GameStage::setup);
    box.release(child, "done");

    ASSERT_TRUE(finished(*model));
    EXPECT_TRUE(waitFor([&] { return model->snapshot().stage == GameStage::signIn; }));
    EXPECT_EQ(box.arguments(child).size(), 6u) << "only the first check ran";
}

// The window going away mid-step stops the step as Stop does; a child that
// will not stop is not waited for without end.
TEST(CommandRuns, AModelThatGoesStopsItsStepWithoutWaitingForEver) {
    Sandbox box;
    for (const bool stubborn : {false, true}) {
        SCOPED_TRACE(stubborn ? "ignores SIGTERM" : "stops");
        const auto child = box.script(stubborn ? "stubborn" : "polite",
                                      std::string(stubborn ? "trap '' TERM\n" : "") + "echo $$ > \"$0.pid\"\nstep never");
        auto model = settledModel(box.options(child));
        model->launch("check");
        ASSERT_TRUE(waitFor([&] { return fs::exists(child.string() + ".pid"); }));
        const pid_t pid = std::stoi(ludowell::readFile(child.string() + ".pid").value_or("0"));
        model.reset();
        EXPECT_NE(::kill(pid, 0), 0) << "the child outlived the window";
    }
}

}  // namespace
