#include "widgets/InputBoxes.h"

#include <QLineEdit>
#include <QVariant>
#include <QWidget>

#include "core/NumberText.h"
#include "widgets/InputBoxBehaviour.h"
#include "widgets/InputBoxGuard.h"

namespace tervalo::widgets::InputBoxes {

void install(QLineEdit* box, const InputBoxOptions& options, platform::Notifier* notifier) {
    if (!box) return;
    InputBoxGuard::ensureInstalled();
    if (InputBoxBehaviour* installed = InputBoxBehaviour::of(box)) {
        installed->setOptions(options, notifier);
        return;
    }
    new InputBoxBehaviour(box, options, notifier);
}

namespace {
const char* const kCausesValidation = "causesValidation";
}  // namespace

void setCausesValidation(QWidget* control, bool causes) {
    if (control) control->setProperty(kCausesValidation, causes);
}

bool causesValidation(const QWidget* control) {
    const QVariant value = control->property(kCausesValidation);
    return !value.isValid() || value.toBool();
}

bool passesNumberCheck(const QString& text) { return text.isEmpty() || core::isNumber(text.toStdString()); }

}  // namespace tervalo::widgets::InputBoxes
