// The update tests need an event loop, and settings, caches and the update
// lease kept away from the user's own.
#include <stdlib.h>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "support/english.h"

#include "app/preferences.h"
#include "support/temp_dir.h"

int main(int argc, char** argv) {
    speakEnglish();
    TempDir home;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        const auto folder = home / name;
        std::filesystem::create_directories(folder);
        ::setenv(name, folder.c_str(), 1);
    }
    QCoreApplication app(argc, argv);
    ludowell::Preferences::nameApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
