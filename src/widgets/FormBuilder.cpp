#include "widgets/FormBuilder.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tervalo::widgets::FormBuilder {

namespace {

template <typename W>
W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QString elementName(const QString& array, int index) { return array + QLatin1Char('_') + QString::number(index); }

}  // namespace

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = named(new QGroupBox(caption, parent), name);
    // Named by its own caption: Qt names a frame inside another by the outer one's.
    if (!caption.isEmpty()) frame->setAccessibleName(caption);
    return frame;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, bool wrap) {
    auto* result = named(new QLabel(text, parent), name);
    result->setWordWrap(wrap);
    return result;
}

QLineEdit* inputBox(QWidget* parent, const QString& name) { return named(new QLineEdit(parent), name); }

QLineEdit* resultBox(QWidget* parent, const QString& name) {
    auto* box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
    auto* result = named(new QPushButton(caption, parent), name);
    result->setAutoDefault(true);
    return result;
}

QLabel* addRow(QGridLayout* grid, int row, QLabel* caption, QWidget* box, QWidget* unit) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    if (unit) grid->addWidget(unit, row, 2);
    caption->setBuddy(box);
    return caption;
}

QList<QRadioButton*> optionArray(QGroupBox* frame, const QString& name, const QStringList& captions,
                                 QButtonGroup** group) {
    auto* buttons = new QButtonGroup(frame);
    buttons->setObjectName(name);
    buttons->setExclusive(true);
    QLayout* column = frame->layout() ? frame->layout() : new QVBoxLayout(frame);
    QList<QRadioButton*> result;
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = named(new QRadioButton(captions.at(i), frame), elementName(name, i));
        buttons->addButton(option, i);
        column->addWidget(option);
        result.append(option);
    }
    if (group) *group = buttons;
    return result;
}

QList<QLabel*> labelArray(QWidget* parent, const QString& name, int count, const QString& text) {
    QList<QLabel*> result;
    for (int i = 0; i < count; ++i)
        result.append(label(parent, elementName(name, i), text));
    return result;
}

}  // namespace tervalo::widgets::FormBuilder
