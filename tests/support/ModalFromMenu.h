#pragma once
// A main window over the whole window catalogue: runs one of its menu items
// that opens a modal dialog, reads the dialog while it is open, then closes it
// with Esc. Returns the dialog's name, caption, whether the main window owns
// it, and what `read` took; empty when no modal dialog opened.
#include <QApplication>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/WindowCatalog.h"
#include "shell/MainWindow.h"
#include "support/WindowTestContext.h"

namespace tervalo::test {

inline QStringList readModalFromMenu(WindowTestContext& t, const QString& item,
                                     const std::function<QStringList(QWidget*)>& read = {}) {
    app::registerWindows(t.ctx, t.reportOutput);
    shell::MainWindow main(t.ctx);
    t.ctx.mainWindow = &main;
    main.show();
    QStringList seen;
    QTimer::singleShot(0, &main, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        seen << modal->objectName() << modal->windowTitle() << (modal->parentWidget() == &main ? "owned" : "");
        if (read) seen << read(modal);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    main.menuAction(item)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    t.ctx.mainWindow = nullptr;
    return seen;
}

}  // namespace tervalo::test
