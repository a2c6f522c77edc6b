// Installing the shipped engine into a data root: staging, verification,
// dependency links, the start-up check, the selection switch, and what is
// left on disk after every way out, including a killed run.
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iostream>
#include <thread>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/operation_lock.h"
#include "core/failure.h"
#include "engine/engine_manifest.h"
#include "platform/platform.h"
#include "runtime/digest.h"
#include "runtime/files.h"
#include "runtime/runtime.h"
#include "support/temp_dir.h"
#include "testbed_world.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const std::string kVersion = "11-0-2";
const std::string kUpdating = "Updating game components. Steam, games and saves will stay in place\u2026\n";
const std::string kUpdated = "Game components updated. The previous engine has been retained for recovery.\n";
const std::string kRejected = "The new game components failed verification. Your previous engine is unchanged.";
const std::string kIncomplete = "The staged engine is incomplete. Your previous engine is unchanged.";
const std::string kOldSelection = R"({"current":"1-0"})";

void write(const fs::path& file, const std::string& bytes, bool executable = false) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    if (executable) fs::permissions(file, fs::perms::owner_exec, fs::perm_options::add);
}

std::string script(const std::string& body) { return "#!/bin/sh\n" + body + "\n"; }

struct Outcome {
    std::string printed;
    std::string error;  // empty on success
};

bool stagingLeft(const fs::path& root) {
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().starts_with("engine-staging-")) return true;
    return false;
}

Outcome update(const ludowell::Runtime& runtime) {
    Outcome outcome;
    testing::internal::CaptureStdout();
    try {
        runtime.ensureCurrentEngine();
    } catch (const ludowell::Failure& failure) {
        outcome.error = failure.description;
    } catch (const std::exception& other) {
        outcome.error = std::string("<not a Failure: ") + other.what() + ">";
    }
    outcome.printed = testing::internal::GetCapturedStdout();
    return outcome;
}

json selection(const fs::path& root) {
    auto text = ludowell::readFile(root / "engine-selection.json");
    return text ? json::parse(*text) : json();
}

class EngineInstall : public ::testing::Test {
protected:
    void SetUp() override {
        ludowell::platform::overrideBundle(bundle);
        write(resources / "dependency-links.json", "{}");
        shipEngine();
    }
    void TearDown() override { ludowell::platform::overrideBundle(std::nullopt); }

    // A small engine: two programs, a library and a link inside the engine.
    // The loader only answers when it is started as the staged engine's own.
    void shipEngine(const std::string& wineSays = "wine-11.0", int serverStatus = 0) {
        write(shipped / "bin/wine",
              script("[ \"$WINELOADER\" = \"$0\" ] && [ \"$WINESERVER\" = \"${0%/wine}/wineserver\" ] || exit 9\n"
                     "echo '" + wineSays + "'"),
              true);
        write(shipped / "bin/wineserver", script("echo wineserver; exit " + std::to_string(serverStatus)), true);
        write(shipped / "lib/wine/data.dll", "library");
        if (!fs::is_symlink(shipped / "lib/libwine.so")) fs::create_symlink("wine/data.dll", shipped / "lib/libwine.so");
        writeManifest();
    }

    // Lists every file and link of the shipped engine with its digest now.
    void writeManifest(std::optional<std::string> hashFormat = std::nullopt) {
        json files = json::object();
        for (const auto& entry : fs::recursive_directory_iterator(shipped))
            if (entry.is_symlink() || entry.is_regular_file())
                files[entry.path().lexically_relative(shipped).string()] = ludowell::digest(entry.path());
        json manifest = {{"version", kVersion}, {"files", files}};
        if (hashFormat) manifest["hashFormat"] = *hashFormat;
        write(resources / "engine-manifest.json", manifest.dump());
    }

    // An engine selected before this update, and the selection naming it.
    void oldEngine(const fs::path& at) {
        write(at / "engine-1-0/bin/wine", script("echo wine-1.0"), true);
        write(at / "engine-1-0/bin/wineserver", script("exit 0"), true);
        write(at / "engine-selection.json", kOldSelection);
    }

    ludowell::Runtime runtime(const fs::path& at) const { return ludowell::Runtime(at, resources); }

    Outcome install(const fs::path& at) { return update(runtime(at)); }
    Outcome install() { return install(root); }

