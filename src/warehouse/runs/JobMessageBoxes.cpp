#include "warehouse/runs/JobMessageBoxes.h"

#include <QWidget>

#include "platform/Notifier.h"
#include "widgets/InputCheckMessage.h"

namespace tervalo::warehouse {

jobs::JobRunner::ShowMessage messageBoxesOf(platform::Notifier& notifier) {
    return [&notifier](QObject* over, const core::CheckMessage& message) {
        widgets::showFailedCheck(qobject_cast<QWidget*>(over), notifier, message, nullptr);
    };
}

jobs::WriteBackQuestion askWithBox(platform::Notifier& notifier, QWidget* parent) {
    return [&notifier, parent] {
        // Cancel is the default: Enter alone must not rewrite every item.
        switch (notifier.ask(parent, jobs::kWriteBackQuestion, jobs::kWriteBackQuestionTitle, platform::MsgIcon::None,
                             platform::MsgButtons::YesNoCancel, platform::MsgResult::Cancel)) {
            case platform::MsgResult::Yes:
                return jobs::WriteBackChoice::AllItems;
            case platform::MsgResult::No:
                return jobs::WriteBackChoice::CurrentItem;
            default:
                return jobs::WriteBackChoice::Cancel;
        }
    };
}

}  // namespace tervalo::warehouse
