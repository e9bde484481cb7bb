// GoogleTest main for suites that need a Qt application: offscreen platform,
// C locale, and temporary settings/runtime/cache folders. The window suites
// get a QApplication, the suites of the widget-free libraries a
// QGuiApplication (support/TestApplication.h).
#include <gtest/gtest.h>

#include "support/TestApplication.h"
#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    tervalo::test::prepareEnvironment();
    tervalo::test::TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
