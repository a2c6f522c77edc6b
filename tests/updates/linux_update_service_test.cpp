// Our own update service against a local HTTPS server: what the feed
// offers, downloads that must be refused, and replacing the bundle.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSettings>

#include <gtest/gtest.h>

#include "app/update/appcast.h"
#include "app/update/linux_update_service.h"
#include "core/files.h"
#include "support/event_loop.h"
#include "support/files.h"
#include "support/https_server.h"
#include "support/info_plist.h"
#include "support/temp_dir.h"
#include "support/update_feed.h"

using namespace ludowell;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// The service's delegate and its dialogs, answering as told.
struct Script : UpdateServiceDelegate, UpdateUserDriver {
    std::optional<std::string> refuse;
    bool postpone = false, accept = true;
    int notFound = 0, finished = 0, offered = 0, upToDate = 0;
    std::optional<AppcastItem> found;
    std::optional<UpdateError> aborted;
    std::function<void()> install;
    std::vector<std::string> errors;

    void mayPerformUpdateCheck() override {
        if (refuse) throw UpdateError("Ludowell.Updates", 1, *refuse);
    }
    void didFindValidUpdate(const AppcastItem& item) override { found = item; }
    void didNotFindUpdate() override { ++notFound; }
    void didAbortWithError(const UpdateError& error) override { aborted = error; }
    void didFinishUpdateCycle(const std::optional<UpdateError>&) override { ++finished; }
    bool shouldPostponeRelaunch(const AppcastItem&, std::function<void()> handler) override {
        install = std::move(handler);
        return postpone;
    }
    bool willInstallUpdateOnQuit(const AppcastItem&, std::function<void()>) override { return false; }
    bool mayInstallOnQuit() const override { return false; }
    void showUpdateFound(const AppcastItem&, std::function<void(bool)> reply) override { ++offered, reply(accept); }
    void showUpToDate() override { ++upToDate; }
    void showUpdateError(const std::string& message) override { errors.push_back(message); }
};

class LinuxService : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();
        ::setenv("CURL_CA_BUNDLE", server_.certificate().c_str(), 1);
        makeBundle(bundle_, "old");
        configure(true);
    }

    void configure(bool automatic, const std::string& feed = "") {
        writeFile(bundle_ / "Contents/Info.plist",
                  infoPlist(feed.empty() ? server_.url("appcast.xml") : feed, key_.publicKey(), "1.0", automatic));
    }

    // Its executable records how it was started.
    void makeBundle(const fs::path& bundle, const std::string& name) {
        writeFile(bundle / "Contents/MacOS/ludowell", "#!/bin/sh\necho \"" + name + " $*\" > " + marker_.string(), true);
        writeFile(bundle / "Contents/Resources/version.txt", name);
    }
    std::string installedVersion() const {
        return readFile(bundle_ / "Contents/Resources/version.txt").value_or("");
    }

    std::unique_ptr<LinuxUpdateService> service() {
        LinuxUpdateService::Options options{bundle_, bundle_ / "Contents/MacOS/ludowell", dir_ / "cache",
                                            {"--after-update"}, [this] { ++terminated_; }, &script_};
        return std::make_unique<LinuxUpdateService>(script_, options);
    }

    // A new bundle that says it is `holds` (the version itself when empty),
    // packed as `appName` and served.
    FeedItem release(const std::string& version, const std::string& appName = "Ludowell.app",
                     const std::string& holds = "") {
        makeBundle(dir_ / version / appName, "new");
        writeFile(dir_ / version / appName / "Contents/Info.plist",
                  infoPlist(server_.url("appcast.xml"), key_.publicKey(), holds.empty() ? version : holds, true));
        return pack(version, appName);
    }
    // What is in dir_/<version>/<appName>, packed and served as that version.
    FeedItem pack(const std::string& version, const std::string& appName) {
        const auto archive = www_ / (version + ".tar.xz");
        const auto pack = "tar -cJf " + archive.string() + " -C " + (dir_ / version).string() + " " + appName;
        EXPECT_EQ(std::system(pack.c_str()), 0);
        return {version, server_.url(version + ".tar.xz"), key_.sign(archive), (long long)fs::file_size(archive)};
    }

    void publish(const std::vector<FeedItem>& items) { writeFile(www_ / "appcast.xml", appcastFeed(items)); }

    // Until the cycle ends or waits for its go-ahead; `meanwhile` runs on each look.
    void checkAndWait(LinuxUpdateService& service, const std::function<void()>& meanwhile = [] {}) {
        script_.finished = 0;
        script_.aborted.reset();
        service.checkForUpdates();
        ASSERT_TRUE(eventuallyInEventLoop([&] { return meanwhile(), script_.finished > 0 || script_.install; }, 30s));
    }

    // Nothing of an update is left beside the bundle or in the cache.
    void expectNoLeftovers() {
        EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(bundle_.parent_path()), {}), std::vector{bundle_});
        EXPECT_TRUE(!fs::exists(dir_ / "cache") || fs::is_empty(dir_ / "cache"));
    }

    TempDir dir_, www_;
    SigningKey key_;
    HttpsServer server_{www_.path()};
    fs::path bundle_ = dir_ / "Applications/Ludowell.app";
    fs::path marker_ = dir_ / "started";
    Script script_;
    int terminated_ = 0;
};

