#include <array>
#include <string_view>

#include "platform/platform.h"
#include "runtime/runtime.h"

extern char** environ;

namespace ludowell {
namespace {

// Inherited variables that could steer Wine, the loader or the renderer.
constexpr std::array<std::string_view, 10> kFilteredPrefixes = {
    "CX_", "WINE", "DYLD_", "ROSETTA_", "MTL_", "D3DM_", "GST_", "TRIVEN_", "AOE_SOFTFAULT_", "X87_"};

bool filtered(std::string_view name) {
    for (auto prefix : kFilteredPrefixes)
        if (name.starts_with(prefix)) return true;
    return false;
}

}  // namespace

Environment Runtime::environment(bool hud, bool optimized) const {
    Environment env;
    for (char** entry = environ; entry && *entry; ++entry) {
        std::string_view pair(*entry);
        auto equals = pair.find('=');
        if (equals == std::string_view::npos) continue;
        std::string name(pair.substr(0, equals));
        if (filtered(name) || env.count(name)) continue;
        env[name] = std::string(pair.substr(equals + 1));
    }

    const fs::path engineFolder = engine();
    const std::string frameworksPath = frameworks().string();
    env["WINEPREFIX"] = prefix().string();
    env["WINESERVER"] = (engineFolder / "bin/wineserver").string();
    env["WINELOADER"] = (engineFolder / "bin/wine").string();
    env["WINEDEBUG"] = "-all";
    env["WINEDLLPATH"] = (renderer() / "wine").string() + ":" + (engineFolder / "lib/wine").string();
    env["ROSETTA_ADVERTISE_AVX"] = "1";
    env["WINEMSYNC"] = "1";
    env["WINEESYNC"] = "0";
    env["MTL_HUD_ENABLED"] = hud ? "1" : "0";
    env["D3DM_ENABLE_METALFX"] = "0";
    env["MVK_CONFIG_LOG_LEVEL"] = "1";
    env["DYLD_FALLBACK_LIBRARY_PATH"] = frameworksPath + ":" + frameworksPath +
                                        "/GStreamer.framework/Versions/1.0/lib" + ":/usr/lib";
    env["GST_PLUGIN_PATH"] = frameworksPath + "/GStreamer.framework/Versions/1.0/lib/gstreamer-1.0";
    env["GST_REGISTRY"] = (root_ / "gstreamer-registry.bin").string();
    env["WINEDLLOVERRIDES"] =
        "winemenubuilder.exe=;mscoree,mshtml=;gameoverlayrenderer,gameoverlayrenderer64=;"
        "dxgi,d3d11,d3d12,atidxx64=n,b;nvapi64,nvngx=";
    env["TRIVEN_STEAM_SINGLEPROCESS"] = "1";

    if (optimized && profile_.optimization == "aoe4-cache-v1") {
        env["TRIVEN_SOFTFAULT_GAME"] = "1";
        env["TRIVEN_CODE_CACHE_GAME"] = "1";
        env["TRIVEN_SIDECAR_PATH"] = (host_->helpers() / "Corvantle").string();
    }
    return env;
}

}  // namespace ludowell
