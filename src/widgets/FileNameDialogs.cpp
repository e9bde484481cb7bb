#include "widgets/FileNameDialogs.h"

#include <QFileDialog>

namespace tervalo::widgets {

namespace {
const QString kFilter = QStringLiteral("All Files (*)");
}

QString qtOpenFileName(QWidget* parent, const QString& title) {
    return QFileDialog::getOpenFileName(parent, title, QString(), kFilter);
}

QString qtSaveFileName(QWidget* parent, const QString& title) {
    return QFileDialog::getSaveFileName(parent, title, QString(), kFilter);
}

FileNameDialogs& QtFileNameDialogs::shared() {
    static QtFileNameDialogs dialogs;
    return dialogs;
}

}  // namespace tervalo::widgets
