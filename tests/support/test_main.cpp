// Test entry for suites that use Qt: an offscreen application, message
// boxes and termination requests that never block, and a Russian system.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "support/testsupport.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The suites are written for a Russian system: texts that follow the
    // system's language (and the command-line companion the tests start)
    // read the Russian set, whatever the machine's locale. Numbers keep the
    // machine's format.
    unsetenv("LC_ALL");
    setenv("LC_MESSAGES", "ru_RU.UTF-8", 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new kl::test::HeadlessEnvironment);
    return RUN_ALL_TESTS();
}
