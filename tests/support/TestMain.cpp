// Entry point of the core tests: a QGuiApplication on the offscreen platform (fonts and
// painting need one), settings moved into a temporary folder, and the shipped data of the
// source tree.
#include "support/TestEnvironment.h"
#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    TestEnvironment::prepareProcess();
    QGuiApplication app(argc, argv);
    TestEnvironment::prepareApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