    TempDir temp;
    const fs::path bundle = temp / "Ludowell.app";
    const fs::path resources = bundle / "Contents/Resources";
    const fs::path shipped = resources / "Engine";
    const fs::path root = temp / "data";
    const fs::path target = root / ("engine-" + kVersion);
};

TEST_F(EngineInstall, ANewDataRootGetsTheShippedEngineThenStaysQuiet) {
    auto first = install();
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(first.printed, kUpdating + kUpdated);
    EXPECT_EQ(selection(root), json({{"current", kVersion}, {"previous", "engine"}}));
    EXPECT_TRUE(fs::is_regular_file(target / "bin/wine"));
    EXPECT_EQ(fs::read_symlink(target / "lib/libwine.so"), "wine/data.dll") << "links are copied as links";
    EXPECT_FALSE(stagingLeft(root));
    EXPECT_EQ(runtime(root).wine(), target / "bin/wine");

    // Current means the selection and the loader; nothing else is hashed.
    write(target / "lib/wine/data.dll", "altered");
    fs::remove(target / "bin/wineserver");
    auto again = install();
    EXPECT_EQ(again.error, "");
    EXPECT_EQ(again.printed, "");
}

TEST_F(EngineInstall, ASelectedVersionWhoseFolderIsGoneIsInstalledAgain) {
    write(root / "engine-selection.json", json({{"current", kVersion}}).dump());
    auto outcome = install();
    EXPECT_EQ(outcome.error, "");
    EXPECT_EQ(outcome.printed, kUpdating + kUpdated);
    EXPECT_EQ(selection(root), json({{"current", kVersion}, {"previous", "engine-" + kVersion}}));
    EXPECT_TRUE(fs::exists(target / "bin/wine"));
}

