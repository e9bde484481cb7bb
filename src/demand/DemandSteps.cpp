#include "demand/DemandSteps.h"

#include <QWidget>

#include "widgets/WindowRegistry.h"

namespace tervalo::demand {

void unloadDemandWindows(widgets::WindowRegistry& registry, QWidget* caller) {
    const widgets::WindowId forms[] = {widgets::WindowId::D1, widgets::WindowId::D2};
    bool released = false;
    for (widgets::WindowId form : forms) {
        released = released || registry.existing(form) == caller;
        registry.unload(form);
    }
    if (!released) caller->close();
}

}  // namespace tervalo::demand
