#pragma once
// QTest main for the window tests: the same environment as the GoogleTest suites.
#include <QApplication>
#include <QTest>

#include "support/TestEnvironment.h"
#include "widgets/AccessibleNames.h"

#define TERVALO_QTEST_MAIN(TestClass)                 \
    int main(int argc, char** argv) {                 \
        tervalo::test::prepareEnvironment();          \
        QApplication app(argc, argv);                 \
        app.setAttribute(Qt::AA_Use96Dpi, true);      \
        tervalo::widgets::AccessibleNames::install(); \
        TestClass tc;                                 \
        QTEST_SET_MAIN_SOURCE_PATH                    \
        return QTest::qExec(&tc, argc, argv);         \
    }

// The same on an offscreen screen of the given size (a user's 1280x900).
#define TERVALO_QTEST_MAIN_ON_SCREEN(TestClass, width, height) \
    int main(int argc, char** argv) {                          \
        tervalo::test::prepareEnvironment();                   \
        tervalo::test::useOffscreenScreen(width, height);      \
        QApplication app(argc, argv);                          \
        app.setAttribute(Qt::AA_Use96Dpi, true);               \
        TestClass tc;                                          \
        QTEST_SET_MAIN_SOURCE_PATH                             \
        return QTest::qExec(&tc, argc, argv);                  \
    }
