#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/game_profile.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/failure_text.h"

using ludowell::GameProfile;
using nlohmann::json;

namespace {

constexpr const char* kInvalid = "This game profile is invalid.";
constexpr const char* kDuplicate = "The game library contains duplicate or missing games.";
constexpr const char* kAoe = "The Age of Empires optimization requires its validated game profile.";

json aoeEntry() { return GameProfile::aoeIV().toJson(); }

json plainEntry(const std::string& id = "demo") {
    return {{"id", id}, {"title", "Demo"}, {"edition", ""}, {"subtitle", ""}, {"steamID", "42"},
            {"installFolder", "Demo Game"}, {"executable", "demo.exe"}, {"artwork", "demo.jpg"}, {"optimization", "none"}};
}

json with(json entry, const std::string& key, const json& value) {
    entry[key] = value;
    return entry;
}
json without(json entry, const std::string& key) {
    entry.erase(key);
    return entry;
}

std::string decodeFailure(const json& catalog) { return failureText([&] { GameProfile::decodeCatalog(catalog.dump()); }); }
std::string entryFailure(const json& entry) { return decodeFailure(json::array({entry})); }

}  // namespace

TEST(Catalog, JudgedAsAWholeWithDuplicatesAndEmptyFirst) {
    EXPECT_EQ(decodeFailure(json::array()), kDuplicate);
    json bad = with(plainEntry("same"), "steamID", "");
    EXPECT_EQ(decodeFailure(json::array({bad, with(bad, "optimization", "None")})), kDuplicate);
    EXPECT_EQ(decodeFailure(json::array({plainEntry("Demo"), plainEntry("demo")})), kNoFailure);
    // One bad entry refuses them all; the first bad entry names the reason.
    json broken = with(plainEntry("second"), "installFolder", "..");
    json aoeBad = with(aoeEntry(), "executable", "Other.exe");
    EXPECT_EQ(decodeFailure(json::array({plainEntry("first"), broken})), kInvalid);
    EXPECT_EQ(decodeFailure(json::array({aoeBad, broken})), kAoe);
    EXPECT_EQ(decodeFailure(json::array({broken, aoeBad})), kInvalid);
}

TEST(Catalog, IdSteamIDAndFileNameRules) {
    EXPECT_EQ(entryFailure(plainEntry("Aoe-4-x")), kNoFailure);
    // The fourth is "e" with a combining accent: one character, not ASCII.
    for (const char* id : {"", "aoe_4", "aoe 4", "cafe\xCC\x81", "aoe4!"})
        EXPECT_EQ(entryFailure(plainEntry(id)), kInvalid) << id;
    // The last is "14" in full-width digits.
    for (const char* steamID : {"", "14a6", " 14", "-1", "\xEF\xBC\x91\xEF\xBC\x94"})
        EXPECT_EQ(entryFailure(with(plainEntry(), "steamID", steamID)), kInvalid) << steamID;
    // File names are single plain components.
    for (const char* key : {"installFolder", "executable", "artwork"}) {
        for (const char* name : {"", ".", "..", "a/b", "a\\b", "dir/"})
            EXPECT_EQ(entryFailure(with(plainEntry(), key, name)), kInvalid) << key << " " << name;
        for (const char* name : {"...", "..hidden", "Age of Empires IV"})
            EXPECT_EQ(entryFailure(with(plainEntry(), key, name)), kNoFailure) << key << " " << name;
    }
    // Shown texts are not checked.
    EXPECT_EQ(entryFailure(with(with(plainEntry(), "title", "a/b"), "subtitle", "..")), kNoFailure);
}

TEST(Catalog, AgeOfEmpiresOptimizationNeedsTheReferenceProfile) {
    EXPECT_EQ(entryFailure(aoeEntry()), kNoFailure);
    EXPECT_EQ(entryFailure(with(with(aoeEntry(), "id", "other"), "title", "Other")), kNoFailure);
    EXPECT_EQ(entryFailure(with(plainEntry(), "optimization", "None")), kInvalid);
    EXPECT_EQ(entryFailure(with(aoeEntry(), "optimization", "AOE4-cache-v1")), kInvalid);

    std::string upper = *GameProfile::aoeIV().validatedSHA256;
    for (auto& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    for (const auto& [key, value] : std::vector<std::pair<std::string, json>>{
             {"validatedSHA256", upper}, {"validatedSHA256", nullptr}, {"steamID", "1466861"},
             {"installFolder", "Age of Empires 4"}, {"executable", "reliccardinal.exe"}})
        EXPECT_EQ(entryFailure(with(aoeEntry(), key, value)), kAoe) << key << " " << value;
    EXPECT_EQ(entryFailure(with(with(aoeEntry(), "optimization", "none"), "validatedSHA256", upper)), kNoFailure);
}

TEST(Catalog, DecodingAndEncoding) {
    json entry = with(with(plainEntry(), "validatedSHA256", nullptr), "unknownKey", 7);
    auto profiles = GameProfile::decodeCatalog(json::array({entry, aoeEntry()}).dump());
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[1], GameProfile::aoeIV());
    // Keys in field order; an absent digest is left out, so a null one was read as absent.
    EXPECT_EQ(profiles[0].toJson().dump(),
              R"({"id":"demo","title":"Demo","edition":"","subtitle":"","steamID":"42",)"
              R"("installFolder":"Demo Game","executable":"demo.exe","artwork":"demo.jpg","optimization":"none"})");

    // Decoding errors pass through unchanged, never as a Failure.
    for (const json& bad : {without(plainEntry(), "title"), without(with(plainEntry(), "steamId", "42"), "steamID"),
                            with(plainEntry(), "steamID", 42), with(plainEntry(), "validatedSHA256", 1)})
        EXPECT_EQ(entryFailure(bad).rfind("<not a Failure: ", 0), 0u) << bad;
    EXPECT_THROW(GameProfile::decodeCatalog("[{"), json::exception);
    EXPECT_THROW(GameProfile::decodeCatalog(plainEntry().dump()), json::exception);
}

// A missing catalog is told through the app (e2e CommandMode.AMissingCatalogNeverHangsAHeadlessRun).
TEST(Catalog, LoadFromResources) {
    TempDir dir;
    writeFile(dir / "games.json", json::array({plainEntry("b"), plainEntry("a")}).dump());
    auto profiles = GameProfile::load(dir.path());
    ASSERT_EQ(profiles.size(), 2u);
    EXPECT_EQ(profiles[0].id, "b");

    auto shipped = GameProfile::load(std::filesystem::path(LUDOWELL_SOURCE_DIR) / "resources");
    EXPECT_EQ(shipped, std::vector{GameProfile::aoeIV()});
}