TEST_F(LinuxService, ReportsWhatTheFeedOffers) {
    auto newest = release("1.10");
    newest.shortVersion = "1.10 Preview";
    publish({release("0.9"), newest, release("1.9")});
    script_.accept = false;  // the user closes the offer
    auto updater = service();
    checkAndWait(*updater);
    ASSERT_TRUE(script_.found);
    EXPECT_EQ(script_.found->displayVersionString, "1.10 Preview");
    EXPECT_EQ(script_.offered, 1);
    EXPECT_FALSE(script_.aborted);
    EXPECT_TRUE(updater->canCheckForUpdates());

    publish({release("1.0"), release("0.9")});
    checkAndWait(*updater);
    EXPECT_EQ(script_.notFound, 1);
    EXPECT_EQ(script_.upToDate, 1);

    for (const auto& [feed, code] : {std::pair{"<rss><channel><item>", appcast::feedInvalid},
                                     std::pair{"{\"json\": 1}", appcast::feedInvalid},
                                     std::pair{"", appcast::feedUnreachable}}) {
        SCOPED_TRACE(feed);
        if (*feed) writeFile(www_ / "appcast.xml", feed);
        else fs::remove(www_ / "appcast.xml");
        checkAndWait(*updater);
        ASSERT_TRUE(script_.aborted);
        EXPECT_EQ(script_.aborted->code, code) << script_.aborted->description;
        EXPECT_EQ(script_.errors.back(), script_.aborted->description);
        // A cut-off feed says why in one sentence.
        if (std::string(feed).starts_with("<rss>")) {
            EXPECT_TRUE(script_.aborted->description.starts_with("The update feed could not be read: "));
            EXPECT_TRUE(script_.aborted->description.ends_with(".") && !script_.aborted->description.ends_with(".."));
        }
    }
}

