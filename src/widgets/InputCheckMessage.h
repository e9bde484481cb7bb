#pragma once
// Shows a failed input check that the core describes (text, title, icon, the
// box to return to) and puts the focus back into that box.
#include "core/lotsize/CheckMessage.h"

class QWidget;

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::widgets {

// `form` is searched for the box named in the message; `parent` owns the box.
void showInputCheckMessage(QWidget* parent, QWidget* form, platform::Notifier* notifier,
                           const core::lotsize::CheckMessage& message);

}  // namespace tervalo::widgets
