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
// Plays a user's steps on the shown window `w`: "name" clicks the control,
// "name=text" clicks into the box and types the text over what it held.
// Answers the first step that could not be played, "" when all were.
inline QString userPlays(QWidget& w, const QStringList& steps) {
    for (const QString& step : steps) {
        auto* control = w.findChild<QWidget*>(step.section('=', 0, 0));
        if (!control || !control->isVisible() || !control->isEnabled()) return step + ": no control to use";
        userClick(w, control);
        if (!step.contains('=')) continue;
        auto* typed = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (typed != control) return step + ": the click did not reach the box";
        QTest::keyClick(typed, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(typed, Qt::Key_Delete);
        QTest::keyClicks(typed, step.section('=', 1));
        if (typed->text() != step.section('=', 1)) return step + ": the box took " + typed->text();
    }
    return QString();
}

}  // namespace tervalo::test
