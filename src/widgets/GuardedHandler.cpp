#include "widgets/GuardedHandler.h"

#include <exception>

#include "core/RuntimeError.h"

namespace tervalo::widgets {

bool runGuarded(QWidget* parent, platform::Notifier& notifier, const std::function<void()>& body, const QString& suffix,
                const QString& title, platform::MsgIcon icon) {
    QString description;
    try {
        body();
        return true;
    } catch (const core::RuntimeError& e) {
        description = QString::fromStdString(e.description());
    } catch (const std::exception& e) {
        description = QString::fromUtf8(e.what());
    }
    notifier.show(parent, description + suffix, title, icon);
    return false;
}

}  // namespace tervalo::widgets
