// Entry point of the window tests: a QApplication on the offscreen platform.
#include "support/TestEnvironment.h"
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    TestEnvironment::prepareProcess();
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(icons);
    TestEnvironment::prepareApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
