// The model and update tests need a Qt event loop: one application object
// for every test, named as the app names itself, with settings and caches
// kept away from the user's own.
#include <stdlib.h>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "app/preferences.h"
#include "support/english.h"
#include "support/temp_dir.h"

// Set by ThreadSanitizer builds (tests/support/tsan), which must see each
// queued call arrive after the thread that queued it; none otherwise.
void (*beforeEachEvent)() = nullptr;

namespace {
class TestApplication : public QCoreApplication {
public:
    using QCoreApplication::QCoreApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        if (beforeEachEvent) beforeEachEvent();
        return QCoreApplication::notify(receiver, event);
    }
};
}  // namespace

int main(int argc, char** argv) {
    speakEnglish();
    TempDir home;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        std::filesystem::create_directories(home / name);
        ::setenv(name, (home / name).c_str(), 1);
    }
    TestApplication app(argc, argv);
    ludowell::Preferences::nameApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
