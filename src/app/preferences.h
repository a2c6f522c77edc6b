#pragma once
// The user's choices kept between runs: the overlay switch and the data
// folder chosen for each game. Every reader and writer goes through here.
#include <QSettings>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace ludowell {

class Preferences {
public:
    // `file`: an INI file; empty: the application's user defaults.
    explicit Preferences(const QString& file = {});

    // Gives Qt the names it files the user defaults under. On a Mac they
    // make the bundle identifier, the domain the update framework keeps
    // its keys in too; elsewhere a folder of the organisation's.
    static void nameApplication();

    bool overlay() const;
    // Flushed at once, so a crash cannot lose it.
    void setOverlay(bool on);

    // None until the user chose one.
    std::optional<std::filesystem::path> dataRoot(const std::string& gameID) const;
    void setDataRoot(const std::string& gameID, const std::filesystem::path& root);

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace ludowell
