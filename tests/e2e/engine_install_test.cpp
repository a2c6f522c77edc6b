// Installing the shipped engine into a data root: staging, verification,
// dependency links, the start-up check, the selection switch, and what is
// left on disk after every way out, a power cut included. Killed updates
// are the kill sweep's.
#include <sys/mount.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "engine/engine_manifest.h"
#include "runtime/digest.h"
#include "core/files.h"
#include "runtime/runtime.h"
#include "support/files.h"
#include "support/live_process.h"
#include "support/temp_dir.h"
#include "testbed_world.h"
#include "support/failure_text.h"
#include "support/scoped_env.h"
#include "engine/engine_digest.h"
#include "engine/engine_install.h"
#include "testbed_host.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const std::string kVersion = "11-0-2";
const std::string kUpdating = "Updating game components. Steam, games and saves will stay in place\u2026\n";
const std::string kUpdated = "Game components updated. The previous engine has been retained for recovery.\n";
const std::string kRejected = "The new game components failed verification. Your previous engine is unchanged.";
const std::string kIncomplete = "The staged engine is incomplete. Your previous engine is unchanged.";
const std::string kOldSelection = R"({"current":"1-0"})";

std::string script(const std::string& body) { return "#!/bin/sh\n" + body + "\n"; }

// What an update prints, then what it fails with, as command mode shows it.
std::string update(const ludowell::Runtime& runtime) {
    testing::internal::CaptureStdout();
    const std::string error = failureText([&] { ludowell::ensureCurrentEngine(runtime); });
    return testing::internal::GetCapturedStdout() + (error == kNoFailure ? "" : "ERROR: " + error);
}

json selection(const fs::path& root) {
    auto text = ludowell::readFile(root / "engine-selection.json");
    return text ? json::parse(*text) : json();
}

class EngineInstall : public ::testing::Test {
protected:
    void SetUp() override {
        testbed::linkedHost().setBundle(bundle);
        writeFile(resources / "dependency-links.json", "{}");
        shipEngine();
    }
    void TearDown() override { testbed::linkedHost().setBundle(std::nullopt); }

    // A small engine: two programs, a library and a link inside the engine.
    // The loader only answers when it is started as the staged engine's own.
    void shipEngine(const std::string& wineSays = "wine-11.0", int serverStatus = 0) {
        writeFile(shipped / "bin/wine",
              script("[ \"$WINELOADER\" = \"$0\" ] && [ \"$WINESERVER\" = \"${0%/wine}/wineserver\" ] || exit 9\n"
                     "echo '" + wineSays + "'"),
              true);
        writeFile(shipped / "bin/wineserver", script("echo wineserver; exit " + std::to_string(serverStatus)), true);
        writeFile(shipped / "lib/wine/data.dll", "library");
        if (!fs::is_symlink(shipped / "lib/libwine.so")) fs::create_symlink("wine/data.dll", shipped / "lib/libwine.so");
        writeManifest();
    }

    // Lists every file and link of the shipped engine with its digest now,
    // and whatever `files` already names.
    void writeManifest(json files = json::object()) {
        for (const auto& entry : fs::recursive_directory_iterator(shipped))
            if (entry.is_symlink() || entry.is_regular_file())
                files[entry.path().lexically_relative(shipped).string()] = ludowell::digest(entry.path());
        writeFile(resources / "engine-manifest.json", json({{"version", kVersion}, {"files", files}}).dump());
    }

    // An engine selected before this update, and the selection naming it.
    fs::path oldEngine(const fs::path& at) {
        writeFile(at / "engine-1-0/bin/wine", script("echo wine-1.0"), true);
        writeFile(at / "engine-1-0/bin/wineserver", script("exit 0"), true);
        writeFile(at / "engine-selection.json", kOldSelection);
        return at;
    }

    // An update that fails with `message` after saying it starts, and leaves
    // the old engine selected and no staging behind.
    void refused(const fs::path& at, const std::string& message, const std::string& why) {
        EXPECT_EQ(install(at), kUpdating + "ERROR: " + message) << why;
        EXPECT_EQ(ludowell::readFile(at / "engine-selection.json"), kOldSelection) << why;
        EXPECT_FALSE(stagingLeft(at)) << why;
    }

    ludowell::Runtime runtime(const fs::path& at) const {
        ludowell::Runtime result(at, resources);
        result.setTiming(timing);
        return result;
    }

