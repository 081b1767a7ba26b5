// Test entry for suites that use Qt: an offscreen application, and message
// boxes and termination requests that never block.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/testsupport.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new kl::test::HeadlessEnvironment);
    return RUN_ALL_TESTS();
}
