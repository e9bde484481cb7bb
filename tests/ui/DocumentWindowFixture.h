#pragma once
// The main window with scripted document dialogs over a fresh
// WindowTestContext and a temporary folder, and the document windows it holds:
// menu items by name, the captions, the active window and its text box.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <memory>

#include "ScriptedDocumentDialogs.h"
#include "shell/MainWindow.h"
#include "support/WindowTestContext.h"

namespace tervalo::test {

class DocumentWindowFixture {
protected:
    std::unique_ptr<WindowTestContext> m_t;
    ScriptedDocumentDialogs m_dialogs;
    std::unique_ptr<QTemporaryDir> m_dir;

    std::unique_ptr<shell::MainWindow> makeWindow() {
        auto w = std::make_unique<shell::MainWindow>(m_t->ctx);
        m_t->ctx.mainWindow = w.get();
        w->setDocumentDialogs(&m_dialogs);
        w->resize(900, 700);
        w->show();
        return w;
    }
    static void click(shell::MainWindow& w, const QString& name) {
        QAction* a = w.menuAction(name);
        QVERIFY2(a, qPrintable(name));
        a->trigger();
    }
    static QStringList captions(shell::MainWindow& w) {
        QStringList out;
        // The document windows: the guidance window beside the panel is none.
        for (QMdiSubWindow* sub : w.mdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (sub->widget()->objectName() != QLatin1String("frmStarting")) out << sub->widget()->windowTitle();
        return out;
    }
    static QWidget* active(shell::MainWindow& w) {
        QMdiSubWindow* sub = w.mdiArea()->currentSubWindow();
        return sub ? sub->widget() : nullptr;
    }
    static QTextEdit* activeBox(shell::MainWindow& w) {
        QWidget* doc = active(w);
        return doc ? doc->findChild<QTextEdit*>("rtfText") : nullptr;
    }
    QString path(const QString& name) const { return m_dir->filePath(name); }

    // Called by each test's init: a new context, dialogs with no script, an empty folder.
    void startFresh() {
        m_t = std::make_unique<WindowTestContext>(false);
        m_dialogs = ScriptedDocumentDialogs();
        m_dir = std::make_unique<QTemporaryDir>();
    }
};

}  // namespace tervalo::test
