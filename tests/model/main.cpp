// The model needs a Qt event loop: one application object for every test.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "support/english.h"

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
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
