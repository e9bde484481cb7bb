#pragma once
// What assistive tools announce a control by. A box is named by its caption
// label (its buddy); where the caption is several labels, a unit among them
// ("Demand, units/" "Week"), or the box has no label of its own, the window
// names it here from the texts it shows.
//
// Combo boxes: on this platform Qt names a combo box by its current value and
// leaves its label to the label relation, so a screen reader reads "Month"
// for the item card's time unit. The program's interface for combo boxes
// names them as every other box, by their accessible name or caption label,
// and gives the value as their value.
#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace tervalo::widgets::AccessibleNames {

// Installs the program's accessible interfaces; once, after the QApplication
// is made and before any window is.
void install();

// A caption as it is spoken: without its mnemonic marks ("&Address:" is
// "Address:", "&&" an ampersand).
QString spoken(const QString& caption);

// Names `control` by the texts of `labels`, read together in order.
void nameBy(QWidget* control, const QList<QLabel*>& labels, const QString& separator = QString());

}  // namespace tervalo::widgets::AccessibleNames
