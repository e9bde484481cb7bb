#pragma once
// The main window's left panel of model and example buttons, as the model
// windows see it: they colour their launcher button while they are active.
#include <QString>

class QWidget;

namespace tervalo::widgets {

class LauncherPanel {
public:
    virtual ~LauncherPanel() = default;
    // The panel's current tab (0 = the first).
    virtual int currentTab() const = 0;
    // Button `index` of the button array `arrayName` ("Command1", "Command2"), or nullptr.
    virtual QWidget* button(const QString& arrayName, int index) const = 0;
};

}  // namespace tervalo::widgets
