// The model's state without a real child: design previews, the earlier
// launcher's setup and the data root choice, switching games. A licence
// agreement that cannot be saved is the licence sheet's test (ui).
#include <QSettings>

#include <regex>

#include <gtest/gtest.h>

#include "core/files.h"
#include "model_harness.h"

using namespace model_tests;

namespace {

TEST(Preview, ShowsAFixedStageAndStartsNothing) {
    Sandbox box;
    const auto child = box.script("child", "");
    auto preview = [&](const std::string& value) {
        auto options = box.options(child);
        options.preview = value;
        return std::make_unique<LibraryModel>(options);
    };
    // The stages themselves are the library page's test (ui).
    EXPECT_EQ(preview("error")->error(), "Steam couldn't connect. Check your internet connection, then try again.");
    EXPECT_EQ(preview("Ready")->snapshot(), ludowell::LibrarySnapshot{});

    auto model = preview("signIn");
    model->primary();
    model->confirmSignIn();
    model->agree();  // writes the marker, then starts nothing
    const auto consent = ludowell::readFile(box.path("data/license-accepted")).value_or("");
    EXPECT_TRUE(std::regex_match(consent, std::regex(R"(Accepted locally: \d{4}-\d\d-\d\d \d\d:\d\d:\d\d \+0000\n)")))
        << consent;
    waitFor([] { return false; }, 0.4);
    EXPECT_EQ(model->snapshot().stage, GameStage::install) << "a preview is never inspected";
    EXPECT_TRUE(box.arguments(child).empty());
}

TEST(Legacy, OfferedOnlyWhenEveryConditionHoldsAndReusedOnConfirmation) {
    world();  // HOME, where the earlier launcher lives
    const fs::path legacy = LibraryModel::legacyRoot();
    writeFile(legacy / "runtime-ready");
    Sandbox box;
    auto offered = [&](const LibraryModel::Options& options) { return settledModel(options)->legacyAvailable(); };
    auto options = box.options();
    auto otherGame = options;
    otherGame.profile.id = "other";
    EXPECT_FALSE(offered(otherGame));
    auto itself = options;
    itself.overrideRoot = legacy / "";
    EXPECT_FALSE(offered(itself));
    writeFile(box.path("data/runtime-ready"));
    EXPECT_FALSE(offered(options));

    options.overrideRoot.reset();  // the default data root
    auto model = settledModel(options);
    ASSERT_TRUE(model->legacyAvailable());
    ScriptedAlerts alerts;
    alerts.replies = {0};
    model->setAlerts(&alerts);
    model->reuseLegacy();
    EXPECT_EQ(alerts.asked.at(0), (QStringList{"Use your existing Steam setup?", "Use existing setup", "Cancel"}));
    EXPECT_EQ(QSettings(box.settingsFile(), QSettings::IniFormat).value("dataRoot-aoe4").toString().toStdString(),
              legacy.string());
    EXPECT_EQ(model->runtime().root(), legacy);
    EXPECT_TRUE(waitFor([&] { return !model->legacyAvailable(); }));
    EXPECT_EQ(settledModel(box.options())->runtime().root(), box.path("data")) << "--data-root wins";

    fs::remove(legacy / "runtime-ready");
    EXPECT_FALSE(offered(options));
}

TEST(Switching, ResultForTheEarlierGameIsDropped) {
    Sandbox box;
    ludowell::Preferences preferences(box.settingsFile());
    for (const char* id : {"aoe4", "other"}) {
        const ludowell::Runtime runtime(box.path(id));
        writeFile(runtime.marker("runtime-ready"));
        writeFile(runtime.steam());
        preferences.setDataRoot(id, runtime.root());
    }
    writeFile(box.path("aoe4/steam-sign-in-confirmed"));  // "install"; the other reads "signIn"
    auto options = box.options();
    options.overrideRoot.reset();
    LibraryModel model(options);
    std::vector<GameStage> seen;
    QObject::connect(&model, &LibraryModel::snapshotChanged, [&] { seen.push_back(model.snapshot().stage); });
    ASSERT_TRUE(model.refreshInFlight());

    auto other = model.profile();
    other.id = "other";
    model.select(other);
    ASSERT_TRUE(waitFor([&] { return model.snapshot().stage == GameStage::signIn; }));
    EXPECT_EQ(seen, std::vector<GameStage>{GameStage::signIn}) << "the first game's stage was shown";
}

}  // namespace
