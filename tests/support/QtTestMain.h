#pragma once
// QTest main for the window tests: the same environment as the GoogleTest suites.
#include <QApplication>
#include <QTest>

#include "support/TestEnvironment.h"
#include "widgets/AccessibleNames.h"

#define TERVALO_QTEST_MAIN(TestClass)            \
    int main(int argc, char** argv) {            \
        tervalo::test::prepareEnvironment();     \
        QApplication app(argc, argv);            \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        tervalo::widgets::AccessibleNames::install(); \
        TestClass tc;                            \
        QTEST_SET_MAIN_SOURCE_PATH               \
        return QTest::qExec(&tc, argc, argv);    \
    }