// Also from a hostile server whose bodies never end: the feed and the
// archive are read no further than they can hold.
TEST_F(LinuxService, RefusesWhatDoesNotMatchTheFeedAndKeepsTheOldBundle) {
    HttpsServer endless{www_.path(), server_.certificate().parent_path(), true};
    const std::string feed = server_.url("appcast.xml");
    auto forged = release("2.0");
    forged.signature = SigningKey().sign(www_ / "2.0.tar.xz");
    auto truncated = release("3.0");
    truncated.length += 100;
    auto unending = release("6.0");
    unending.url = endless.url("6.0.tar.xz");
    // A signed bundle that is a link to a program outside, with a version of its own.
    makeBundle(dir_ / "outside", "outside");
    writeFile(dir_ / "outside/Contents/Info.plist", infoPlist(feed, key_.publicKey(), "5.0", true));
    fs::create_directories(dir_ / "5.0");
    fs::create_symlink(dir_ / "outside", dir_ / "5.0/Ludowell.app");
    for (const auto& [item, code, from] : {std::tuple{forged, appcast::signatureInvalid, feed},
                                           std::tuple{truncated, appcast::downloadIncomplete, feed},
                                           std::tuple{release("4.0", "Something.else"), appcast::unpackFailed, feed},
                                           std::tuple{pack("5.0", "Ludowell.app"), appcast::unpackFailed, feed},
                                           std::tuple{release("2.5", "Ludowell.app", "0.9"), appcast::unpackFailed, feed},
                                           std::tuple{release("2.1", "Ludowell.app", "2.2"), appcast::unpackFailed, feed},
                                           std::tuple{unending, appcast::downloadIncomplete, feed},
                                           std::tuple{unending, appcast::feedInvalid, endless.url("appcast.xml")}}) {
        SCOPED_TRACE(item.version + " from " + from);
        publish({item});
        configure(true, from);
        script_.install = nullptr;
        auto updater = service();
        std::uintmax_t cached = 0;
        checkAndWait(*updater, [&] {
            std::error_code ec;
            for (const auto& entry : fs::recursive_directory_iterator(dir_ / "cache", ec))
                cached = std::max(cached, entry.is_regular_file(ec) ? entry.file_size(ec) : 0);
        });
        ASSERT_TRUE(script_.aborted);
        EXPECT_EQ(script_.aborted->code, code) << script_.aborted->description;
        EXPECT_FALSE(script_.install) << "never offered for installation";
        EXPECT_LE(cached, std::uintmax_t(item.length));
        EXPECT_EQ(installedVersion(), "old");
        EXPECT_FALSE(fs::is_symlink(bundle_));
        expectNoLeftovers();
    }
    EXPECT_EQ(script_.errors.size(), 8u);
    EXPECT_EQ(terminated_, 0);
    EXPECT_FALSE(fs::exists(marker_)) << "nothing was started";
    EXPECT_TRUE(fs::exists(dir_ / "outside/Contents/MacOS/ludowell"));
}

TEST_F(LinuxService, ReplacesTheBundleOnlyOnTheGoAheadAndKeepsTheOldOneUntilThen) {
    publish({release("1.5")});
    script_.postpone = true;
    auto updater = service();
    for (bool vanish : {true, false}) {
        SCOPED_TRACE(vanish ? "the unpacked update vanishes while it waits" : "installs");
        script_.install = nullptr;
        checkAndWait(*updater);
        ASSERT_TRUE(script_.install) << (script_.aborted ? script_.aborted->description : "");
        EXPECT_TRUE(updater->sessionInProgress());
        EXPECT_FALSE(updater->canCheckForUpdates());
        EXPECT_EQ(installedVersion(), "old");
        if (vanish)
            for (const auto& entry : fs::directory_iterator(bundle_.parent_path()))
                if (entry.path() != bundle_) fs::remove_all(entry.path() / "Ludowell.app");
        script_.install();
        script_.install();  // a second go-ahead does nothing
        EXPECT_EQ(script_.aborted ? script_.aborted->code : 0, vanish ? appcast::installFailed : 0);
        EXPECT_EQ(installedVersion(), vanish ? "old" : "new");
        EXPECT_EQ(terminated_, vanish ? 0 : 1);
        expectNoLeftovers();
    }
    EXPECT_TRUE(eventuallyInEventLoop([&] { return readFile(marker_) == "new --after-update\n"; }, 10s));
}

