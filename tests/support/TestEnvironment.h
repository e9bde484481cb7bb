#pragma once
#include <QString>

namespace tervalo::test {

// Pins the locale to C, sets QT_QPA_PLATFORM=offscreen when unset, and points
// XDG_CONFIG_HOME, XDG_RUNTIME_DIR and XDG_CACHE_HOME at fresh temporary folders.
// Call before the QApplication is made.
void prepareEnvironment();
// The offscreen platform's one screen made `width` x `height` pixels (its
// default is 800x600), when the tests run offscreen. Call after
// prepareEnvironment(), before the QApplication is made.
void useOffscreenScreen(int width, int height);

// The folder of the built database files (the program's folder).
QString databaseDir();
// The folder of the test fixtures.
QString fixturesDir();
// A fresh temporary copy of a shipped database file; the folder lives until exit.
QString tempCopyOfDatabase(const QString& fileName);
// The connection string of a fresh temporary copy of a shipped database file.
QString connectionToCopyOf(const QString& fileName);
// A fresh temporary folder holding copies of the given shipped files (a stand-in
// program folder); lives until exit.
QString tempProgramDir(const QStringList& fileNames);

}  // namespace tervalo::test
