#include "widgets/InputBoxBehaviour.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

#include "core/KeyFilter.h"
#include "platform/Notifier.h"

namespace tervalo::widgets {

namespace {

const QColor kFocusColour(0xFF, 0xFF, 0x00);
const QColor kLeaveColour(0xFF, 0xFF, 0xFF);

// Losing the focus only because another window, a popup or the menu bar took
// it is no leaving: the box stays yellow, as it will have the focus again.
bool isWindowOnlyLoss(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

bool isEnter(const QKeyEvent* key) {
    const bool enterKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const auto commandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return enterKey && !(key->modifiers() & commandModifiers);
}

}  // namespace

InputBoxBehaviour::InputBoxBehaviour(QLineEdit* box, const InputBoxOptions& options, platform::Notifier* notifier)
    : QObject(box), m_box(box), m_options(options), m_notifier(notifier) {
    box->installEventFilter(this);
    if (m_options.colouring && box->hasFocus()) paint(kFocusColour);
}

InputBoxBehaviour* InputBoxBehaviour::of(const QWidget* widget) {
    if (!widget) return nullptr;
    return widget->findChild<InputBoxBehaviour*>(QString(), Qt::FindDirectChildrenOnly);
}

void InputBoxBehaviour::setOptions(const InputBoxOptions& options, platform::Notifier* notifier) {
    m_options = options;
    m_notifier = notifier;
}

bool InputBoxBehaviour::checkOnLeaving() {
    if (!m_options.numberCheck || InputBoxes::passesNumberCheck(m_box->text())) return true;
    if (m_notifier) {
        m_notifier->show(m_box->window(), m_options.checkText, m_options.checkTitle, platform::MsgIcon::Exclamation);
    }
    return false;
}

bool InputBoxBehaviour::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_box) return false;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (m_options.colouring) paint(kFocusColour);
            return false;
        case QEvent::FocusOut:
            if (m_options.colouring && !isWindowOnlyLoss(static_cast<QFocusEvent*>(event)->reason())) {
                paint(kLeaveColour);
            }
            return false;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (dropsKey(key)) return true;
            if (m_options.enterMovesOn && isEnter(key)) {
                moveOnAsTab();
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

// Only typed characters go through the filter: keys without printable text
// (Tab, Escape, Delete, arrows) and Ctrl combinations such as paste keep their
// meaning.
bool InputBoxBehaviour::dropsKey(const QKeyEvent* key) const {
    if (!m_options.keyFilter || (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        return false;
    }
    const QString text = key->text();
    if (text.isEmpty()) return false;
    for (const QChar c : text) {
        if (!c.isPrint()) return false;
    }
    for (const QChar c : text) {
        if (core::numericKeyFilter(c.unicode()) == 0) return true;
    }
    return false;
}

// Enter takes exactly the path of a Tab key press, the leave-time check included.
void InputBoxBehaviour::moveOnAsTab() {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(m_box, &tab);
}

void InputBoxBehaviour::paint(const QColor& colour) {
    QPalette palette = m_box->palette();
    palette.setColor(QPalette::Base, colour);
    m_box->setPalette(palette);
}

}  // namespace tervalo::widgets
