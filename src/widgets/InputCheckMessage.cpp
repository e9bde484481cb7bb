#include "widgets/InputCheckMessage.h"

#include <QString>
#include <QWidget>

#include "platform/Notifier.h"

namespace tervalo::widgets {

namespace {

platform::MsgIcon toMsgIcon(core::MessageIcon icon) {
    switch (icon) {
        case core::MessageIcon::Exclamation:
            return platform::MsgIcon::Exclamation;
        case core::MessageIcon::Information:
            return platform::MsgIcon::Information;
        case core::MessageIcon::None:
            break;
    }
    return platform::MsgIcon::None;
}

}  // namespace

void showFailedCheck(QWidget* parent, platform::Notifier& notifier, const core::CheckMessage& message, QWidget* box) {
    notifier.show(parent, QString::fromStdString(message.text), QString::fromStdString(message.title),
                  toMsgIcon(message.icon));
    if (box) box->setFocus(Qt::OtherFocusReason);
}

}  // namespace tervalo::widgets
