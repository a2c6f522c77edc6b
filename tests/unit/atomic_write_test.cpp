// A reader that looks while a file is rewritten again and again must only
// ever find one whole version of it: never an empty, short or mixed file.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/files.h"
#include "support/temp_dir.h"

namespace {

TEST(AtomicWrite, AReaderSeesTheOldOrTheNewFileAndNeverAPart) {
    TempDir dir;
    const auto file = dir / "state.json";
    // Large enough that writing one takes many pages.
    const std::string versions[] = {std::string(1 << 20, 'a'), std::string(1 << 20, 'b')};
    ludowell::atomicWrite(file, versions[0]);

    std::atomic<bool> writing{true};
    std::thread writer([&] {
        for (int i = 1; i <= 60; ++i) ludowell::atomicWrite(file, versions[i % 2]);
        writing = false;
    });
    int reads = 0, torn = 0;
    std::string example;
    while (writing) {
        const std::string text = ludowell::readFile(file).value_or("");
        ++reads;
        if (text != versions[0] && text != versions[1] && ++torn == 1)
            example = std::to_string(text.size()) + " bytes";
    }
    writer.join();
    EXPECT_EQ(torn, 0) << "of " << reads << " reads, e.g. " << example;
    EXPECT_GT(reads, 10);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary is left";
}

}  // namespace
