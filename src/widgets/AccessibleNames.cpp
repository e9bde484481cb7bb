#include "widgets/AccessibleNames.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace tervalo::widgets::AccessibleNames {

namespace {

// A combo box as Qt describes it (its list, its line edit when editable, the
// action that opens the list), named as any other box.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return comboBox()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(comboBox()->view());
        if (index == 1 && comboBox()->isEditable())
            return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == comboBox()->view()) return 0;
        if (comboBox()->isEditable() && child->object() == comboBox()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QLineEdit* edit = comboBox()->lineEdit();
        if (edit && QRect(edit->mapToGlobal(QPoint(0, 0)), edit->size()).contains(x, y)) return child(1);
        return nullptr;
    }

    // The name of a box (its accessible name, else its caption label); a box
    // without either keeps Qt's name, its value.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return value();
        const QString text = QAccessibleWidget::text(t);
        return t == QAccessible::Name && text.isEmpty() ? value() : text;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (comboBox()->view()->isVisible())
            comboBox()->hidePopup();
        else
            comboBox()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* comboBox() const { return static_cast<QComboBox*>(widget()); }
    QString value() const {
        return comboBox()->isEditable() ? comboBox()->lineEdit()->text() : comboBox()->currentText();
    }
};

QAccessibleInterface* programInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && qobject_cast<QComboBox*>(object))
        return new NamedComboBox(static_cast<QComboBox*>(object));
    return nullptr;
}

}  // namespace

void install() { QAccessible::installFactory(&programInterface); }

QString spoken(const QString& caption) {
    QString text;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        text += caption.at(i);
    }
    return text;
}

void nameBy(QWidget* control, const QList<QLabel*>& labels, const QString& separator) {
    QStringList texts;
    for (const QLabel* label : labels)
        texts << spoken(label->text());
    control->setAccessibleName(texts.join(separator));
}

}  // namespace tervalo::widgets::AccessibleNames
