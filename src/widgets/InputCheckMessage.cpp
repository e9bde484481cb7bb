#include "widgets/InputCheckMessage.h"

#include <QLineEdit>
#include <QString>

#include "platform/Notifier.h"

namespace tervalo::widgets {

namespace {

platform::MsgIcon toMsgIcon(core::lotsize::MessageIcon icon) {
    switch (icon) {
        case core::lotsize::MessageIcon::Exclamation:
            return platform::MsgIcon::Exclamation;
        case core::lotsize::MessageIcon::Information:
            return platform::MsgIcon::Information;
        case core::lotsize::MessageIcon::None:
            break;
    }
    return platform::MsgIcon::None;
}

}  // namespace

void showInputCheckMessage(QWidget* parent, QWidget* form, platform::Notifier* notifier,
                           const core::lotsize::CheckMessage& message) {
    if (notifier)
        notifier->show(parent, QString::fromStdString(message.text), QString::fromStdString(message.title),
                       toMsgIcon(message.icon));
    if (auto* box = form->findChild<QLineEdit*>(QString::fromStdString(message.focusBox)))
        box->setFocus(Qt::OtherFocusReason);
}

}  // namespace tervalo::widgets
