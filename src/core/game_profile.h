#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

namespace ludowell {

struct GameProfile {
    std::string id;
    std::string title;
    std::string edition;
    std::string subtitle;
    std::string steamID;
    std::string installFolder;
    std::string executable;
    std::string artwork;
    std::string optimization;
    std::optional<std::string> validatedSHA256;

    // The reference entry that catalog entries asking for the Age of Empires
    // optimization must match.
    static const GameProfile& aoeIV();

    // Loads "games.json" from the resources folder; the catalog is accepted
    // only as a whole.
    static std::vector<GameProfile> load(const std::filesystem::path& resources);
    static std::vector<GameProfile> decodeCatalog(const std::string& text);

    void validate() const;

    static GameProfile fromJson(const nlohmann::json& object);
    nlohmann::ordered_json toJson() const;  // keys in field order

    bool operator==(const GameProfile&) const = default;
};

}  // namespace ludowell
