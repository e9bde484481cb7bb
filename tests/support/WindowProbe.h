#pragma once
// Finding a window's controls by their names, and reaching them as a user
// does, as the window tests do.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
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

// A user's click on `target` of the shown window `w`: the form scrolled to
// show it, the press arriving where a real one does (an option button's at its
// round mark).
inline void userClick(QWidget& w, QWidget* target) {
    if (auto* scroll = w.findChild<QScrollArea*>()) scroll->ensureWidgetVisible(target);
    const bool option = qobject_cast<QRadioButton*>(target) != nullptr;
    QTest::mouseClick(target, Qt::LeftButton, {}, option ? QPoint(8, target->height() / 2) : QPoint());
}
// Types each "name=text" entry as a user does: a click into the box, its text
// selected and deleted, the keys typed to the focused box.
inline void userTypes(QWidget& w, const QStringList& entries) {
    for (const QString& entry : entries) {
        userClick(w, box(w, entry.section('=', 0, 0)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClicks(QApplication::focusWidget(), entry.section('=', 1));
    }
}

}  // namespace tervalo::test
