// A whole journey through the window's primary button, with the built app
// as the child and the testbed's Steam client behind it.
#include <QSet>

#include <regex>

#include <gtest/gtest.h>

#include "model_harness.h"
#include "core/files.h"

using namespace model_tests;

namespace {

TEST(Journey, FromSetupToPlayingAndBack) {
    auto& testbed = world();
    Sandbox box;
    auto options = box.options(testbed.executable);
    const fs::path root = testbed.dataRoot("model-journey");
    options.overrideRoot = root;
    for (auto& profile : ludowell::GameProfile::load(testbed.bundle / "Contents/Resources"))
        if (profile.id == "aoe4") options.profile = profile;
    ScriptedAlerts alerts;
    alerts.replies = {0, 1};  // stop: first "Cancel" (the default), then "Close session"
    auto model = settledModel(options);
    model->setAlerts(&alerts);

    QSet<QString> activities;
    std::vector<double> fractions;
    QObject::connect(model.get(), &LibraryModel::activityChanged, [&] { activities.insert(model->activity()); });
    QObject::connect(model.get(), &LibraryModel::snapshotChanged, [&] {
        if (model->snapshot().stage == GameStage::downloading) fractions.push_back(model->download());
    });
    auto step = [&] {
        bool done = finished(*model);
        EXPECT_TRUE(model->error().isEmpty()) << model->details().toStdString();
        return done;
    };
    auto reach = [&](GameStage stage) { return waitFor([&] { return model->snapshot().stage == stage; }, 60); };

    // Setup asks for consent first.
    ASSERT_EQ(model->primaryTitle(), "Get started");
    model->primary();
    EXPECT_TRUE(model->showLicense());
    EXPECT_FALSE(model->busy());
    model->agree();
    EXPECT_FALSE(model->showLicense());
    EXPECT_EQ(model->primaryTitle(), "Preparing Steam…");
    const auto consent = ludowell::readFile(root / "license-accepted").value_or("");
    EXPECT_TRUE(std::regex_match(consent, std::regex(R"(Accepted locally: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d \+0000\n)")))
        << consent;
    ASSERT_TRUE(step());
    EXPECT_EQ(model->notice(),
              "Steam is opening in a separate window. The first launch may take a few minutes while Steam updates.");
    for (const char* expected : {"Downloading game components…", "Preparing your Mac for play…", "Installing Steam…"})
        EXPECT_TRUE(activities.contains(expected)) << expected;
    ASSERT_TRUE(reach(GameStage::signIn));

    model->primary();  // opens Steam to sign in
    ASSERT_TRUE(step());
    model->confirmSignIn();
    ASSERT_TRUE(reach(GameStage::install));

    model->primary();
    ASSERT_TRUE(step());
    EXPECT_EQ(model->notice(),
              "In Steam, confirm Install and keep the suggested folder. You can return here while the download "
              "finishes.");
    ASSERT_TRUE(reach(GameStage::ready));
    ASSERT_FALSE(fractions.empty()) << "the download was never seen in progress";
    for (double fraction : fractions) EXPECT_TRUE(fraction >= 0 && fraction <= 1) << fraction;

    model->primary();
    EXPECT_EQ(model->activity(), "Checking your game…");
    ASSERT_TRUE(step());
    EXPECT_EQ(model->notice(), "Your game is opening through Steam. If Steam asks for confirmation, choose Play.");
    EXPECT_TRUE(model->launching());
    EXPECT_EQ(model->primaryTitle(), "Opening your game…");
    ASSERT_TRUE(waitFor([&] { return !model->launching(); }));
    ASSERT_TRUE(reach(GameStage::running));
    EXPECT_EQ(model->status(), "Running");

    model->stop();
    EXPECT_FALSE(model->busy());
    model->stop();
    EXPECT_EQ(alerts.asked.at(1), (QStringList{"Close this game's Steam session?", "Cancel", "Close session"}));
    ASSERT_TRUE(step());
    EXPECT_EQ(model->notice(), "This game's Steam session has closed.");
    EXPECT_TRUE(reach(GameStage::ready));
}

}  // namespace
