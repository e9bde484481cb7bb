#include "warehouse/runs/JobMessageBoxes.h"

#include <QWidget>

#include "platform/Notifier.h"
#include "widgets/InputCheckMessage.h"

namespace tervalo::warehouse {

JobRunner::ShowMessage messageBoxesOf(platform::Notifier& notifier) {
    return [&notifier](QObject* over, const core::CheckMessage& message) {
        widgets::showFailedCheck(qobject_cast<QWidget*>(over), notifier, message, nullptr);
    };
}

WriteBackQuestion askWithBox(platform::Notifier& notifier, QWidget* parent) {
    return [&notifier, parent] {
        // Cancel is the default: Enter alone must not rewrite every item.
        switch (notifier.ask(parent, kWriteBackQuestion, kWriteBackQuestionTitle, platform::MsgIcon::None,
                             platform::MsgButtons::YesNoCancel, platform::MsgResult::Cancel)) {
            case platform::MsgResult::Yes:
                return WriteBackChoice::AllItems;
            case platform::MsgResult::No:
                return WriteBackChoice::CurrentItem;
            default:
                return WriteBackChoice::Cancel;
        }
    };
}

}  // namespace tervalo::warehouse
