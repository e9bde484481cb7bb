#pragma once
// Runs a handler body and turns a run-time error into the window's own message:
// the error's description followed by `suffix` (for example
// " in Purchasing Model: No Shortages/sub cmdCalculate."), with the given title
// and icon. Returns false when an error was reported.
#include <QString>
#include <functional>

#include "platform/Notifier.h"

class QWidget;

namespace tervalo::widgets {

bool runGuarded(QWidget* parent, platform::Notifier& notifier, const std::function<void()>& body,
                const QString& suffix = QString(), const QString& title = QStringLiteral("Error Message"),
                platform::MsgIcon icon = platform::MsgIcon::Exclamation);

}  // namespace tervalo::widgets
