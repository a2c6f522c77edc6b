#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "runtime/runtime.h"
#include "support/temp_dir.h"
#include "support/scoped_env.h"
#include "testbed_host.h"

using ludowell::GameProfile;
using ludowell::Runtime;
namespace fs = std::filesystem;

TEST(Environment, InheritedVariablesAreFilteredByPrefix) {
    TempDir dir;
    const std::vector<const char*> gone = {"WINE_LARGE_ADDRESS_AWARE", "DYLD_INSERT_LIBRARIES", "CX_ROOT",
                                           "X87_DOUBLE", "AOE_SOFTFAULT_MODE", "GST_DEBUG", "ROSETTA_DEBUG",
                                           "MTL_DEBUG", "D3DM_LOG", "TRIVEN_SIDECAR_PATH"};
    std::vector<std::unique_ptr<ScopedEnv>> inherited;
    for (const char* name : gone) inherited.push_back(std::make_unique<ScopedEnv>(name, "inherited"));
    for (const char* name : {"WINEDEBUG", "MVK_CONFIG_LOG_LEVEL", "MY_WINE_NOTE", "winedebug"})
        inherited.push_back(std::make_unique<ScopedEnv>(name, "inherited"));
    ScopedEnv path("PATH", "/custom/bin:/usr/bin");

    auto env = Runtime(dir / "root", dir / "res").environment(false, false);
    for (const char* name : gone) EXPECT_EQ(env.count(name), 0u) << name;
    EXPECT_EQ(env["WINEDEBUG"], "-all");
    EXPECT_EQ(env["MVK_CONFIG_LOG_LEVEL"], "1");
    EXPECT_EQ(env["PATH"], "/custom/bin:/usr/bin");
    // Prefixes count only at the start of the name, and case-sensitively.
    EXPECT_EQ(env["MY_WINE_NOTE"], "inherited");
    EXPECT_EQ(env["winedebug"], "inherited");
}

// The end-to-end journey checks the prefix, debug, override and registry variables.
TEST(Environment, VariablesFollowTheSelectedEngine) {
    TempDir dir;
    const std::string r = (dir / "root").string();
    const std::string fw = r + "/deps/Frameworks";
    Runtime runtime(dir / "root", dir / "res");
    const std::map<std::string, std::string> expected = {
        {"WINESERVER", r + "/engine/bin/wineserver"},
        {"WINELOADER", r + "/engine/bin/wine"},
        {"WINEDLLPATH", fw + "/renderer/d3dmetal/wine:" + r + "/engine/lib/wine"},
        {"ROSETTA_ADVERTISE_AVX", "1"}, {"WINEMSYNC", "1"}, {"WINEESYNC", "0"}, {"MTL_HUD_ENABLED", "0"},
        {"D3DM_ENABLE_METALFX", "0"}, {"MVK_CONFIG_LOG_LEVEL", "1"}, {"TRIVEN_STEAM_SINGLEPROCESS", "1"},
        {"DYLD_FALLBACK_LIBRARY_PATH", fw + ":" + fw + "/GStreamer.framework/Versions/1.0/lib:/usr/lib"},
        {"GST_PLUGIN_PATH", fw + "/GStreamer.framework/Versions/1.0/lib/gstreamer-1.0"},
    };
    // Complete before anything exists on disk.
    auto env = runtime.environment(false, true);
    for (const auto& [name, value] : expected) EXPECT_EQ(env[name], value) << name;
    EXPECT_EQ(runtime.environment(true, false)["MTL_HUD_ENABLED"], "1");
    EXPECT_FALSE(fs::exists(dir / "root"));

    fs::create_directories(dir / "root");
    std::ofstream(dir / "root/engine-selection.json") << R"({"current":"11-2-3"})";
    env = runtime.environment();
    EXPECT_EQ(env["WINELOADER"], r + "/engine-11-2-3/bin/wine");
    EXPECT_EQ(env["WINESERVER"], r + "/engine-11-2-3/bin/wineserver");
    EXPECT_EQ(env["WINEDLLPATH"], fw + "/renderer/d3dmetal/wine:" + r + "/engine-11-2-3/lib/wine");
}

TEST(Environment, OptimizationOnlyForTheExactNameAndOnlyWhenOptimized) {
    TempDir dir;
    const testbed::Host host({.bundle = "/Applications/Ludowell.app"});
    ScopedEnv inherited("TRIVEN_SIDECAR_PATH", "/inherited/Corvantle");
    const char* optimizationVars[] = {"TRIVEN_SOFTFAULT_GAME", "TRIVEN_CODE_CACHE_GAME", "TRIVEN_SIDECAR_PATH"};

    Runtime aoe(dir / "root", dir / "res", GameProfile::aoeIV(), host);
    auto env = aoe.environment(false, true);
    EXPECT_EQ(env["TRIVEN_SOFTFAULT_GAME"], "1");
    EXPECT_EQ(env["TRIVEN_CODE_CACHE_GAME"], "1");
    EXPECT_EQ(env["TRIVEN_SIDECAR_PATH"], "/Applications/Ludowell.app/Contents/Helpers/Corvantle");
    env = aoe.environment(true, false);
    for (const char* name : optimizationVars) EXPECT_EQ(env.count(name), 0u) << name;

    // Profiles are not validated here, so near misses must not count either.
    for (const char* name : {"none", "AOE4-cache-v1", "aoe4-cache-v1 "}) {
        GameProfile profile = GameProfile::aoeIV();
        profile.optimization = name;
        env = Runtime(dir / "root", dir / "res", profile, host).environment(false, true);
        for (const char* var : optimizationVars) EXPECT_EQ(env.count(var), 0u) << name << " " << var;
        EXPECT_EQ(env["TRIVEN_STEAM_SINGLEPROCESS"], "1");
    }
}

TEST(Environment, RootIsStandardizedAndDefaultsUnderTheUserDataFolder) {
    TempDir dir;
    EXPECT_EQ(Runtime(dir / "a/b/../c", dir / "res").root(), dir / "a/c");
    EXPECT_EQ(Runtime(dir / "a/./b/", dir / "res").prefix(), dir / "a/b/prefix");
    fs::create_directories(dir / "real");
    fs::create_directory_symlink(dir / "real", dir / "link");
    EXPECT_EQ(Runtime(dir / "link/x", dir / "res").root(), dir / "link/x");  // links stay

    {
        ScopedEnv data("XDG_DATA_HOME", (dir / "xdg").string());
        GameProfile other = GameProfile::aoeIV();
        other.id = "other";
        EXPECT_EQ(Runtime(std::nullopt, dir / "res").root(), dir / "xdg/Hollowmere/Games/aoe4");
        EXPECT_EQ(Runtime(std::nullopt, dir / "res", other).root(), dir / "xdg/Hollowmere/Games/other");
    }
    ScopedEnv data("XDG_DATA_HOME", std::nullopt);
    ScopedEnv home("HOME", (dir / "home/../home").string());
    EXPECT_EQ(Runtime(std::nullopt, dir / "res").root(), dir / "home/.local/share/Hollowmere/Games/aoe4");
    EXPECT_FALSE(fs::exists(dir / "xdg"));
}
