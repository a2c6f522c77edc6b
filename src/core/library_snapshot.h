#pragma once
#include <optional>
#include <string>

namespace ludowell {

enum class GameStage { setup, signIn, install, downloading, ready, running };

std::string rawValue(GameStage stage);
std::optional<GameStage> gameStageFromRaw(const std::string& raw);

// One game's stage, worked out from files alone: no process, no failure.
struct LibrarySnapshot {
    GameStage stage = GameStage::setup;
    std::optional<double> download;  // only with `downloading`, within 0...1

    // The first quoted value following the quoted key, anywhere in a
    // Valve key-value text.
    static std::optional<std::string> value(const std::string& key, const std::string& text);
    // The stage of a prepared runtime with Steam installed, from the text of
    // the game's Steam application manifest and two facts from the disk.
    static LibrarySnapshot fromAppManifest(std::string manifest, bool gameInstalled, bool signInConfirmed);

    bool operator==(const LibrarySnapshot&) const = default;
};

}  // namespace ludowell
