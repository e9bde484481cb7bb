#pragma once
// The program's multiple-document main window (frmMain): menus, toolbar, status
// bar and the MDI area the child windows live in. It restores its position and
// size from the settings at load and stores them when it closes (unless it is
// minimised). Menu items and toolbar buttons open the other windows by form
// name through the window registry.
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "widgets/ChildForms.h"
#include "widgets/LauncherPanel.h"
#include "widgets/WindowId.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTextEdit;
class QTimer;
class QToolBar;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::shell {

class DocumentActions;
class DocumentDialogs;
class HelpWindow;
struct SelectionFormat;
class LauncherPanelWidget;

class MainWindow : public QMainWindow, public widgets::LauncherPanel, public widgets::MainWindowMenuState {
    Q_OBJECT
public:
    // Builds and loads the window (string table applied, position and size from
    // the settings, Data items disabled, "Use Demo database" checked by the data
    // source); it is not shown. Registers itself, its MDI area and its panel in
    // `ctx` before loading, so that other windows reach it from then on.
    explicit MainWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);
    ~MainWindow() override;

    // A menu, menu item or toolbar button by its name ("mnuFind", "Bold");
    // nullptr when there is none. For a menu this is its QMenu's menuAction().
    QAction* menuAction(const QString& name) const;
    QMdiArea* mdiArea() const { return m_mdi; }
    // mnuFind, mnuAnalyze and mnuImport enabled or disabled together.
    void setDataMenusEnabled(bool enable) override;
    bool demoDatabaseChecked() const override;

    // The help pages (a resource path, ":/help/index.html" by default); empty
    // means the program has no help.
    QString helpFile() const { return m_helpFile; }
    void setHelpFile(const QString& file) { m_helpFile = file; }

    // The dialogs the document actions show (not owned); nullptr: Qt's dialogs.
    void setDocumentDialogs(DocumentDialogs* dialogs);

    // widgets::LauncherPanel: the left panel's (Picture1).
    int currentTab() const override;
    QWidget* button(const QString& arrayName, int index) const override;
    LauncherPanelWidget* panel() const { return m_panel; }

signals:
    // The window has closed: the program ends.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Once the window system has given the window its frame (the window has
    // moved into it), the frame is fitted to the screen with its real size.
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private slots:
    void onDocumentItemTriggered();
    void onDocumentSelectionFormatChanged(const tervalo::shell::SelectionFormat& format);
    void onMnuFileExitTriggered();
    void onPlaceholderTriggered();
    void onMnuViewToolbarTriggered();
    void onMnuViewStatusBarTriggered();
    void onMnuViewRefreshTriggered();
    void onMnuViewOptionsTriggered();
    void onMnuTervaloTriggered();
    void onMnuForcastTriggered();
    void onMnuModelsTriggered(QAction* item);
    void onMnuFindTriggered();
    void onMnuImportTriggered();
    void onMnuAnalyzeTriggered();
    void onMnuDemoDatabaseTriggered();
    void onMnuReportTriggered(QAction* item);
    void onMnuWindowCascadeTriggered();
    void onMnuWindowTileHorizontalTriggered();
    void onMnuWindowTileVerticalTriggered();
    void onMnuWindowArrangeIconsTriggered();
    void onMnuWindowAboutToShow();
    void onMnuHelpContentsTriggered();
    void onMnuHelpSearchForHelpOnTriggered();
    void onMnuHelpAboutTriggered();
    void onMnuSupportTriggered();
    void onTbToolBarButtonClick(QAction* button);
    void onClockTimerTimeout();

private:
    // MainWindowMenus.cpp: the menu tree, the toolbar and the status bar, built from its tables.
    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void connectHandlers();

    void loadPlacement();
    QSize firstStartSize();
    void savePlacement();
    QRect availableScreenArea() const;
    QMdiSubWindow* guidanceFrame() const;
    // The title bar and borders the window system puts around the window; until
    // it has done so, those a desktop usually gives a window.
    QMargins windowFrame() const;
    bool windowFrameKnown() const;
    void fitFrameToScreen();

    // Runs a handler; a run-time error is shown as its description, no icon.
    void guarded(const std::function<void()>& body);
    // Whether `form` is part of this version; when not, a message says so.
    bool isAvailable(widgets::WindowId form);
    // The default instance of `form` shown (fresh: a new instance); when the
    // window is not part of this version, a message says so and nullptr is returned.
    QWidget* showWindow(widgets::WindowId form, bool fresh = false);
    // A new instance placed at the left edge, vertically centred (ShowChildForm).
    void showChildFresh(widgets::WindowId form);
    void showModal(widgets::WindowId form);
    void showNotAvailable();
    void showReportList(int list);
    void salesDataAction(bool find, bool import, bool analyze);
    // The help pages at `page` (an anchor), or the message that there is no help.
    void showHelp(const QString& page);
    // A document action by its toolbar key ("New", "Open", "Save", "Save As",
    // "Print", "Page Setup", "Cut", "Copy", "Paste").
    void documentAction(const QString& key);
    DocumentActions& documents();
    // The rich text box of the active child window; raises a run-time error when
    // there is no active child window or it has none.
    QTextEdit* activeRichText();
    void toggleFormat(const QString& key);

    widgets::AppContext& m_ctx;
    QMdiArea* m_mdi = nullptr;
    QToolBar* m_toolBar = nullptr;
    QActionGroup* m_alignGroup = nullptr;
    QLabel* m_statusPanel = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    QTimer* m_clockTimer = nullptr;
    QHash<QString, QAction*> m_actions;  // menus, menu items and toolbar buttons by name
    QList<QAction*> m_windowList;
    QPointer<HelpWindow> m_help;
    DocumentActions* m_documents = nullptr;  // made on first use
    DocumentDialogs* m_documentDialogs = nullptr;
    LauncherPanelWidget* m_panel = nullptr;
    bool m_awaitingFrame = false;  // shown, the window system's frame not yet known
    QString m_helpFile = QStringLiteral(":/help/index.html");
};

}  // namespace tervalo::shell
