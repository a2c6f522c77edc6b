// The window's own part of a journey, with the built app as the child and
// the testbed's Steam client behind it: consent, the activities the real
// output shows, signing in and closing the session. Installing and playing
// through command mode is the end-to-end journey's; what the model does for
// those stages is in the command runs.
#include <QSet>

#include <regex>

#include <gtest/gtest.h>

#include "model_harness.h"
#include "core/files.h"

using namespace model_tests;

namespace {

TEST(Journey, FromConsentThroughSetupAndSignInToClosingSteam) {
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
    QObject::connect(model.get(), &LibraryModel::activityChanged, [&] { activities.insert(model->activity()); });
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

    model->stop();
    EXPECT_FALSE(model->busy());
    model->stop();
    EXPECT_EQ(alerts.asked.at(1), (QStringList{"Close this game's Steam session?", "Cancel", "Close session"}));
    ASSERT_TRUE(step());
    EXPECT_EQ(model->notice(), "This game's Steam session has closed.");
    EXPECT_EQ(model->snapshot().stage, GameStage::install);
}

}  // namespace