TEST_F(LinuxService, AStartFinishesWhatAnInterruptedInstallLeftWithoutLosingTheApp) {
    const auto beside = [&](const std::string& suffix) {
        return bundle_.parent_path() / (".Ludowell.app-" + suffix);
    };
    // Left by an install from before the swap was one step: the bundle moved
    // aside, nothing in its place.
    fs::rename(bundle_, beside("previous-A"));
    makeBundle(beside("update-B") / "Ludowell.app", "new");
    service();
    EXPECT_EQ(installedVersion(), "old");
    expectNoLeftovers();

    // What a killed swap leaves is the kill sweep's; another running copy
    // still unpacking into its own folder is left alone.
    makeBundle(beside("update-E") / "Ludowell.app", "new");
    const int held = ::open(beside("update-E/.in-use").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    service();
    EXPECT_EQ(installedVersion(), "old");
    EXPECT_TRUE(fs::exists(beside("update-E/Ludowell.app")));
    ::close(held);
    service();
    expectNoLeftovers();
}

// Run by the kill sweep below in a process of its own: one whole update,
// installed at once.
TEST(LinuxServiceDriver, InstallsOneUpdate) {
    const char* bundle = std::getenv("LUDOWELL_TEST_BUNDLE");
    if (!bundle) GTEST_SKIP() << "run by the kill sweep";
    Script script;
    LinuxUpdateService::Options options{bundle, fs::path(bundle) / "Contents/MacOS/ludowell",
                                        fs::path(bundle).parent_path().parent_path() / "cache", {}, [] { std::exit(0); },
                                        nullptr};
    LinuxUpdateService service(script, options);
    service.checkForUpdates();
    eventuallyInEventLoop([] { return false; }, 30s);
    std::exit(3);
}

// The install killed at each occurrence of each call that changes the
// disk or starts a program: the bundle always holds a whole app, and the
// next start leaves nothing else behind.
TEST_F(LinuxService, NoKillDuringAnInstallLeavesTheAppMissing) {
    if (std::system("strace -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
    publish({release("1.5")});
    const auto self = fs::read_symlink("/proc/self/exe");
    int tried = 0;
    for (const char* call : {"renameat2", "rename", "mkdir", "unlink", "unlinkat", "rmdir", "clone", "clone3"}) {
        for (int n = 1; n <= 60; ++n) {
            const std::string command = "LUDOWELL_TEST_BUNDLE='" + bundle_.string() + "' strace -o /dev/null -e trace=" +
                                        call + " -e inject=" + call + ":signal=KILL:when=" + std::to_string(n) +
                                        " '" + self.string() + "' --gtest_filter=LinuxServiceDriver.InstallsOneUpdate >/dev/null 2>&1";
            const int status = std::system(command.c_str());
            const bool killed = (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
                                (WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGKILL);
            const std::string version = fs::exists(bundle_ / "Contents/MacOS/ludowell") ? installedVersion() : "";
            EXPECT_TRUE(version == "old" || version == "new") << call << " #" << n << ": the bundle holds no whole app";
            service();  // the next start
            EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(bundle_.parent_path()), {}), std::vector{bundle_})
                << call << " #" << n << ": the next start left an update's folder behind";
            if (!killed) {
                EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << call << " #" << n;
                EXPECT_EQ(version, "new") << call << ": the uninterrupted install";
            }
            if (version != "old") {
                fs::remove_all(bundle_);
                makeBundle(bundle_, "old");
                configure(true);
            }
            if (!killed) break;
            ++tried;
        }
    }
    std::printf("kill sweep: %d kills tried\n", tried);
    EXPECT_GT(tried, 5);
}

TEST_F(LinuxService, AsksTheDelegateFirstAndShowsItsRefusal) {
    publish({release("1.5")});
    script_.refuse = "Close the game first.";
    auto updater = service();
    updater->checkForUpdates();
    EXPECT_EQ(script_.errors, std::vector<std::string>{"Close the game first."});
    EXPECT_FALSE(updater->sessionInProgress());
    eventuallyInEventLoop([] { return false; }, 300ms);
    EXPECT_FALSE(script_.found);
    EXPECT_EQ(script_.finished, 0) << "a refusal opens no cycle";

    fs::remove(bundle_ / "Contents/Info.plist");
    auto unconfigured = service();
    EXPECT_FALSE(unconfigured->canCheckForUpdates());
    unconfigured->checkForUpdates();
    EXPECT_EQ(script_.errors.back(), "Updates are not set up for this copy of Ludowell.");
}

TEST_F(LinuxService, AutomaticChecksPersistAndRunOnTheirOwn) {
    publish({release("1.0")});
    configure(false);
    std::vector<bool> seen;
    {
        auto updater = service();
        auto token = updater->observeAutomaticallyChecksForUpdates([&](bool on) { seen.push_back(on); });
        updater->setAutomaticallyChecksForUpdates(true);
        EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    }
    auto updater = service();
    EXPECT_TRUE(updater->automaticallyChecksForUpdates());
    updater->startUpdater();
    ASSERT_TRUE(eventuallyInEventLoop([&] { return script_.finished > 0; }, 30s));
    EXPECT_EQ(script_.notFound, 1);
    EXPECT_EQ(script_.upToDate, 0) << "only a check the user asked for says so";
}

TEST(Appcast, OrdersVersionsAsTheMacUpdaterDoes) {
    // Each pair is in ascending order.
    const std::pair<const char*, const char*> ascending[] = {
        {"1.9", "1.10"},     {"1.0a1", "1.0b1"},  {"1.0a2", "1.0b1"},     {"1.0b1", "1.0rc1"},
        {"1.0rc1", "1.0"},   {"1.0b9", "1.0b10"}, {"1.0", "1.0.1"},       {"1.0a1", "1.0.1"},
        {"1.0.0a1", "1.0"},  {"0.9", "1.0b1"},    {"2", "10"},            {"1.0", "99999999999999999999.0"},
    };
    for (const auto& [lower, higher] : ascending) {
        EXPECT_LT(appcast::compareVersions(lower, higher), 0) << lower << " < " << higher;
        EXPECT_GT(appcast::compareVersions(higher, lower), 0) << higher << " > " << lower;
    }
    for (const auto& [a, b] : {std::pair{"1.5", "1.5.0"}, std::pair{"1.05", "1.5"}, std::pair{"1.0B1", "1.0b1"}})
        EXPECT_EQ(appcast::compareVersions(a, b), 0) << a << " == " << b;
}

TEST(Appcast, OffersOnlyNewerReleasesThatSuitTheHostsSystem) {
    const auto items = appcast::parse(
        "<rss xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel>"
        "<item><sparkle:version>1.0rc1</sparkle:version><enclosure url=\"https://x/rc\"/></item>"
        "<item><sparkle:version>3.0</sparkle:version><sparkle:minimumSystemVersion>27.0</sparkle:minimumSystemVersion>"
        "<enclosure url=\"https://x/3\"/></item>"
        "<item><sparkle:version>2.5</sparkle:version><sparkle:maximumSystemVersion>25.9</sparkle:maximumSystemVersion>"
        "<enclosure url=\"https://x/25\"/></item>"
        "<item><sparkle:version>2.0</sparkle:version><sparkle:minimumSystemVersion>26.0</sparkle:minimumSystemVersion>"
        "<sparkle:maximumSystemVersion>26.9</sparkle:maximumSystemVersion><enclosure url=\"https://x/2\"/></item>"
        "</channel></rss>");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_FALSE(appcast::newest({items[0]}, "1.0", "26.1")) << "a pre-release is older than its release";
    // Each host system with the release that suits it.
    for (const auto& [system, version] : {std::pair{"26.1", "2.0"}, std::pair{"27.2", "3.0"}, std::pair{"25.0", "2.5"}}) {
        const auto best = appcast::newest(items, "1.0", system);
        EXPECT_EQ(best ? best->version : "none", version) << system;
    }
}

}  // namespace
