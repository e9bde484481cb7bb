#pragma once
// The main window over a fresh WindowTestContext with cleared settings, made
// on the data source given, and its menu items triggered by name.
#include <QAction>
#include <QSettings>
#include <QtTest>
#include <memory>

#include "shell/MainWindow.h"
#include "support/WindowTestContext.h"

namespace tervalo::test {

class MainWindowFixture {
protected:
    std::unique_ptr<WindowTestContext> m_t;

    // Called by each test's init: settings cleared, a new context.
    void startFresh() {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Tervalo", "Tervalo").clear();
        m_t = std::make_unique<WindowTestContext>(false);
    }
    std::unique_ptr<shell::MainWindow> makeWindow(const QString& dataSource = "Demo.mdb") {
        m_t->ctx.dataSource = dataSource;
        auto w = std::make_unique<shell::MainWindow>(m_t->ctx);
        m_t->ctx.mainWindow = w.get();
        return w;
    }
    void trigger(shell::MainWindow& w, const QString& name) {
        QAction* a = w.menuAction(name);
        QVERIFY2(a, qPrintable(name));
        a->trigger();
    }
};

}  // namespace tervalo::test