    std::string install(const fs::path& at) { return update(runtime(at)); }
    std::string install() { return install(root); }

    ludowell::Runtime::Timing timing;

    TempDir temp;
    const fs::path bundle = temp / "Ludowell.app";
    const fs::path resources = bundle / "Contents/Resources";
    const fs::path shipped = resources / "Engine";
    const fs::path root = temp / "data";
    const fs::path target = root / ("engine-" + kVersion);
};

TEST_F(EngineInstall, ANewDataRootGetsTheShippedEngineThenStaysQuiet) {
    // Links into the graphics package; ".." inside a longer piece is an ordinary name.
    writeFile(root / "deps/Frameworks/renderer/wine/d3d11.dll", "renderer");
    writeFile(resources / "dependency-links.json",
          R"({"lib/wine/x86_64-windows/d3d11.dll": "renderer/wine/d3d11.dll", "lib/..d3d": "renderer"})");
    EXPECT_EQ(install(), kUpdating + kUpdated);
    EXPECT_EQ(selection(root), json({{"current", kVersion}, {"previous", "engine"}}));
    EXPECT_TRUE(fs::is_regular_file(target / "bin/wine"));
    EXPECT_EQ(fs::read_symlink(target / "lib/libwine.so"), "wine/data.dll") << "links are copied as links";
    EXPECT_EQ(fs::read_symlink(target / "lib/wine/x86_64-windows/d3d11.dll"),
              root / "deps/Frameworks/renderer/wine/d3d11.dll");
    EXPECT_EQ(fs::read_symlink(target / "lib/..d3d"), root / "deps/Frameworks/renderer");
    EXPECT_FALSE(stagingLeft(root));

    // Current means the selection and the loader; nothing else is hashed.
    writeFile(target / "lib/wine/data.dll", "altered");
    fs::remove(target / "bin/wineserver");
    EXPECT_EQ(install(), "");

    // A selected version whose folder is gone is installed again.
    fs::remove_all(target);
    EXPECT_EQ(install(), kUpdating + kUpdated);
    EXPECT_EQ(selection(root), json({{"current", kVersion}, {"previous", "engine-" + kVersion}}));
    EXPECT_TRUE(fs::exists(target / "bin/wine"));
}

TEST_F(EngineInstall, ATargetLeftByAnEarlierAttemptIsVerifiedNotCopied) {
    // A complete target is taken as it is: the shipped folder is not needed.
    constexpr auto kAsIs = fs::copy_options::recursive | fs::copy_options::copy_symlinks;
    fs::create_directories(root);
    fs::copy(shipped, target, kAsIs);
    fs::rename(shipped, temp / "Engine-away");
    EXPECT_EQ(install(), kUpdating + kUpdated);
    EXPECT_EQ(selection(root)["current"], kVersion);
    fs::rename(temp / "Engine-away", shipped);

    // An incomplete one keeps failing, and the old engine stays selected.
    const fs::path other = oldEngine(temp / "other");
    fs::copy(shipped, other / target.filename(), kAsIs);
    writeFile(other / target.filename() / "lib/wine/data.dll", "truncated");
    for (const char* attempt : {"first", "second"}) {
        refused(other, kIncomplete, attempt);
        EXPECT_TRUE(fs::exists(other / target.filename())) << "installed engines are never deleted";
    }
}

