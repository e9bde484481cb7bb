#pragma once
// A read-only window showing a sample text file of the program's folder, as
// a text editor would open it; it opens without taking the focus from the
// active window, and closes with its own close box.
#include <QDialog>

class QPlainTextEdit;

namespace tervalo::warehouse {

class SampleFileViewer : public QDialog {
    Q_OBJECT
public:
    // Shows `text` under the title of the file's name.
    SampleFileViewer(const QString& fileName, const QString& text, QWidget* parent = nullptr);

    QString text() const;

private:
    QPlainTextEdit* m_text = nullptr;
};

}  // namespace tervalo::warehouse
