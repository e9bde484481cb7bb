#pragma once
// Routines that windows of several subsystems share: a child window placed at
// the left edge and centred vertically, the wizard's windows unloaded, and the
// main window's Data menu items and demo-database choice as other windows see
// them. They live here, beside the registry, because the shell, the demand
// windows and the warehouse all call them and none may include another.
// ShowChildForm, UnloadWizardForms and EnableDataMenus keep the names the
// windows know the shared routines by; the helpers beside them are camelCase.
class QWidget;

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::widgets {

struct AppContext;
class WindowRegistry;

// The main window's menu state that other windows read or switch.
class MainWindowMenuState {
public:
    virtual ~MainWindowMenuState() = default;
    // mnuFind, mnuImport and mnuAnalyze.
    virtual void setDataMenusEnabled(bool enable) = 0;
    // mnuDemoDatabase: checked while the sample main database is in use.
    virtual bool demoDatabaseChecked() const = 0;
};

// Places the window (its MDI sub-window when it has one) at the left edge,
// vertically centred, then shows it: a child window in the main window's
// workspace, its top at the workspace's top when it is taller; another window
// on the screen, where the top, worked out in twips, may be negative.
void ShowChildForm(QWidget* frm);
// The same for a given screen height in twips.
void ShowChildForm(QWidget* frm, double screenHeightTwips);

// Hides the window (its MDI sub-window when it has one); the registry's show()
// brings it back as it was.
void hideChildForm(QWidget* frm);

// Closes the wizard's windows frmWizard, frmW1, frmW2 and frmW3, in this order,
// and releases their slots so that the next use creates each afresh.
void UnloadWizardForms(WindowRegistry& registry);

// Enables (or disables) the main window's mnuFind, mnuAnalyze and mnuImport;
// nothing while there is no main window.
void EnableDataMenus(const AppContext& ctx, bool enable);

// The answer to a window or command this version does not have yet.
void showNotAvailable(QWidget* parent, platform::Notifier& notifier);

// Whether the main window's "Use Demo database" is checked; false while there is no main window.
bool demoDatabaseChecked(const AppContext& ctx);

}  // namespace tervalo::widgets
