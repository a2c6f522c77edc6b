#pragma once
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/game_profile.h"
#include "platform/host.h"

namespace ludowell {

namespace fs = std::filesystem;
using Environment = std::map<std::string, std::string>;

// One game's private Windows environment on disk. Every path is derived
// from the data root on each access and every answer comes from files.
class Runtime {
public:
    explicit Runtime(std::optional<fs::path> root = std::nullopt,
                     std::optional<fs::path> resources = std::nullopt,
                     GameProfile profile = GameProfile::aoeIV(),
                     const platform::Host& host = platform::host());

    const fs::path& root() const { return root_; }
    const fs::path& resources() const { return resources_; }
    const GameProfile& profile() const { return profile_; }
    const platform::Host& host() const { return *host_; }

    static fs::path defaultRoot(const GameProfile& profile);

    // Layout.
    fs::path prefix() const;
    fs::path frameworks() const;
    fs::path renderer() const;
    fs::path engine() const;
    fs::path wine() const;
    fs::path server() const;
    fs::path steam() const;
    fs::path steamFolder() const;
    fs::path game() const;
    fs::path logs() const;
    fs::path marker(const std::string& name) const { return root_ / name; }

    // The renderer's DLLs that preparation copies into "system32".
    static constexpr std::array<const char*, 4> graphicsLibraries() {
        return {"dxgi", "d3d11", "d3d12", "atidxx64"};
    }

    bool exists(const fs::path& path) const;
    void make(const fs::path& folder) const;
    // Refuses a data root that Wine's colon-separated lists cannot name,
    // or whose deepest known folder would pass the system's path limit.
    void requireUsableRoot() const;

    Environment environment(bool hud = false, bool optimized = true) const;

    // Commands and downloads.
    std::string run(const fs::path& executable, const std::vector<std::string>& arguments,
                    const std::optional<Environment>& env = std::nullopt, double timeout = 120,
                    const std::set<int>& allow = {0}) const;
    // A transfer that grows past `limit` bytes (0: no bound) is cut off:
    // it cannot be the pinned file.
    void download(const std::string& source, const fs::path& to, const std::string& sha,
                  std::uint64_t limit = 0) const;

    // Host checks and session control.
    void hostCheck() const;
    bool running() const;
    void requireIdle() const;
    void stop() const;
    void check() const;

    // Preparation and Steam. Each brings the engine up to date before Wine
    // runs, through `currentEngine`: that step belongs to the layer above.
    using EngineStep = std::function<void(const Runtime&)>;
    void prepare(const EngineStep& currentEngine) const;
    void installSteam(const EngineStep& currentEngine, bool hud = false) const;
    void openSteam(const EngineStep& currentEngine, bool play, bool hud, bool install = false) const;

    // "engine-selection.json", which names the engine `engine()` gives.
    fs::path engineSelectionFile() const;

    // How long Wine gets for its slow steps; the defaults are the product's.
    struct Timing {
        double registryWait = 90;
        double prefixUpdateLimit = 180;
    };
    const Timing& timing() const { return timing_; }
    void setTiming(Timing timing) { timing_ = timing; }

private:
    // `run` that also ends the tool as soon as `enough` says so, and then
    // returns none.
    std::optional<std::string> runUntil(const fs::path& executable, const std::vector<std::string>& arguments,
                                        const std::optional<Environment>& env, double timeout,
                                        const std::set<int>& allow, const std::function<bool()>& enough) const;

    const platform::Host* host_;
    fs::path root_;
    fs::path resources_;
    GameProfile profile_;
    Timing timing_;
};

}  // namespace ludowell
