// The model needs a Qt event loop: one application object for every test.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "app/model/library_model.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // Short enough to watch a download and a launch within the suite.
    ludowell::LibraryModel::timing().refreshMilliseconds = 200;
    ludowell::LibraryModel::timing().launchingMilliseconds = 1500;
    return RUN_ALL_TESTS();
}
