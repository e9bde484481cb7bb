#pragma once
// Finding a window's controls by their names, as the window tests do.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>

#include "widgets/CostTable.h"

namespace tervalo::test {

inline QLineEdit* box(QWidget& w, const QString& name) { return w.findChild<QLineEdit*>(name); }
inline QPushButton* button(QWidget& w, const QString& name) { return w.findChild<QPushButton*>(name); }
// Whether option `index` of the time-unit array optTime is selected.
inline bool checked(QWidget& w, int index) {
    return w.findChild<QRadioButton*>(QStringLiteral("optTime_%1").arg(index))->isChecked();
}
// The text of a cell of the named grid.
inline QString cell(QWidget& w, const QString& grid, int row, int column) {
    // The cost table keeps the designed coordinates: row 0 and column 0 are its headers.
    if (grid == QLatin1String("MSFlexGrid1")) return w.findChild<widgets::CostTable*>()->cell(row, column);
    return w.findChild<QTableWidget*>(grid)->item(row, column)->text();
}
// One column of the cost table (grid MSFlexGrid1): its part rows, then Total.
inline QStringList costColumn(QWidget& w, int column) {
    const auto* table = w.findChild<widgets::CostTable*>();
    QStringList cells;
    for (int row = 1; row <= table->grid()->rowCount(); ++row)
        cells << table->cell(row, column);
    return cells;
}

}  // namespace tervalo::test
