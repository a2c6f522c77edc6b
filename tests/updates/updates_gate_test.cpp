// The update gate against a scripted update service, a real model and the
// testbed: refused checks, a found update waiting for the sessions to end,
// the lease, quitting, aborts and preview mode.
#include <gtest/gtest.h>

#include <thread>

#include "app/preferences.h"
#include "app/update/updates.h"
#include "model/model_harness.h"
#include "support/failure_text.h"
#include "support/live_process.h"
#include "support/temp_dir.h"

using namespace ludowell;
using model_tests::waitFor;

namespace {

constexpr auto kRefusal =
    "Save and close your game and its Steam session before checking for updates. Ludowell will check again later.";
const QString kWaiting = "Update ready. Save and close your game and Steam; Ludowell will then update.";

// Stands in for Sparkle: a check asks the delegate first; a ready update
// asks whether to postpone the relaunch.
struct ScriptedService : UpdateService {
    explicit ScriptedService(UpdateServiceDelegate& delegate) : delegate(delegate) {}
    void startUpdater() override {}
    bool canCheckForUpdates() const override { return true; }
    bool automaticallyChecksForUpdates() const override { return automatic; }
    void setAutomaticallyChecksForUpdates(bool on) override {
        // Reported from another thread, as key-value observation may be.
        automatic = on;
        std::thread([this] { automaticallyChecksForUpdatesChanged(); }).join();
    }
    bool sessionInProgress() const override { return session; }
    void checkForUpdates() override {
        try {
            delegate.mayPerformUpdateCheck();
            ++checks;
        } catch (const UpdateError& refusal) {
            refusals.push_back(refusal.description);
        }
    }
    // True when the gate made the update wait.
    bool offer() {
        session = true;
        AppcastItem item{"", "2.0", "2.0"};
        delegate.didFindValidUpdate(item);
        const bool postponed = delegate.shouldPostponeRelaunch(item, [this] { ++installs; });
        if (!postponed) ++installs;
        return postponed;
    }
    void abort(int code = 2001) {
        session = false;
        UpdateError error("SUSparkleErrorDomain", code, "The network connection was lost.");
        delegate.didAbortWithError(error);
        delegate.didFinishUpdateCycle(error);
    }

    UpdateServiceDelegate& delegate;
    bool automatic = false, session = false;
    int checks = 0, installs = 0;
    std::vector<std::string> refusals;
};

// The catalog as the entry point would hand it over.
const StartupState& startup() {
    static const auto profiles = GameProfile::load(world().bundle / "Contents/Resources");
    static const StartupState state{{}, profiles, profiles.front(), std::nullopt, std::nullopt};
    return state;
}

// A program running from inside a data root, as a game or Steam would.
struct Game : LiveProcess {
    explicit Game(const fs::path& root) : LiveProcess(root / "engine/bin/sleep") {}
};

class Gate : public ::testing::Test {
protected:
    void SetUp() override {
        // Stands in for command mode; runs until told to stop.
        writeFile(child_, "#!/bin/sh\nwhile [ ! -f \"$0.stop\" ]; do sleep 0.05; done\n", true);
        makeGate();
    }
    void TearDown() override { stopChild(); }

    // `poll`: how often a waiting update looks at the sessions.
    void makeGate(std::optional<std::string> preview = std::nullopt, int poll = 50) {
        model_ = std::make_unique<LibraryModel>(LibraryModel::Options{
            .profile = startup().profiles.front(), .preview = preview, .executable = child_, .settingsFile = settings_});
        gate_ = new Updates(model_.get(), [this](UpdateServiceDelegate& delegate) {
            auto made = std::make_unique<ScriptedService>(delegate);
            service_ = made.get();
            return made;
        }, {startup(), poll});
        model_->setUpdates(gate_);
        // The service's first values arrive through the event loop.
        waitFor([&] { return preview || gate_->canCheck(); });
    }

    void stopChild() {
        writeFile(fs::path(child_).concat(".stop"), "");
        waitFor([&] { return !model_->busy(); });
        fs::remove(fs::path(child_).concat(".stop"));
    }

    // True when a check was refused, with the gate's message.
    bool refused() {
        const auto before = service_->refusals.size();
        gate_->check();
        if (service_->refusals.size() == before) return false;
        EXPECT_EQ(service_->refusals.back(), kRefusal);
        return true;
    }

    fs::path root(size_t entry) const { return model_->runtime(startup().profiles.at(entry)).root(); }

    static bool leaseIsFree() { return failureText([] { UpdateLease lease(true); }) == kNoFailure; }