TEST_F(EngineInstall, ATargetLeftByAnEarlierAttemptIsVerifiedNotCopied) {
    // A complete target is taken as it is: the shipped folder is not needed.
    fs::create_directories(root);
    fs::copy(shipped, target, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    fs::rename(shipped, temp / "Engine-away");
    auto reused = install();
    EXPECT_EQ(reused.error, "");
    EXPECT_EQ(selection(root)["current"], kVersion);
    fs::rename(temp / "Engine-away", shipped);

    // An incomplete one keeps failing, and the old engine stays selected.
    const fs::path other = temp / "other";
    oldEngine(other);
    fs::copy(shipped, other / target.filename(), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    write(other / target.filename() / "lib/wine/data.dll", "truncated");
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto outcome = install(other);
        EXPECT_EQ(outcome.error, kIncomplete);
        EXPECT_EQ(outcome.printed, kUpdating);
        EXPECT_EQ(ludowell::readFile(other / "engine-selection.json"), kOldSelection);
        EXPECT_TRUE(fs::exists(other / target.filename())) << "installed engines are never deleted";
        EXPECT_FALSE(stagingLeft(other));
    }
}

TEST_F(EngineInstall, AStagedCopyThatDoesNotVerifyIsDiscarded) {
    // A link leaving staging is refused even though its content matches.
    write(temp / "outside.dll", "library");
    fs::create_symlink(temp / "outside.dll", shipped / "lib/outside.dll");
    writeManifest();
    oldEngine(root);
    auto escaping = install();
    EXPECT_EQ(escaping.error, kRejected);
    EXPECT_EQ(escaping.printed, kUpdating);
    // Where a link points decides, not whether its target still exists.
    fs::remove(temp / "outside.dll");
    EXPECT_EQ(install().error, kRejected);

    fs::remove(shipped / "lib/outside.dll");
    writeManifest();
    write(shipped / "lib/wine/data.dll", "tampered");
    auto tampered = install();
    EXPECT_EQ(tampered.error, kRejected);

    EXPECT_EQ(ludowell::readFile(root / "engine-selection.json"), kOldSelection);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(stagingLeft(root));
    EXPECT_EQ(runtime(root).engine(), root / "engine-1-0");
}

TEST_F(EngineInstall, DependencyLinks) {
    write(root / "deps/Frameworks/renderer/wine/d3d11.dll", "renderer");
    const std::vector<std::pair<std::string, std::string>> refused = {
        {R"({"lib/wine/d3d11.dll": "../Frameworks/renderer/wine/d3d11.dll"})", "Invalid runtime dependency manifest."},
        {R"({"lib/wine/d3d11.dll": "/etc/hostname"})", "Invalid runtime dependency manifest."},
        {R"({"/lib/d3d11.dll": "renderer/wine/d3d11.dll"})", "Invalid runtime dependency manifest."},
        {R"({"lib//../../d3d11.dll": "renderer/wine/d3d11.dll"})", "Invalid runtime dependency manifest."},
        {R"({"lib/wine/d3d12.dll": "renderer/wine/d3d 12.dll"})", "Missing dependency: renderer/wine/d3d 12.dll"},
    };
    for (const auto& [links, message] : refused) {
        write(resources / "dependency-links.json", links);
        auto outcome = install();
        EXPECT_EQ(outcome.error, message) << links;
        EXPECT_FALSE(fs::exists(target)) << links;
        EXPECT_FALSE(stagingLeft(root)) << links;
    }

    // ".." inside a longer piece is an ordinary name.
    write(resources / "dependency-links.json",
          R"({"lib/wine/x86_64-windows/d3d11.dll": "renderer/wine/d3d11.dll", "lib/..d3d": "renderer"})");
    auto linked = install();
    EXPECT_EQ(linked.error, "");
    EXPECT_EQ(fs::read_symlink(target / "lib/wine/x86_64-windows/d3d11.dll"),
              root / "deps/Frameworks/renderer/wine/d3d11.dll");
    EXPECT_EQ(fs::read_symlink(target / "lib/..d3d"), root / "deps/Frameworks/renderer");
}

TEST_F(EngineInstall, TheStartupCheckLooksForWineInAnyCase) {
    const std::string failed = "The new engine didn't pass its startup check. Your previous engine is unchanged.";
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"11.0", 0, failed},
        {"", 0, failed},
        {"wine-11.0", 3, "wineserver failed (3). wineserver\n\nLogs: "},
        {"WINE-11.0", 0, ""},
    };
    for (const auto& [says, serverStatus, message] : cases) {
        const fs::path at = temp / ("says-" + says + std::to_string(serverStatus));
        oldEngine(at);
        shipEngine(says, serverStatus);
        auto outcome = install(at);
        EXPECT_EQ(outcome.error.substr(0, message.size()), message) << says;
        if (message.empty()) {
            EXPECT_EQ(outcome.error, "");
            continue;
        }
        EXPECT_EQ(ludowell::readFile(at / "engine-selection.json"), kOldSelection) << says;
        EXPECT_TRUE(fs::exists(at / target.filename())) << "a checked target stays for the next attempt";
    }
}

