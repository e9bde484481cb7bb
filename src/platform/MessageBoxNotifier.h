#pragma once
#include "platform/Notifier.h"

namespace tervalo::platform {

class MessageBoxNotifier : public Notifier {
public:
    MsgResult show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                   MsgButtons buttons) override;
};

}  // namespace tervalo::platform
