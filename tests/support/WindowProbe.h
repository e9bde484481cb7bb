#pragma once
// Finding a window's controls by their names, as the window tests do.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>

namespace tervalo::test {

inline QLineEdit* box(QWidget& w, const QString& name) { return w.findChild<QLineEdit*>(name); }
inline QPushButton* button(QWidget& w, const QString& name) { return w.findChild<QPushButton*>(name); }
// Whether option `index` of the time-unit array optTime is selected.
inline bool checked(QWidget& w, int index) {
    return w.findChild<QRadioButton*>(QStringLiteral("optTime_%1").arg(index))->isChecked();
}
// The text of a cell of the named grid.
inline QString cell(QWidget& w, const QString& grid, int row, int column) {
    return w.findChild<QTableWidget*>(grid)->item(row, column)->text();
}
// One column of the cost table (grid MSFlexGrid1): its part rows, then Total.
inline QStringList costColumn(QWidget& w, int column) {
    const int rows = w.findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"))->rowCount();
    QStringList cells;
    for (int row = 1; row < rows; ++row)
        cells << cell(w, QStringLiteral("MSFlexGrid1"), row, column);
    return cells;
}

}  // namespace tervalo::test
