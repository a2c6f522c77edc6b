// The Storage card's measurement against a planted data root: each part's
// size on disk, a hard link counted once, links never followed, and a file
// that grows while it is measured.
#include <sys/stat.h>

#include <atomic>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "model_harness.h"
#include "runtime/runtime.h"

using namespace model_tests;

namespace {

std::uintmax_t onDisk(const fs::path& file) {
    struct stat info{};
    ::lstat(file.c_str(), &info);
    return std::uintmax_t(info.st_blocks) * 512;
}

TEST(Storage, SizesEachPartOnceWithoutFollowingLinks) {
    Sandbox box;
    LibraryModel model(box.options());
    const ludowell::Runtime runtime = model.runtime();
    const fs::path root = runtime.root(), steam = runtime.steamFolder(), game = steam / "steamapps/common/Age of Empires IV";
    // Each part holds one file of its own size; `shared` is hard-linked
    // from the game into the package, and counts only where it is met first.
    const std::pair<fs::path, size_t> files[] = {
        {root / "prefix/system.reg", 10'000},     {steam / "steam.exe", 20'000},
        {game / "RelicCardinal.exe", 30'000},     {root / "engine-1/bin/wine", 40'000},
        {root / "engine-2/bin/wine", 50'000},     {root / "deps/Frameworks/lib.dylib", 60'000},
        {root / "downloads/SteamSetup.exe", 70'000}, {root / "logs/command-1.log", 80'000},
        {game / "shared.pak", 300'000},
    };
    for (const auto& [file, size] : files) writeFile(file, std::string(size, 'x'));
    fs::create_hard_link(game / "shared.pak", root / "deps/shared.pak");
    writeFile(box.path("outside/big"), std::string(2'000'000, 'x'));
    fs::create_directory_symlink(box.path("outside"), root / "deps/outside");
    fs::create_symlink(box.path("outside/big"), game / "big.lnk");
    writeFile(root / "engine-selection.json", R"({"current":"2","previous":"1"})");

    // A running game keeps writing while the walk passes.
    std::atomic<bool> done = false;
    std::thread writer([&] {
        std::ofstream log(game / "growing.log", std::ios::binary);
        while (!done) log << std::string(4096, 'y') << std::flush, std::this_thread::sleep_for(std::chrono::milliseconds(2));
    });
    model.storage()->measure();
    ASSERT_TRUE(model.storage()->measuring());
    ASSERT_TRUE(waitFor([&] { return !model.storage()->measuring(); }));
    done = true;
    writer.join();

    auto size = [&](const fs::path& file) { return onDisk(file) + onDisk(file.parent_path()); };
    const std::uintmax_t folders = onDisk(root / "prefix");  // one empty folder
    const std::tuple<QString, QString, std::uintmax_t> expected[] = {
        {"Windows environment", "", size(root / "prefix/system.reg") + 2 * folders /* drive_c, Program Files */},
        {"Steam", "", 0},  // checked below
        {"Age of Empires IV", "", 0},
        {"Engine 1", "kept", size(root / "engine-1/bin/wine") + folders},
        {"Engine 2", "in use", size(root / "engine-2/bin/wine") + folders},
        {"Graphics package", "", size(root / "deps/Frameworks/lib.dylib") + folders + onDisk(root / "deps/outside")},
        {"Downloaded installers", "", size(root / "downloads/SteamSetup.exe")},
        {"Logs", "", size(root / "logs/command-1.log")},
    };
    const QVariantList parts = model.storage()->parts();
    ASSERT_EQ(parts.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const QVariantMap part = parts[qsizetype(i)].toMap();
        const auto& [name, note, bytes] = expected[i];
        EXPECT_EQ(part["name"].toString(), name);
        EXPECT_EQ(part["note"].toString(), note) << name.toStdString();
        if (bytes) EXPECT_EQ(std::uintmax_t(part["bytes"].toDouble()), bytes) << name.toStdString();
    }
    // The game holds the shared file and whatever the log had when passed.
    const auto gameBytes = std::uintmax_t(parts[2].toMap()["bytes"].toDouble());
    const auto fixed = onDisk(game / "RelicCardinal.exe") + onDisk(game / "shared.pak") + onDisk(game / "big.lnk") + onDisk(game);
    EXPECT_GE(gameBytes, fixed);
    EXPECT_LE(gameBytes, fixed + onDisk(game / "growing.log"));
    EXPECT_LT(gameBytes, 2'000'000u) << "the link out of the tree was followed";
    EXPECT_TRUE(model.storage()->freeText().endsWith(" free on this disk"));

    // Each part opens in the file browser.
    struct : ludowell::FileBrowser {
        std::vector<fs::path> opened;
        void open(const fs::path& folder) override { opened.push_back(folder); }
    } browser;
    model.setFileBrowser(&browser);
    model.storage()->show(4);
    EXPECT_EQ(browser.opened, std::vector<fs::path>{root / "engine-2"});
}

}  // namespace
