#include <gtest/gtest.h>

#include "engine/engine_manifest.h"
#include "runtime/runtime.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/failure_text.h"
#include "runtime/engine_selection.h"

using ludowell::EngineManifest;
using ludowell::EngineSelection;
using ludowell::Runtime;
namespace fs = std::filesystem;

namespace {

constexpr const char* kManifest = "Invalid engine update manifest.";
constexpr const char* kPath = "Invalid engine update path or hash.";
const std::string kSha(64, 'a');

EngineManifest valid() {
    return {"11-2-3", {{"bin/wine", kSha}, {"bin/wineserver", kSha}, {"lib/wine/x.so", kSha}}, std::nullopt};
}
std::string validation(const EngineManifest& manifest) {
    return failureText([&] { manifest.validate(); });
}
std::string withFile(const std::string& path, const std::string& sha = kSha) {
    EngineManifest manifest = valid();
    manifest.files[path] = sha;
    return validation(manifest);
}

}  // namespace

TEST(EngineManifest, FormatVersionAndRequiredFiles) {
    EXPECT_EQ(validation({"11-2-3", valid().files, "unsigned-macho-sha256-v1"}), kNoFailure);
    // The format is judged before anything else.
    for (const char* format : {"", "unsigned-macho-sha256-v2", "UNSIGNED-MACHO-SHA256-V1"})
        EXPECT_EQ(validation({"1.2", {}, std::string(format)}), "Unsupported engine manifest format.") << format;

    EXPECT_EQ(validation({std::string(99, 'z'), valid().files, std::nullopt}), kNoFailure);
    for (const std::string& version : {std::string("1.2"), std::string(), std::string(100, 'a'),
                                       std::string("11_2"), std::string("v\xC3\xA9")})
        EXPECT_EQ(validation({version, valid().files, std::nullopt}), kManifest) << version;

    EXPECT_EQ(validation({"11-2-3", {{"bin/wineserver", kSha}}, std::nullopt}), kManifest);
    EXPECT_EQ(validation({"11-2-3", {{"bin/wine", kSha}}, std::nullopt}), kManifest);
    EXPECT_EQ(validation({"11-2-3", {}, std::nullopt}), kManifest);
    // The manifest check comes before the per-file check.
    EXPECT_EQ(validation({"1.2", {{"bin/wine", kSha}, {"bin/wineserver", kSha}, {"/etc/passwd", "x"}}, std::nullopt}),
              kManifest);
}

TEST(EngineManifest, PathsAndDigests) {
    for (const char* path : {"bin//wine64", "/bin/wine64", "bin/wine64/", "./bin/wine64", "bin/./wine64",
                             "bin/../wine64", "..", ".", ""})
        EXPECT_EQ(withFile(path), kPath) << "'" << path << "'";
    for (const char* path : {"...", "..x/y", "bin/.hidden"}) EXPECT_EQ(withFile(path), kNoFailure) << path;

    for (const std::string& sha : {std::string(63, 'a'), std::string(65, 'a'), std::string(63, 'a') + "g"})
        EXPECT_EQ(withFile("lib/x", sha), kPath) << sha;
    EXPECT_EQ(withFile("bin/wine", std::string(63, '0') + " "), kPath);
    // Upper case is well formed, though it never equals a computed digest.
    EXPECT_EQ(withFile("lib/x", std::string(32, 'A') + std::string(32, 'f')), kNoFailure);

    auto decoded = EngineManifest::decode(R"({"version":"1","hashFormat":null,"files":{"bin/wine":"ab"}})");
    EXPECT_FALSE(decoded.hashFormat.has_value());
    EXPECT_EQ(decoded.files.at("bin/wine"), "ab");
    EXPECT_ANY_THROW(EngineManifest::decode(R"({"version":"1"})"));
}

TEST(EngineSelection, FallsBackToTheDefaultFolderAndEncodesCompactly) {
    TempDir dir;
    Runtime runtime(dir / "root", dir / "res");
    const fs::path root = runtime.root();
    EXPECT_EQ(runtime.engine(), root / "engine");

    auto select = [&](const std::string& text) {
        writeFile(root / "engine-selection.json", text);
        return runtime.engine();
    };
    for (const char* text : {"", "not json", "[]", "{}", R"({"previous":"engine-1"})", R"({"current":5})",
                             R"({"current":""})", R"({"current":"1.2"})", R"({"current":"../prefix"})"})
        EXPECT_EQ(select(text), root / "engine") << text;
    // A usable version is selected whether or not its folder exists.
    EXPECT_EQ(select(R"({"previous":"engine","current":"11-2-3"})"), root / "engine-11-2-3");
    EXPECT_FALSE(fs::exists(root / "engine-11-2-3"));

    fs::remove(root / "engine-selection.json");
    fs::create_directories(root / "engine-selection.json");  // unreadable as a file
    EXPECT_EQ(runtime.engine(), root / "engine");

    // Written compact, without an absent previous.
    EXPECT_EQ(EngineSelection({"11-2-3", std::nullopt}).encode(), R"({"current":"11-2-3"})");
    EXPECT_EQ(EngineSelection({"11-2-3", "engine"}).encode(), R"({"current":"11-2-3","previous":"engine"})");
}
