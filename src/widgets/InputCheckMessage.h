#pragma once
// Shows a failed input check that the core describes (text, title, icon) and
// puts the focus back into the box of its field.
#include "core/CheckMessage.h"

class QWidget;

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::widgets {

// `box` is the field's box (nullptr: the focus stays where it is).
void showFailedCheck(QWidget* parent, platform::Notifier& notifier, const core::CheckMessage& message, QWidget* box);

}  // namespace tervalo::widgets
