#include <gtest/gtest.h>

#include "core/library_snapshot.h"
#include "runtime/library_state.h"
#include "runtime/runtime.h"
#include "support/files.h"
#include "support/temp_dir.h"

using ludowell::GameStage;
using ludowell::LibrarySnapshot;
namespace fs = std::filesystem;

namespace {

// Laid out the way Steam writes it: nested, tab-separated, quoted.
std::string manifest(const std::string& state, const std::string& done = "0", const std::string& total = "0") {
    return "\"AppState\"\n{\n\t\"appid\"\t\t\"1466860\"\n\t\"StateFlags\"\t\t\"" + state +
           "\"\n\t\"installdir\"\t\t\"Age of Empires IV\"\n\t\"BytesToDownload\"\t\t\"" + total +
           "\"\n\t\"BytesDownloaded\"\t\t\"" + done +
           "\"\n\t\"UserConfig\"\n\t{\n\t\t\"language\"\t\t\"english\"\n\t}\n}\n";
}

const LibrarySnapshot kSetup{GameStage::setup}, kSignIn{GameStage::signIn}, kInstall{GameStage::install},
    kReady{GameStage::ready};
LibrarySnapshot downloading(double fraction) { return {GameStage::downloading, fraction}; }

}  // namespace

// Setup until the environment is prepared and Steam installed; after that
// Steam's manifest, the game and the sign-in marker, from where they lie.
TEST(Snapshot, SetupUntilPreparedAndSteamInstalledThenTheManifest) {
    TempDir dir;
    const ludowell::Runtime runtime(dir / "root", dir / "res");
    EXPECT_EQ(inspectLibrary(runtime), kSetup);
    writeFile(runtime.steam());
    writeFile(runtime.game());
    writeFile(runtime.root() / "steam-sign-in-confirmed");
    writeFile(runtime.steamFolder() / "steamapps/appmanifest_1466860.acf", manifest("4"));
    EXPECT_EQ(inspectLibrary(runtime), kSetup) << "no marker";
    writeFile(runtime.root() / "runtime-ready", "runtime-v1\n");
    EXPECT_EQ(inspectLibrary(runtime), kReady);
    fs::remove(runtime.game());
    EXPECT_EQ(inspectLibrary(runtime), kInstall);
    fs::remove(runtime.root() / "steam-sign-in-confirmed");
    EXPECT_EQ(inspectLibrary(runtime), kSignIn);
    fs::remove(runtime.steam());
    EXPECT_EQ(inspectLibrary(runtime), kSetup) << "no Steam";
}

TEST(Snapshot, StageFromTheManifest) {
    const auto signedIn = [](const std::string& acf) { return LibrarySnapshot::fromAppManifest(acf, false, true); };
    const auto installed = [](const std::string& acf) { return LibrarySnapshot::fromAppManifest(acf, true, false); };
    EXPECT_EQ(LibrarySnapshot::fromAppManifest("", false, false), kSignIn);
    EXPECT_EQ(LibrarySnapshot::fromAppManifest(manifest("4", "500", "1000"), false, false), kSignIn)
        << "state 4 is never downloading";
    EXPECT_EQ(signedIn(manifest("4", "500", "1000")), kInstall);
    EXPECT_EQ(signedIn(manifest("6")), kInstall);
    // A manifest that is not UTF-8 counts as empty.
    EXPECT_EQ(signedIn("\"StateFlags\"\t\"6\"\n\"BytesToDownload\"\t\"100\"\n\xff\xfe"), kInstall);

    EXPECT_EQ(installed(manifest("4", "500", "1000")), kReady);
    EXPECT_EQ(installed(manifest("1026", "500", "1000")), downloading(0.5));
    EXPECT_EQ(installed(manifest("6", "2000", "1000")), downloading(1.0));
    EXPECT_EQ(installed(manifest("6", "-5", "1000")), downloading(0.0));
    EXPECT_EQ(installed(manifest("6", "garbage", "1000")), downloading(0.0));
    EXPECT_EQ(installed(manifest("6", "250.5", "1e3")), downloading(0.2505));
    // State 4 with another flag is not fully installed.
    EXPECT_EQ(installed(manifest("1030")), kSignIn);
    // StateFlags must be a plain integer.
    for (const char* state : {" 4", "4 ", "4.0", "0x4", ""})
        EXPECT_EQ(installed(manifest(state)), kSignIn) << "'" << state << "'";
    EXPECT_EQ(installed(manifest("+4")), kReady);
    EXPECT_EQ(installed(manifest(" 4", "10", "20")), downloading(0.5));  // parsed as 0
}

TEST(SnapshotValue, FirstQuotedValueOfTheLiteralKey) {
    using V = LibrarySnapshot;
    EXPECT_EQ(V::value("StateFlags", manifest("4", "1", "2")), "4");
    EXPECT_EQ(V::value("StateFlags", "\"AppState\"\n{\n\t\"StateFlags\"\n\t\t\"1026\"\n}"), "1026");
    EXPECT_EQ(V::value("name", "{\n\t{\n\t\t\"name\" \"inner\"\n\t}\n\t\"name\" \"outer\"\n}"), "inner");
    // Metacharacters in the key are literal.
    EXPECT_EQ(V::value("a.b", "\"aXb\"\t\"wrong\"\n\"a.b\"\t\"right\"\n"), "right");
    EXPECT_EQ(V::value("a+", "\"aa\" \"no\"\n\"a+\" \"yes\""), "yes");
    EXPECT_EQ(V::value("(x", "\"(x\" \"ok\""), "ok");
    // Case-sensitive whole key, white space required, empty value allowed.
    EXPECT_EQ(V::value("stateflags", manifest("4", "1", "2")), std::nullopt);
    EXPECT_EQ(V::value("Flags", "\"StateFlags\" \"4\""), std::nullopt);
    EXPECT_EQ(V::value("k", "\"k\"\"v\""), std::nullopt);
    EXPECT_EQ(V::value("k", "\"k\" \"\""), "");
    // An occurrence without a value gives way to the next one.
    EXPECT_EQ(V::value("k", "\"k\" {\n\"k\" \"later\""), "later");
    EXPECT_EQ(V::value("k", "\"k\" \"unterminated"), std::nullopt);
}