TEST_F(EngineInstall, AStagedCopyThatDoesNotVerifyIsDiscarded) {
    oldEngine(root);
    writeFile(root / "deps/Frameworks/renderer/wine/d3d11.dll", "renderer");
    auto discarded = [&](const std::string& message, const std::string& why) {
        refused(root, message, why);
        EXPECT_FALSE(fs::exists(target)) << why;
    };
    // A link leaving staging is refused even though its content matches;
    // where it points decides, not whether its target still exists.
    writeFile(temp / "outside.dll", "library");
    fs::create_symlink(temp / "outside.dll", shipped / "lib/outside.dll");
    writeManifest();
    discarded(kRejected, "escaping link");
    fs::remove(temp / "outside.dll");
    discarded(kRejected, "dangling link");
    fs::remove(shipped / "lib/outside.dll");
    writeManifest();
    writeFile(shipped / "lib/wine/data.dll", "tampered");
    discarded(kRejected, "tampered file");
    shipEngine();

    for (const char* links : {R"({"lib/wine/d3d11.dll": "../Frameworks/renderer/wine/d3d11.dll"})",
                              R"({"lib/wine/d3d11.dll": "/etc/hostname"})",
                              R"({"/lib/d3d11.dll": "renderer/wine/d3d11.dll"})",
                              R"({"lib//../../d3d11.dll": "renderer/wine/d3d11.dll"})"}) {
        writeFile(resources / "dependency-links.json", links);
        discarded("Invalid runtime dependency manifest.", links);
    }
    writeFile(resources / "dependency-links.json", R"({"lib/wine/d3d12.dll": "renderer/wine/d3d 12.dll"})");
    discarded("Missing dependency: renderer/wine/d3d 12.dll", "missing dependency");

    // Unlisted links carry nothing outside: not the engine's through which
    // a dependency link would be made, nor the package's it would point to.
    fs::create_directories(temp / "outside");
    fs::create_directory_symlink(temp / "outside", shipped / "lib/out");
    writeFile(resources / "dependency-links.json", R"({"lib/out/sub/d3d11.dll": "renderer/wine/d3d11.dll"})");
    discarded(kRejected, "link through an engine link");
    EXPECT_TRUE(fs::is_empty(temp / "outside"));
    fs::remove(shipped / "lib/out");
    writeFile(temp / "secret.dll", "secret");
    fs::create_symlink(temp / "secret.dll", root / "deps/Frameworks/renderer/secret.dll");
    writeFile(resources / "dependency-links.json", R"({"lib/wine/secret.dll": "renderer/secret.dll"})");
    discarded("Missing dependency: renderer/secret.dll", "package link leading outside");
    writeFile(resources / "dependency-links.json", "{}");

    // A listed file missing from the copy is the file system's error, as it comes.
    writeManifest({{"lib/wine/gone.dll", std::string(64, '0')}});
    const auto missing = install();
    EXPECT_TRUE(missing.starts_with(kUpdating + "ERROR: <not a Failure: ")) << missing;
    EXPECT_NE(missing.find("gone.dll"), std::string::npos) << missing;
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(stagingLeft(root));
}

TEST_F(EngineInstall, TheStartupCheckLooksForWineInAnyCase) {
    const std::string failed =
        kUpdating + "ERROR: The new engine didn't pass its startup check. Your previous engine is unchanged.";
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {"11.0", 0, failed},
        {"", 0, failed},
        {"wine-11.0", 3, kUpdating + "ERROR: wineserver failed (3). wineserver\n\nLogs: "},
        {"WINE-11.0", 0, kUpdating + kUpdated},
    };
    for (const auto& [says, serverStatus, start] : cases) {
        const fs::path at = oldEngine(temp / ("says-" + says + std::to_string(serverStatus)));
        shipEngine(says, serverStatus);
        const auto outcome = install(at);
        EXPECT_TRUE(outcome.starts_with(start)) << says << ": " << outcome;
        if (start == kUpdating + kUpdated) continue;
        EXPECT_EQ(ludowell::readFile(at / "engine-selection.json"), kOldSelection) << says;
        EXPECT_TRUE(fs::exists(at / target.filename())) << "a checked target stays for the next attempt";
    }
}

TEST_F(EngineInstall, ARuntimeInUseIsNotTouched) {
    ASSERT_EQ(install(), kUpdating + kUpdated);
    // A process started from anywhere inside the data root.
    LiveProcess anywhere(root / "engine-old/bin/sleep");
    // Steam opens with the engine current: that must go on working.
    auto current = install();
    oldEngine(root);
    auto live = install();
    anywhere.end();
    EXPECT_EQ(current, "");
    EXPECT_EQ(live, "ERROR: Save and close your game and Steam before updating game components.");
    EXPECT_EQ(ludowell::readFile(root / "engine-selection.json"), kOldSelection);

    // A server that lingers after the last program is waited out...
    const fs::path lingering = oldEngine(temp / "lingering");
    writeFile(lingering / "engine-1-0/bin/wineserver", script("exec sleep 2"), true);
    EXPECT_EQ(install(lingering), kUpdating + kUpdated);

    // ...but a server still answering "-w" while a program of the data root
    // runs means Steam or the game is up.
    const fs::path busy = oldEngine(temp / "busy");
    writeFile(busy / "engine-1-0/bin/wineserver", script("exec sleep 5"), true);
    LiveProcess steam(busy / "engine-1-0/bin/steam");
    auto serving = install(busy);
    steam.end();
    EXPECT_EQ(serving, "ERROR: Save and close AoE IV and this app's Steam client before setting up or repairing "
                       "the environment.");
}

