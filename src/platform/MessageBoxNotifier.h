#pragma once
#include "platform/Notifier.h"

namespace tervalo::platform {

class MessageBoxNotifier : public Notifier {
public:
    MsgResult show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                   MsgButtons buttons) override;
    MsgResult ask(QWidget* parent, const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons,
                  MsgResult defaultButton) override;

private:
    MsgResult run(QWidget* parent, const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons,
                  const MsgResult* defaultButton);
};

}  // namespace tervalo::platform