TEST_F(EngineInstall, ARuntimeInUseIsNotTouched) {
    ASSERT_EQ(install().error, "");
    // A process started from anywhere inside the data root.
    fs::create_directories(root / "engine-old/bin");
    fs::copy_file("/bin/sleep", root / "engine-old/bin/sleep");
    std::string program = (root / "engine-old/bin/sleep").string(), seconds = "30";
    char* argv[] = {program.data(), seconds.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
    // Steam opens with the engine current: that must go on working.
    auto current = install();
    oldEngine(root);
    auto live = install();
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(current.error, "");
    EXPECT_EQ(current.printed, "");
    EXPECT_EQ(live.error, "Save and close your game and Steam before updating game components.");
    EXPECT_EQ(live.printed, "");
    EXPECT_EQ(ludowell::readFile(root / "engine-selection.json"), kOldSelection);

    // The selected engine's Wine server still answering "-w" means Steam or the game is up.
    const fs::path busy = temp / "busy";
    oldEngine(busy);
    write(busy / "engine-1-0/bin/wineserver", script("exec sleep 5"), true);
    auto serving = install(busy);
    EXPECT_EQ(serving.error,
              "Save and close AoE IV and this app's Steam client before setting up or repairing the environment.");
    EXPECT_EQ(serving.printed, "");
}

// Hashing folders go to the per-user temporary folder; a private one
// shows whether any is left behind.
class WatchedTmp {
public:
    explicit WatchedTmp(fs::path folder) : folder_(std::move(folder)) {
        if (const char* old = std::getenv("TMPDIR")) old_ = old;
        fs::create_directories(folder_);
        ::setenv("TMPDIR", folder_.c_str(), 1);
    }
    ~WatchedTmp() { old_ ? ::setenv("TMPDIR", old_->c_str(), 1) : ::unsetenv("TMPDIR"); }
    bool empty() const { return fs::is_empty(folder_); }

private:
    fs::path folder_;
    std::optional<std::string> old_;
};

// Mach-O files are compared without their signatures. This signer marks a
// signed file by a trailer that "--remove-signature" cuts off, and can be
// made to fail after the copy.
class MachOEngine : public EngineInstall {
protected:
    void SetUp() override {
        EngineInstall::SetUp();
        write(resources / "Testbed/codesign",
              script("case \"$1\" in\n"
                     "--verify) [ \"$(tail -c 8 \"$3\")\" = '+SIGNED' ] || { echo \"$3: invalid signature\"; exit 1; } ;;\n"
                     "--remove-signature) grep -q NOSTRIP \"$2\" && exit 2; truncate -s -8 \"$2\" ;;\n"
                     "esac"),
              true);
    }

    WatchedTmp hashTemp{temp / "tmp"};
    const std::string body = std::string("\xCF\xFA\xED\xFE", 4) + "machine code";
};

TEST_F(MachOEngine, DigestsIgnoreTheSignatureOnly) {
    const auto unsignedFormat = ludowell::EngineManifest{kVersion, {}, ludowell::kUnsignedMachOFormat};
    const auto plainFormat = ludowell::EngineManifest{kVersion, {}, std::nullopt};
    const auto rt = runtime(root);

    for (const char* magic : {"\xCF\xFA\xED\xFE", "\xCE\xFA\xED\xFE", "\xCA\xFE\xBA\xBE", "\xBE\xBA\xFE\xCA",
                              "\xCA\xFE\xBA\xBF"}) {
        write(temp / "body", std::string(magic, 4) + "machine code");
        write(temp / "signed", std::string(magic, 4) + "machine code+SIGNED\n");
        EXPECT_EQ(rt.engineDigest(temp / "signed", unsignedFormat), ludowell::digest(temp / "body"));
    }
    EXPECT_EQ(ludowell::readFile(temp / "signed"), std::string("\xCA\xFE\xBA\xBF", 4) + "machine code+SIGNED\n")
        << "only the copy loses its signature";

    // A broken signature never yields a digest, unless the format is plain.
    write(temp / "broken", body + "+BROKEN\n");
    std::string error;
    try {
        rt.engineDigest(temp / "broken", unsignedFormat);
    } catch (const ludowell::Failure& failure) {
        error = failure.description;
    }
    EXPECT_TRUE(error.starts_with("codesign failed (1). ")) << error;
    EXPECT_EQ(rt.engineDigest(temp / "broken", plainFormat), ludowell::digest(temp / "broken"));

    // A signer failing after the copy still cleans up.
    write(temp / "nostrip", body + "NOSTRIP+SIGNED\n");
    EXPECT_THROW(rt.engineDigest(temp / "nostrip", unsignedFormat), ludowell::Failure);

    // Short files and other magics are hashed as they are.
    write(temp / "short", "\xCF\xFA\xED");
    EXPECT_EQ(rt.engineDigest(temp / "short", unsignedFormat), ludowell::digest(temp / "short"));
    write(temp / "script", "#!/bin/sh\n+SIGNED\n");
    EXPECT_EQ(rt.engineDigest(temp / "script", unsignedFormat), ludowell::digest(temp / "script"));
    EXPECT_TRUE(hashTemp.empty());
}

// The testbed's engine, manifest and signer exactly as the build ships them.
TEST(TestbedEngine, InstallsAsShippedAndRefusesABrokenSignature) {
    testbed::World world;
    world.exportToThisProcess();
    WatchedTmp hashTemp(world.dir / "tmp");
    const fs::path shipped = world.bundle / "Contents/Resources";
    const auto version = json::parse(*ludowell::readFile(shipped / "engine-manifest.json"))["version"];
    auto withPackage = [](const ludowell::Runtime& runtime) -> const ludowell::Runtime& {
        write(runtime.frameworks() / "renderer/d3dmetal/external/libd3dshared.dylib", "renderer");
        return runtime;
    };

    const ludowell::Runtime fresh(world.dataRoot("fresh"));
    auto installed = update(withPackage(fresh));
    EXPECT_EQ(installed.error, "");
    EXPECT_EQ(installed.printed, kUpdating + kUpdated);
    EXPECT_EQ(selection(fresh.root()), json({{"current", version}, {"previous", "engine"}}));
    EXPECT_TRUE(fs::is_symlink(fresh.engine() / "lib/external/libd3dshared.dylib"));

    // One changed byte under the signature of a shipped Mach-O library.
    const fs::path copy = world.dir / "Resources";
    fs::create_directories(copy);
    fs::copy(fs::canonical(shipped / "Engine"), copy / "Engine", fs::copy_options::recursive);
    fs::copy(shipped / "engine-manifest.json", copy);
    fs::copy(shipped / "dependency-links.json", copy);
    {
        std::fstream library(copy / "Engine/lib/wine/x86_64-unix/ntdll.so", std::ios::in | std::ios::out | std::ios::binary);
        library.seekp(100);
        library.put('!');
    }
    const ludowell::Runtime tampered(world.dataRoot("tampered"), copy);
    auto refused = update(withPackage(tampered));
    EXPECT_TRUE(refused.error.starts_with("codesign failed (1). ")) << refused.error;
    EXPECT_NE(refused.error.find("invalid signature"), std::string::npos) << refused.error;
    EXPECT_EQ(tampered.engine(), tampered.root() / "engine");
    EXPECT_FALSE(stagingLeft(tampered.root()));
    EXPECT_TRUE(hashTemp.empty());
}

// Runs an update in a child and kills it, with every process it started,
// after `delay`. The supervisor adopts orphans so none outlives the kill.
void killedUpdate(const ludowell::Runtime& runtime, std::chrono::microseconds delay) {
    pid_t supervisor = ::fork();
    if (supervisor == 0) {
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        pid_t worker = ::fork();
        if (worker == 0) {
            ::setpgid(0, 0);
            std::freopen("/dev/null", "w", stdout);
            try {
                runtime.ensureCurrentEngine();
            } catch (...) {
            }
            ::_exit(0);
        }
        ::setpgid(worker, worker);
        std::this_thread::sleep_for(delay);
        ::kill(-worker, SIGKILL);
        while (::waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
        }
        ::_exit(0);
    }
    ::waitpid(supervisor, nullptr, 0);
}

TEST_F(EngineInstall, AKilledUpdateNeverLeavesAHalfSelection) {
    // Big enough that kills land in the copy, the checks and the switch.
    for (int i = 0; i < 300; ++i) {
        const size_t size = i % 30 == 0 ? 2900 * 1024 : 4096;
        write(shipped / ("lib/wine/part" + std::to_string(i) + ".dll"), std::to_string(i) + std::string(size, 'x' + i % 3));
    }
    writeManifest();

    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(install(temp / "timed").error, "");
    const auto full = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    fs::remove_all(temp / "timed");

    std::map<std::string, int> seen;
    for (int point = 0; point < 10; ++point) {
        const fs::path at = temp / ("killed-" + std::to_string(point));
        oldEngine(at);
        killedUpdate(runtime(at), full * point / 7);

        const json now = selection(at);
        const bool switched = now != json::parse(kOldSelection);
        if (switched) {
            EXPECT_EQ(now, json({{"current", kVersion}, {"previous", "engine-1-0"}})) << point;
            EXPECT_TRUE(fs::exists(at / target.filename() / "bin/wine")) << point;
        }
        seen[switched ? "switched" : fs::exists(at / target.filename()) ? "moved" : stagingLeft(at) ? "staging" : "untouched"]++;

        auto next = install(at);
        EXPECT_EQ(next.error, "") << point;
        EXPECT_EQ(selection(at), json({{"current", kVersion}, {"previous", "engine-1-0"}})) << point;
        EXPECT_TRUE(fs::exists(at / "engine-1-0/bin/wine"));
        ludowell::removeLeftoverStaging(at);
        EXPECT_FALSE(stagingLeft(at)) << point;
        fs::remove_all(at);
    }
    std::cout << "full update " << full.count() / 1000 << " ms; kills left:";
    for (const auto& [state, count] : seen) std::cout << " " << state << "=" << count;
    std::cout << "\n";
}

}  // namespace