    TempDir dir_;
    QString settings_ = QString::fromStdString((dir_ / "settings.ini").string());
    fs::path child_ = dir_ / "child.sh";
    std::unique_ptr<LibraryModel> model_;
    Updates* gate_ = nullptr;  // owned by the model
    ScriptedService* service_ = nullptr;
};

TEST_F(Gate, RefusesChecksWhileAnySessionRuns) {
    const QString before = gate_->status();
    EXPECT_EQ(before, "Checks securely for new versions of Ludowell.");
    EXPECT_FALSE(refused());
    EXPECT_EQ(service_->checks, 1);

    model_->launch("check");
    ASSERT_TRUE(waitFor([&] { return model_->busy(); }));
    EXPECT_TRUE(refused()) << "while a step runs";
    stopChild();

    writeFile(child_, "#!/bin/sh\nexit 0\n", true);
    model_->launch("play");
    ASSERT_TRUE(waitFor([&] { return model_->launching(); }));
    EXPECT_TRUE(refused()) << "while the game is opening";
    model_->select(model_->profile());
    EXPECT_FALSE(refused());

    {
        Game game(root(0));  // the first entry's default data root
        EXPECT_TRUE(refused()) << root(0);
    }
    // The second entry's data root, chosen by the user.
    Preferences(settings_).setDataRoot(startup().profiles.at(1).id, dir_ / "elsewhere");
    ASSERT_EQ(root(1), dir_ / "elsewhere");
    {
        Game game(dir_ / "elsewhere");
        EXPECT_TRUE(refused());
    }
    EXPECT_FALSE(refused());
    EXPECT_EQ(gate_->status(), before) << "a refusal changes nothing";
}

TEST_F(Gate, WaitsForTheSessionsThenInstallsAndHoldsEveryRunOff) {
    Game game(root(0));
    ASSERT_TRUE(service_->offer());
    EXPECT_TRUE(gate_->waiting());
    EXPECT_EQ(gate_->status(), kWaiting);
    EXPECT_EQ(model_->notice(), kWaiting);
    EXPECT_FALSE(gate_->permitTermination()) << "quitting waits for the game";
    EXPECT_TRUE(leaseIsFree()) << "no lease while only waiting";

    game.end();
    ASSERT_TRUE(waitFor([&] { return service_->installs > 0; }));
    EXPECT_EQ(gate_->status(), "Installing update\u2026");
    EXPECT_TRUE(gate_->installing());
    EXPECT_TRUE(model_->updateInstalling());
    EXPECT_FALSE(gate_->waiting());

    // Until the relaunch nothing starts: not by hand, as the lease held
    // keeps every run out (e2e CommandMode.HeldLocksKeepEveryOtherRunOutAtOnce),
    // nor from the window.
    EXPECT_FALSE(leaseIsFree());
    model_->launch("check");
    EXPECT_FALSE(model_->busy());
    EXPECT_TRUE(gate_->permitTermination());
}

TEST_F(Gate, QuitTakesTheLeaseOnceTheSessionsHaveEnded) {
    makeGate(std::nullopt, 600000);  // only the quit request acts here
    {
        Game game(root(0));
        ASSERT_TRUE(service_->offer());
        EXPECT_FALSE(gate_->permitTermination());
        model_->launch("check");
        ASSERT_TRUE(waitFor([&] { return model_->busy(); }));
    }
    EXPECT_FALSE(gate_->permitTermination()) << "a step still runs";
    stopChild();
    EXPECT_TRUE(leaseIsFree());

    EXPECT_TRUE(gate_->permitTermination());
    EXPECT_TRUE(gate_->installing());
    EXPECT_FALSE(leaseIsFree()) << "held until the process ends";
    EXPECT_EQ(service_->installs, 0) << "the service installs as the app quits";
}

TEST_F(Gate, AnAbortReleasesEverything) {
    {
        Game game(root(0));
        ASSERT_TRUE(service_->offer());
        service_->abort();
    }
    EXPECT_EQ(gate_->status(), "Couldn't check for updates. Please try again later.");
    EXPECT_FALSE(gate_->waiting());
    waitFor([] { return false; }, 0.2);  // several polls' time
    EXPECT_EQ(service_->installs, 0) << "the poll stopped with the abort";

    // Idle, so it installs at once; an abort then gives the lease back.
    EXPECT_FALSE(service_->offer());
    EXPECT_FALSE(leaseIsFree());
    service_->abort();
    EXPECT_FALSE(gate_->installing());
    EXPECT_FALSE(model_->updateInstalling());
    EXPECT_TRUE(leaseIsFree());
    EXPECT_TRUE(gate_->permitTermination());
}

// Sparkle's own orders: nothing found ends in its no-update abort; a
// silent download is left to install on quit, and the cycle ends.
TEST_F(Gate, FollowsTheFrameworksOwnCallOrders) {
    UpdateServiceDelegate& delegate = service_->delegate;
    delegate.didNotFindUpdate();
    service_->abort(1001);
    EXPECT_EQ(gate_->status(), "You're using the latest version of Ludowell.");

    const AppcastItem item{"", "2.0", "2.0"};
    delegate.didFindValidUpdate(item);
    EXPECT_FALSE(delegate.willInstallUpdateOnQuit(item, [&] { ++service_->installs; }));
    delegate.didFinishUpdateCycle(std::nullopt);
    {
        Game game(root(0));
        EXPECT_FALSE(gate_->permitTermination()) << "quitting would install under the game";
    }
    EXPECT_TRUE(gate_->permitTermination());
    EXPECT_FALSE(leaseIsFree()) << "held while the service installs on quit";
    EXPECT_EQ(service_->installs, 0);
}

TEST_F(Gate, PreviewChecksNothingAndAlwaysLetsTheAppQuit) {
    // Normally the service's setting flows back through the event loop.
    gate_->setAutomatic(true);
    EXPECT_FALSE(gate_->automatic());
    EXPECT_TRUE(waitFor([&] { return gate_->automatic() && gate_->canCheck(); }));

    service_ = nullptr;
    makeGate("ready");
    EXPECT_EQ(service_, nullptr) << "no update service in preview";
    gate_->check();
    gate_->setAutomatic(true);
    waitFor([] { return false; }, 0.05);
    EXPECT_FALSE(gate_->automatic());
    EXPECT_FALSE(gate_->canCheck());
    Game game(root(0));
    EXPECT_TRUE(gate_->permitTermination());
    EXPECT_TRUE(leaseIsFree());
}

}  // namespace
