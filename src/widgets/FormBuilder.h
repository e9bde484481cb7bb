#pragma once
// Small builders shared by every window's form: frames, labels, input and
// result boxes with their caption label as buddy, buttons, option arrays.
// Every control gets its control name as objectName; an array element is
// named "<array>_<index>" (optTime_2).
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGridLayout;
class QButtonGroup;

namespace tervalo::widgets::FormBuilder {

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption);
// A label; `wrap` word-wraps long texts (the assumption and example texts).
QLabel* label(QWidget* parent, const QString& name, const QString& text, bool wrap = false);
// An input box (a QLineEdit); the input-box convention is installed separately.
QLineEdit* inputBox(QWidget* parent, const QString& name);
// A read-only result box, not in the tab chain.
QLineEdit* resultBox(QWidget* parent, const QString& name);
// A push button with autoDefault on, so Enter presses it when it has the focus.
QPushButton* button(QWidget* parent, const QString& name, const QString& caption);

// One row of a form grid: caption label (made the box's buddy), the box, and an
// optional unit label after it. Returns the caption label.
QLabel* addRow(QGridLayout* grid, int row, QLabel* caption, QWidget* box, QWidget* unit = nullptr);

// An option-button array in `frame` (laid out vertically), named name_0, name_1, ...,
// in one exclusive group. The group is owned by the frame.
QList<QRadioButton*> optionArray(QGroupBox* frame, const QString& name, const QStringList& captions,
                                 QButtonGroup** group = nullptr);

// Label arrays such as lblTimePeriod(0..n-1): named name_0 ...
QList<QLabel*> labelArray(QWidget* parent, const QString& name, int count, const QString& text);

}  // namespace tervalo::widgets::FormBuilder
