// GoogleTest main for suites that need a Qt application: offscreen platform,
// C locale, and temporary settings/runtime/cache folders. The window suites
// get a QApplication; the suites of the widget-free libraries, built without
// Qt Widgets, a QGuiApplication (rich text needs the fonts).
#include <gtest/gtest.h>

#if __has_include(<QApplication>)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include "support/TestEnvironment.h"

int main(int argc, char** argv) {
    tervalo::test::prepareEnvironment();
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
