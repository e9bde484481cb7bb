#include "demand/DemandSteps.h"

#include <QWidget>

#include "widgets/WindowRegistry.h"

namespace tervalo::demand {

void unloadDemandWindows(widgets::WindowRegistry& registry, QWidget* caller) {
    const QString forms[] = {QStringLiteral("frmD1"), QStringLiteral("frmD2")};
    bool released = false;
    for (const QString& form : forms) {
        released = released || registry.existing(form) == caller;
        registry.unload(form);
    }
    if (!released) caller->close();
}

}  // namespace tervalo::demand
