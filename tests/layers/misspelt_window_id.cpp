// Must not compile: the registry takes only the ids of the windows there are,
// so a misspelt window is a compile error, not a null window at run time.
#include "widgets/WindowRegistry.h"

QWidget* showMisspelt(tervalo::widgets::WindowRegistry& registry) {
    return registry.show(tervalo::widgets::WindowId::SinglePeriodCC);
}
