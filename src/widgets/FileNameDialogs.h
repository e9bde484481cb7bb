#pragma once
// The file dialogs that ask for a file to read or to write. The program shows
// Qt's; tests hand a window a stand-in that answers at once with a path or a
// cancel.
#include <QString>

class QWidget;

namespace tervalo::widgets {

class FileNameDialogs {
public:
    virtual ~FileNameDialogs() = default;
    // The file chosen in an open dialog titled `title`; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title) = 0;
    // The file chosen in a save dialog titled `title`; empty when cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title) = 0;
};

// Qt's file dialogs, filter "All Files (*)", starting with an empty file name.
QString qtOpenFileName(QWidget* parent, const QString& title);
QString qtSaveFileName(QWidget* parent, const QString& title);

class QtFileNameDialogs : public FileNameDialogs {
public:
    QString openFileName(QWidget* parent, const QString& title) override { return qtOpenFileName(parent, title); }
    QString saveFileName(QWidget* parent, const QString& title) override { return qtSaveFileName(parent, title); }

    // The one a window uses unless it is given another.
    static FileNameDialogs& shared();
};

}  // namespace tervalo::widgets
