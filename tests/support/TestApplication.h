#pragma once
// The Qt application a test or benchmark main makes: a QApplication where Qt
// Widgets is linked (the window suites), else a QGuiApplication (the suites
// of the libraries without a window; rich text needs the fonts).
#if __has_include(<QApplication>)
#include <QApplication>
#else
#include <QGuiApplication>
#endif

namespace tervalo::test {

#if __has_include(<QApplication>)
using TestApplication = QApplication;
#else
using TestApplication = QGuiApplication;
#endif

}  // namespace tervalo::test
