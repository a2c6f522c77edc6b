#include "core/game_profile.h"

#include <fstream>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "core/failure.h"
#include "core/files.h"

namespace ludowell {
namespace {

constexpr const char* kInvalid = "This game profile is invalid.";

// All checks demand plain ASCII, so a byte test equals a test per
// user-perceived character: any non-ASCII byte fails either way.
bool isAsciiAlnum(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool validId(const std::string& s) {
    if (s.empty()) return false;
    for (unsigned char c : s)
        if (!isAsciiAlnum(c) && c != '-') return false;
    return true;
}

bool validSteamID(const std::string& s) {
    if (s.empty()) return false;
    for (unsigned char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool validFileName(const std::string& s) {
    if (s.empty() || s == "." || s == "..") return false;
    return s.find('/') == std::string::npos && s.find('\\') == std::string::npos;
}

}  // namespace

const GameProfile& GameProfile::aoeIV() {
    static const GameProfile profile{
        "aoe4",
        "Age of Empires IV",
        "ANNIVERSARY EDITION",
        "Build your empire. Make history.",
        "1466860",
        "Age of Empires IV",
        "RelicCardinal.exe",
        "aoe4-hero.jpg",
        "aoe4-cache-v1",
        std::string("5380c577805565817f528af6eac385263413fa6815553f9a31fa62561cb45e8c"),
    };
    return profile;
}

void GameProfile::validate() const {
    if (!validId(id)) throw Failure(kInvalid);
    if (!validSteamID(steamID)) throw Failure(kInvalid);
    for (const std::string* name : {&installFolder, &executable, &artwork})
        if (!validFileName(*name)) throw Failure(kInvalid);
    if (optimization != "none" && optimization != "aoe4-cache-v1") throw Failure(kInvalid);
    if (optimization == "aoe4-cache-v1") {
        const GameProfile& reference = aoeIV();
        if (steamID != "1466860" || installFolder != reference.installFolder ||
            executable != reference.executable || validatedSHA256 != reference.validatedSHA256)
            throw Failure("The Age of Empires optimization requires its validated game profile.");
    }
}

GameProfile GameProfile::fromJson(const nlohmann::json& object) {
    auto text = [&](const char* key) { return object.at(key).get<std::string>(); };
    GameProfile profile{text("id"),          text("title"),      text("edition"),
                        text("subtitle"),    text("steamID"),    text("installFolder"),
                        text("executable"),  text("artwork"),    text("optimization"),
                        std::nullopt};
    if (auto it = object.find("validatedSHA256"); it != object.end() && !it->is_null())
        profile.validatedSHA256 = it->get<std::string>();
    return profile;
}

nlohmann::ordered_json GameProfile::toJson() const {
    nlohmann::ordered_json object;
    object["id"] = id;
    object["title"] = title;
    object["edition"] = edition;
    object["subtitle"] = subtitle;
    object["steamID"] = steamID;
    object["installFolder"] = installFolder;
    object["executable"] = executable;
    object["artwork"] = artwork;
    object["optimization"] = optimization;
    if (validatedSHA256) object["validatedSHA256"] = *validatedSHA256;
    return object;
}

std::vector<GameProfile> GameProfile::decodeCatalog(const std::string& text) {
    nlohmann::json document = nlohmann::json::parse(text);
    if (!document.is_array())
        throw nlohmann::json::type_error::create(302, "type must be array, but is " + std::string(document.type_name()), &document);
    std::vector<GameProfile> profiles;
    for (const auto& entry : document) profiles.push_back(fromJson(entry));

    // Duplicates are judged before any entry is validated.
    std::set<std::string> ids;
    for (const auto& profile : profiles) ids.insert(profile.id);
    if (profiles.empty() || ids.size() != profiles.size())
        throw Failure("The game library contains duplicate or missing games.");
    for (const auto& profile : profiles) profile.validate();
    return profiles;
}

std::vector<GameProfile> GameProfile::load(const std::filesystem::path& resources) {
    const auto file = resources / "games.json";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw Failure("The game library is missing. Please reinstall this app.");
    return decodeCatalog(readWholeFile(file));
}

}  // namespace ludowell
