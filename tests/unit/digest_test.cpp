#include <gtest/gtest.h>

#include <fstream>

#include "runtime/digest.h"
#include "support/temp_dir.h"
#include "support/update_feed.h"

using ludowell::digest;
namespace fs = std::filesystem;

TEST(Digest, MatchesSha256sumAcrossChunkBoundaries) {
    TempDir dir;
    for (size_t size : {size_t(0), size_t(1) << 20, (size_t(2) << 20) - 1, (size_t(3) << 20) + 1}) {
        const fs::path file = dir / ("data-" + std::to_string(size));
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i) bytes[i] = char((i * 131 + i / 4099) & 0xff);
        std::ofstream(file, std::ios::binary) << bytes;
        EXPECT_EQ(digest(file), shell("sha256sum '" + file.string() + "' | cut -c1-64")) << size;
    }
    EXPECT_THROW(digest(dir / "missing"), std::system_error);
    EXPECT_THROW(digest(dir.path()), std::system_error);  // a folder cannot be read
}
