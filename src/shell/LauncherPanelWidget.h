#pragma once
// Picture1, the main window's left panel and start page: the tab control
// SSTab1 with the tab "For Dummy" (the wizard and the worked examples, button
// array Command2, 0 to 10) and the tab " For Professional" (one button per
// model, demand forecasting and the data warehouse, array Command1, 0 to 11).
// A click opens the button's window through the window registry, each window
// fresh (a new instance; one still open stays open) except the data
// warehouse, with the option buttons of its case set in the order given. The
// pointer on a button gives it the tool-tip colour, the others of its array
// the button face, and shows the button's guidance in frmStarting; the pointer
// on the tab control outside the buttons shows the shown tab's introduction.
// F6 and Shift+F6 move the focus between the panel and the workspace's active
// child window, as between the panes of a multiple-document window; a click on
// a tab takes the focus too, so the panel is reached by keys and by the pointer.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "shell/GuidanceTexts.h"
#include "shell/StartingWindow.h"
#include "widgets/LauncherPanel.h"
#include "widgets/WindowId.h"

class QMainWindow;
class QMdiArea;
class QPushButton;
class QTabWidget;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::shell {

class LauncherPanelWidget : public QWidget, public widgets::LauncherPanel {
    Q_OBJECT
public:
    // Whether `form` is part of this version; when not, the main window
    // says so and the button does nothing more.
    using Availability = std::function<bool(widgets::WindowId form)>;

    LauncherPanelWidget(widgets::AppContext& ctx, Availability available, QWidget* parent = nullptr);

    // Docks the panel at the left edge of `window`, fixed: no title, not movable,
    // not closable; F6 and Shift+F6 in `window` switch between it and the workspace.
    void dockInto(QMainWindow* window);
    // At the main window's load: frmStarting is shown in `area` as a borderless
    // child with the "For Dummy" introduction, and tab 0 is selected. The title
    // keeps its designed text until the first hover.
    void showGuidance(QMdiArea* area);

    // widgets::LauncherPanel
    int currentTab() const override;
    QWidget* button(const QString& arrayName, int index) const override;

    QTabWidget* tabs() const { return m_tabs; }
    const GuidanceTexts& texts() const { return m_texts; }
    // The guidance window; nullptr once it has been closed and until a hover reloads it.
    StartingWindow* guidance() const { return m_board; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void onCommand1Clicked(int index);
    void onCommand2Clicked(int index);
    // Command1_MouseMove / Command2_MouseMove.
    void onButtonHovered(int tab, int index);
    // Command2_LostFocus: the introduction again; the colours stay.
    void onCommand2LostFocus();
    // SSTab1_MouseMove: the shown tab's introduction, its buttons all face.
    void onTabAreaHovered();
    // F6: from the panel to the workspace's active child window (where its focus
    // was), from anywhere else to the panel's tabs.
    void switchPane();

    QWidget* buildTab(int tab, const QStringList& captions);
    const QList<QPushButton*>& buttons(int tab) const { return tab <= 0 ? m_command2 : m_command1; }
    void colourButtons(int tab, int hovered);
    void showEntry(int tab, int entry, bool withTitle);
    // The guidance window; reloaded hidden when it was closed.
    StartingWindow* board();

    widgets::AppContext& m_ctx;
    Availability m_available;
    GuidanceTexts m_texts;
    QTabWidget* m_tabs = nullptr;
    QList<QPushButton*> m_command2;  // tab 0
    QList<QPushButton*> m_command1;  // tab 1
    QPointer<StartingWindow> m_board;
    bool m_focusTaken = false;
    QPointer<QMdiArea> m_area;
};

}  // namespace tervalo::shell
