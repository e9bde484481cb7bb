#pragma once
// How the user leaves demand estimation: Cancel in either of its windows
// (frmD1, frmD2) closes both and releases them, so that the next opening
// starts afresh.
class QWidget;

namespace tervalo::widgets {
class WindowRegistry;
}

namespace tervalo::demand {

// `caller` is the window whose Cancel was pressed; an instance opened before
// the present one (no longer in the registry) is closed too.
void unloadDemandWindows(widgets::WindowRegistry& registry, QWidget* caller);

}  // namespace tervalo::demand
