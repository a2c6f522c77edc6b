// The window's tests run the real views offscreen with a software renderer.
#include <QApplication>

#include <gtest/gtest.h>

#include "support/english.h"

#include "ui/app_delegate.h"

int main(int argc, char** argv) {
    speakEnglish();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
    // No icon theme to fall back on: every symbol must come with the app.
    qputenv("XDG_DATA_DIRS", "/nonexistent");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ludowell::ui::prepareApplication();
    return RUN_ALL_TESTS();
}
