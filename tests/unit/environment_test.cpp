#include <gtest/gtest.h>

#include <list>

#include "runtime/runtime.h"
#include "support/files.h"
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
    // Prefixes count only at the start of the name, and case-sensitively.
    const std::map<std::string, std::string> kept = {{"WINEDEBUG", "-all"}, {"MVK_CONFIG_LOG_LEVEL", "1"},
                                                     {"MY_WINE_NOTE", "inherited"}, {"winedebug", "inherited"}};
    std::list<ScopedEnv> inherited;
    for (const char* name : gone) inherited.emplace_back(name, "inherited");
    for (const auto& [name, value] : kept) inherited.emplace_back(name.c_str(), "inherited");
    inherited.emplace_back("PATH", "/custom/bin:/usr/bin");

    auto env = Runtime(dir / "root", dir / "res").environment(false, false);
    for (const char* name : gone) EXPECT_EQ(env.count(name), 0u) << name;
    for (const auto& [name, value] : kept) EXPECT_EQ(env[name], value) << name;
    EXPECT_EQ(env["PATH"], "/custom/bin:/usr/bin");
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

    writeFile(dir / "root/engine-selection.json", R"({"current":"11-2-3"})");
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
