// GoogleTest main for suites that need a QApplication: offscreen platform,
// C locale, and temporary settings/runtime/cache folders.
#include <gtest/gtest.h>

#include <QApplication>

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    tervalo::test::prepareEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