TEST_F(EngineInstall, AnEngineChangeUpdatesAnExistingPrefixUnhurried) {
    oldEngine(root);
    writeFile(root / "prefix/system.reg", "WINE REGISTRY Version 2\n");
    timing.prefixUpdateLimit = 0.2;
    writeFile(shipped / "bin/wine",
          script("[ \"$1\" = wineboot ] && { echo \"$@\" >> \"$WINEPREFIX.calls\"; sleep 1; }\necho wine-11.0"), true);
    writeManifest();
    EXPECT_NE(install().find("ERROR: "), std::string::npos) << "the update must be given its own limit";
    EXPECT_EQ(ludowell::readFile(root / "engine-selection.json"), kOldSelection) << "switched before the update";
    timing = {};
    EXPECT_EQ(install(), kUpdating + kUpdated);
    EXPECT_EQ(ludowell::readFile(root / "prefix.calls"), "wineboot --update\nwineboot --update\n");
}

// Mach-O files are compared without their signatures. This signer marks a
// signed file by a trailer that "--remove-signature" cuts off, and can be
// made to fail after the copy. Hashing folders go into the data root; a
// private temporary folder shows that none goes anywhere else.
TEST_F(EngineInstall, MachODigestsIgnoreTheSignatureOnly) {
    writeFile(resources / "Testbed/codesign",
          script("case \"$1\" in\n"
                 "--verify) [ \"$(tail -c 8 \"$3\")\" = '+SIGNED' ] || { echo \"$3: invalid signature\"; exit 1; } ;;\n"
                 "--remove-signature) grep -q NOSTRIP \"$2\" && exit 2; truncate -s -8 \"$2\" ;;\n"
                 "esac"),
          true);
    fs::create_directories(temp / "tmp");
    ScopedEnv hashTemp("TMPDIR", (temp / "tmp").string());
    const auto unsignedFormat = ludowell::EngineManifest{kVersion, {}, ludowell::kUnsignedMachOFormat};
    const auto rt = runtime(root);
    // Files too short for a Mach-O header, or none, are hashed as they are,
    // without starting the signer (which would leave a command log).
    for (const std::string bytes : {"", "\xCF\xFA\xED", "#!/bin/sh\n"}) {
        writeFile(temp / "plain", bytes);
        EXPECT_EQ(ludowell::engineDigest(rt, temp / "plain", unsignedFormat), ludowell::digest(temp / "plain"));
    }
    EXPECT_FALSE(fs::exists(root / "logs"));
    EXPECT_THROW(ludowell::engineDigest(rt, temp / "missing", unsignedFormat), std::system_error);
    for (const char* magic : {"\xCF\xFA\xED\xFE", "\xCE\xFA\xED\xFE", "\xCA\xFE\xBA\xBE", "\xBE\xBA\xFE\xCA",
                              "\xCA\xFE\xBA\xBF"}) {
        writeFile(temp / "body", std::string(magic, 4) + "machine code");
        writeFile(temp / "signed", std::string(magic, 4) + "machine code+SIGNED\n");
        EXPECT_EQ(ludowell::engineDigest(rt, temp / "signed", unsignedFormat), ludowell::digest(temp / "body"));
    }
    EXPECT_EQ(ludowell::readFile(temp / "signed"), std::string("\xCA\xFE\xBA\xBF", 4) + "machine code+SIGNED\n")
        << "only the copy loses its signature";
    const auto byteForByte = ludowell::EngineManifest{kVersion, {}, std::nullopt};
    EXPECT_EQ(ludowell::engineDigest(rt, temp / "signed", byteForByte), ludowell::digest(temp / "signed")) << "no format given";

    // A signer failing after the copy still cleans up; the copies never
    // went to the shared temporary folder.
    writeFile(temp / "nostrip", std::string("\xCF\xFA\xED\xFE", 4) + "NOSTRIP+SIGNED\n");
    EXPECT_THROW(ludowell::engineDigest(rt, temp / "nostrip", unsignedFormat), ludowell::Failure);
    EXPECT_TRUE(fs::is_empty(temp / "tmp"));
    EXPECT_FALSE(stagingLeft(root));
}

