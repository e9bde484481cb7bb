#pragma once
// frmOptions, "Options": the tab strip tbsOptions with the four pages
// picOptions_0 to picOptions_3 ("Group 1" to "Group 4"), each holding a sample
// frame, and OK, Cancel, Apply, whose actions are placeholders. Shown modal,
// owned by the main window, by the Options items of the hidden View and Tools
// menus.
//
// Ctrl+Tab selects the next tab (from the last back to the first) and
// Ctrl+Shift+Tab the previous one (from the first to the last), wherever the
// focus is in the window. Only the selected tab's page is enabled.
#include <QDialog>

class QTabWidget;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::shell {

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(widgets::AppContext& ctx, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void onTbsOptionsCurrentChanged(int index);
    void onCmdOkClicked();
    void onCmdCancelClicked();
    void onCmdApplyClicked();

private:
    // Selects the tab `step` places on, wrapping around at either end.
    void selectTabBy(int step);

    widgets::AppContext& m_ctx;
    QTabWidget* m_tabs = nullptr;
};

}  // namespace tervalo::shell
