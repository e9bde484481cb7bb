#pragma once
// Finding a window's controls by their names, as the window tests do.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

namespace tervalo::test {

inline QLineEdit* box(QWidget& w, const QString& name) { return w.findChild<QLineEdit*>(name); }
inline QPushButton* button(QWidget& w, const QString& name) { return w.findChild<QPushButton*>(name); }
// Whether option `index` of the time-unit array optTime is selected.
inline bool checked(QWidget& w, int index) {
    return w.findChild<QRadioButton*>(QStringLiteral("optTime_%1").arg(index))->isChecked();
}

}  // namespace tervalo::test