// The testbed's engine, manifest and signer exactly as the build ships them,
// but with one changed byte under the signature of a Mach-O library.
TEST(TestbedEngine, ABrokenSignatureIsRefused) {
    testbed::World world;
    world.exportToThisProcess();
    fs::create_directories(world.dir / "tmp");
    ScopedEnv hashTemp("TMPDIR", (world.dir / "tmp").string());
    const fs::path shipped = world.bundle / "Contents/Resources";
    const fs::path copy = world.dir / "Resources";
    fs::create_directories(copy);
    fs::copy(fs::canonical(shipped / "Engine"), copy / "Engine", fs::copy_options::recursive);
    for (const char* file : {"engine-manifest.json", "dependency-links.json"}) fs::copy(shipped / file, copy);
    std::fstream(copy / "Engine/lib/wine/x86_64-unix/ntdll.so", std::ios::in | std::ios::out | std::ios::binary)
        .seekp(100).put('!');
    const ludowell::Runtime tampered(world.dataRoot("tampered"), copy);
    writeFile(tampered.frameworks() / "renderer/d3dmetal/external/libd3dshared.dylib", "renderer");
    const auto refused = update(tampered);
    EXPECT_TRUE(refused.starts_with(kUpdating + "ERROR: codesign failed (1). ")) << refused;
    EXPECT_NE(refused.find("invalid signature"), std::string::npos) << refused;
    EXPECT_EQ(tampered.engine(), tampered.root() / "engine");
    EXPECT_FALSE(stagingLeft(tampered.root()));
    EXPECT_TRUE(fs::is_empty(world.dir / "tmp"));
}

// A power cut after an engine install: the data root on a loop-mounted
// ext4 image, copied the moment a run has ended as a cut leaves it (the
// journal committed, data still in memory lost), repaired with e2fsck
// and mounted in its place. The next run must work on what the disk kept.
int sh(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

TEST(PowerCut, TheNextRunWorksOnWhatTheDiskKeptAfterAnEngineInstall) {
    if (::geteuid() != 0) GTEST_SKIP() << "loop mounts need root";
    testbed::World world;
    const std::string image = (world.dir / "disk.img").string(), cut = (world.dir / "cut.img").string();
    const fs::path disk = world.dataRoot("disk"), root = disk / "aoe4";
    const std::string mount = "mount -o loop '" + image + "' '" + disk.string() + "'";
    fs::create_directories(disk);
    ASSERT_EQ(sh("truncate -s 192M '" + image + "' && mke2fs -q -t ext4 '" + image + "'"), 0);
    if (sh(mount) != 0) GTEST_SKIP() << "loop devices are not available here";
    struct Unmount {
        fs::path at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{disk};
    const auto manifest = world.bundle / "Contents/Resources/engine-manifest.json";
    for (const std::string version : {"11-0-1", "11-0-9"}) {
        SCOPED_TRACE(version);
        auto shipped = json::parse(*ludowell::readFile(manifest));
        shipped["version"] = version;
        fs::remove(manifest);  // a link to the build's own
        writeFile(manifest, shipped.dump());
        const auto run = world.ludowell({"--command", "prepare", "--data-root", root.string()});
        ASSERT_EQ(run.status, 0) << run.output;

        // One small synced file commits the journal at once. Detached, not
        // waited for: Wine's server lingers a few seconds on the disk.
        ASSERT_EQ(sh("echo commit | dd of='" + (disk / "probe").string() + "' conv=fsync"), 0);
        ASSERT_EQ(sh("cp --sparse=always '" + image + "' '" + cut + "'"), 0);
        ::umount2(disk.c_str(), MNT_DETACH);
        ASSERT_LE(sh("e2fsck -fy '" + cut + "'") >> 8, 1) << "e2fsck could not repair the disk";
        fs::rename(cut, image);
        ASSERT_EQ(sh(mount), 0);
        ASSERT_NE(ludowell::readFile(root / "engine-selection.json").value_or("").find(version), std::string::npos)
            << "the cut must keep the switch, or it tests nothing";
        const auto next = world.ludowell({"--command", "check", "--data-root", root.string()});
        EXPECT_EQ(next.status, 0) << next.output;
    }
}

}  // namespace
