// The main window's menu tree, toolbar and status bar, as tables. Captions and
// tool tips given as string-table ids become texts when the string table is
// applied at load.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <initializer_list>
#include <vector>

#include "shell/MainWindow.h"
#include "shell/ToolbarIcons.h"
#include "widgets/WindowId.h"

namespace tervalo::shell {

namespace {

enum ItemFlag : unsigned {
    Plain = 0,
    Hidden = 1,
    Disabled = 2,
    Checkable = 4,
    Checked = 8,
};

struct ItemDesign {
    const char* name;  // nullptr: a separator
    const char* caption;
    const char* shortcut = "";
    unsigned flags = Plain;
};

struct MenuDesign {
    const char* name;
    const char* caption;
    unsigned flags;
    std::vector<ItemDesign> items;
};

constexpr ItemDesign separator(unsigned flags = Plain) { return {nullptr, "-", "", flags}; }

// Hidden items are made with their handlers like the others; no code shows a
// hidden item, so its shortcut never acts.
const std::vector<MenuDesign> kMenus = {
    {"mnuFile",
     "1000",
     Plain,
     {{"mnuFileNew", "1001", "Ctrl+N", Hidden},
      {"mnuFileOpen", "1002", "Ctrl+O"},
      {"mnuFileClose", "1003", "", Hidden},
      separator(),
      {"mnuFileSave", "1004", "", Hidden},
      {"mnuFileSaveAs", "1005", "", Hidden},
      {"mnuFileSaveAll", "1006", "", Hidden},
      separator(Hidden),
      {"mnuFileProperties", "1007", "", Hidden},
      separator(Hidden),
      {"mnuFilePageSetup", "1008", "", Hidden},
      {"mnuFilePrintPreview", "1009", "", Hidden},
      {"mnuFilePrint", "1010", "", Hidden},
      separator(Hidden),
      {"mnuFileSend", "1011", "", Hidden},
      separator(Hidden),
      {"mnuFileMRU_1", "", "", Hidden},
      {"mnuFileMRU_2", "", "", Hidden},
      {"mnuFileMRU_3", "", "", Hidden},
      separator(Hidden),
      {"mnuFileExit", "1012"}}},
    {"mnuEdit",
     "1013",
     Hidden,
     {{"mnuEditUndo", "1014"},
      separator(),
      {"mnuEditCut", "1015", "Ctrl+X"},
      {"mnuEditCopy", "1016", "Ctrl+C"},
      {"mnuEditPaste", "1017", "Ctrl+V"},
      {"mnuEditPasteSpecial", "1018"}}},
    {"mnuView",
     "1019",
     Hidden,
     {{"mnuViewToolbar", "1020", "", Checkable | Checked},
      {"mnuViewStatusBar", "1021", "", Checkable | Checked},
      separator(),
      {"mnuViewRefresh", "1022"},
      {"mnuViewOptions", "1023"},
      {"mnuViewWebBrowser", "1024"}}},
    {"mnuWizard", "Wi&zard", Plain, {{"mnuTervalo", "Tervalo"}, {"mnuForcast", "Demand Forcasting"}}},
    {"mnuModels",
     "&Models",
     Plain,
     {{"mnuPurchaseNS", "Purchasing: No Shortages"},
      {"mnuPurchaseWS", "Purchasing: Shortages allowed"},
      {"mnuManufNS", "Manufacturing: No Shortages"},
      {"mnuManufWS", "Manufacturing: Shortages Allowed"},
      {"mnuIncrementalDiscount", "Quantity Discounts: Incremental"},
      {"mnuQuantityDiscountAllUnits", "Quantity Discounts: All-Units"},
      {"mnuSinglePeriodC", "Single-Period:Continuous Demand Distribution"},
      {"mnuSinglePeriodD", "Single-Period:Discrete Demand Distribution"},
      {"mnuMultiPeriodA", "Aspiration Level Approach"},
      {"mnuMultiperiodB", "Multi-Period Contiuous Model: Fixed Redorder Point", "", Hidden}}},
    {"mnuData",
     "&Data",
     Plain,
     {{"mnuFind", "&Find"},
      {"mnuImport", "Import External Data"},
      {"mnuAnalyze", "&Analyze Data"},
      {"mnuDemoDatabase", "Use Demo database", "", Checkable}}},
    {"mnuReport",
     "&Reports",
     Plain,
     {{"mnuRptEOQ", "Reports from EOQ Modles"},
      {"mnuRptsSP", "Reports of Reorder point (s_S Policy)"},
      {"mnuRptSingleP", "Reports from Single-Period Model (Uniform Distribution)"},
      {"mnuSinglePN", "Reports from Single-Period Model (Normal Distribution)"}}},
    {"mnuTools", "1025", Hidden, {{"mnuToolsOptions", "1026"}}},
    {"mnuWindow",
     "1027",
     Plain,
     {{"mnuWindowNewWindow", "1028"},
      separator(),
      {"mnuWindowCascade", "1029"},
      {"mnuWindowTileHorizontal", "1030"},
      {"mnuWindowTileVertical", "1031"},
      {"mnuWindowArrangeIcons", "1032"}}},
    {"mnuHelp",
     "1033",
     Plain,
     {{"mnuHelpContents", "1034"},
      {"mnuHelpSearchForHelpOn", "1035", "", Hidden | Disabled},
      separator(),
      {"mnuHelpAbout", "1036"},
      {"mnuSupport", "Support"}}},
};

// The window each Models item shows.
const std::initializer_list<std::pair<const char*, widgets::WindowId>> kModelWindows = {
    {"mnuPurchaseNS", widgets::WindowId::PurchaseNS},
    {"mnuPurchaseWS", widgets::WindowId::PurchaseSA},
    {"mnuManufNS", widgets::WindowId::ManufNS},
    {"mnuManufWS", widgets::WindowId::ManufSA},
    {"mnuIncrementalDiscount", widgets::WindowId::IncrementalDiscount},
    {"mnuQuantityDiscountAllUnits", widgets::WindowId::AllUnitDiscount},
    {"mnuSinglePeriodC", widgets::WindowId::SinglePeriodC},
    {"mnuSinglePeriodD", widgets::WindowId::SinglePeriodD},
    {"mnuMultiPeriodA", widgets::WindowId::MultiperiodA},
    {"mnuMultiperiodB", widgets::WindowId::MultiperiodB},
};

// The list of saved results each Reports item shows.
const std::initializer_list<std::pair<const char*, int>> kReportLists = {
    {"mnuRptEOQ", 1}, {"mnuRptsSP", 2}, {"mnuRptSingleP", 3}, {"mnuSinglePN", 4}};

struct ButtonDesign {
    const char* key;  // nullptr: a separator
    const char* tip;
};

// The first thirteen tips are string-table ids, the last four plain texts.
const std::initializer_list<ButtonDesign> kButtons = {
    {"New", "1037"},
    {"Open", "1038"},
    {"Save", "1039"},
    {nullptr, ""},
    {"Print", "1040"},
    {nullptr, ""},
    {"Cut", "1041"},
    {"Copy", "1042"},
    {"Paste", "1043"},
    {nullptr, ""},
    {"Bold", "1044"},
    {"Italic", "1045"},
    {"Underline", "1046"},
    {nullptr, ""},
    {"Align Left", "1047"},
    {"Center", "1048"},
    {"Align Right", "1049"},
    {"Report", "Report"},
    {"Tervalo", "Tervalo"},
    {"Demand Analysis", "Demand Analysis"},
    {"Data Warehouse", "Data Warehouse"},
};

QAction* addItem(QMenu* menu, const ItemDesign& design) {
    QAction* a = design.name ? menu->addAction(QString::fromUtf8(design.caption)) : menu->addSeparator();
    if (design.name) a->setObjectName(QString::fromLatin1(design.name));
    if (*design.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(design.shortcut)));
    a->setCheckable(design.flags & Checkable);
    a->setChecked(design.flags & Checked);
    a->setVisible(!(design.flags & Hidden));
    a->setEnabled(!(design.flags & Disabled));
    return a;
}

}  // namespace

void MainWindow::buildMenus() {
    for (const MenuDesign& m : kMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        menu->menuAction()->setObjectName(menu->objectName());
        m_actions.insert(menu->objectName(), menu->menuAction());
        const bool hidden = m.flags & Hidden;
        menu->menuAction()->setVisible(!hidden);
        for (const ItemDesign& item : m.items) {
            QAction* a = addItem(menu, item);
            if (item.name) m_actions.insert(a->objectName(), a);
            // A hidden menu is never opened, so its items' shortcuts must not act either.
            if (hidden) a->setShortcutContext(Qt::WidgetShortcut);
        }
    }
    for (const auto& [item, form] : kModelWindows)
        menuAction(QString::fromLatin1(item))->setData(QVariant::fromValue(form));
    for (const auto& [item, list] : kReportLists)
        menuAction(QString::fromLatin1(item))->setData(list);
}

void MainWindow::buildToolBar() {
    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const ButtonDesign& b : kButtons) {
        if (!b.key) {
            m_toolBar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        QAction* a = m_toolBar->addAction(ToolbarIcons::icon(key, style()), key);
        a->setObjectName(key);
        m_actions.insert(key, a);
        a->setToolTip(QString::fromLatin1(b.tip));
        if (key == "Bold" || key == "Italic" || key == "Underline") {
            a->setCheckable(true);
            // The platform's keys (Ctrl+B, Ctrl+I, Ctrl+U), acting where the
            // focus is in a document window, which carries these actions.
            a->setShortcut(key == "Bold"     ? QKeySequence::Bold
                           : key == "Italic" ? QKeySequence::Italic
                                             : QKeySequence::Underline);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        }
        if (key.startsWith("Align") || key == "Center") {
            a->setCheckable(true);
            m_alignGroup->addAction(a);
        }
    }
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    m_statusPanel = new QLabel(QStringLiteral("Status"), bar);
    m_statusPanel->setObjectName(QStringLiteral("pnlStatus"));
    m_datePanel = new QLabel(bar);
    m_datePanel->setObjectName(QStringLiteral("pnlDate"));
    m_timePanel = new QLabel(bar);
    m_timePanel->setObjectName(QStringLiteral("pnlTime"));
    // Sunken panels; the date and the time keep their width as the text changes.
    const QFontMetrics metrics = bar->fontMetrics();
    for (QLabel* panel : {m_statusPanel, m_datePanel, m_timePanel}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(4);
    }
    m_datePanel->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("12/30/2026")) + 16);
    m_timePanel->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("12:59 PM")) + 16);
    bar->addWidget(m_statusPanel, 1);
    bar->addPermanentWidget(m_datePanel);
    bar->addPermanentWidget(m_timePanel);
    m_clockTimer = new QTimer(this);
    m_clockTimer->setInterval(1000);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::onClockTimerTimeout);
    m_clockTimer->start();
}

void MainWindow::connectHandlers() {
    const auto on = [this](const char* name, void (MainWindow::*slot)()) {
        connect(menuAction(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    on("mnuFileExit", &MainWindow::onMnuFileExitTriggered);
    for (const char* name : {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFilePageSetup",
                             "mnuFilePrint", "mnuEditCut", "mnuEditCopy", "mnuEditPaste", "mnuWindowNewWindow"})
        on(name, &MainWindow::onDocumentItemTriggered);
    for (const char* name : {"mnuFileClose", "mnuFileSaveAll", "mnuFileProperties", "mnuFilePrintPreview",
                             "mnuFileSend", "mnuEditUndo", "mnuEditPasteSpecial"})
        on(name, &MainWindow::onPlaceholderTriggered);
    on("mnuViewToolbar", &MainWindow::onMnuViewToolbarTriggered);
    on("mnuViewStatusBar", &MainWindow::onMnuViewStatusBarTriggered);
    on("mnuViewRefresh", &MainWindow::onMnuViewRefreshTriggered);
    on("mnuViewOptions", &MainWindow::onMnuViewOptionsTriggered);
    on("mnuToolsOptions", &MainWindow::onMnuViewOptionsTriggered);
    on("mnuTervalo", &MainWindow::onMnuTervaloTriggered);
    on("mnuForcast", &MainWindow::onMnuForcastTriggered);
    connect(findChild<QMenu*>(QStringLiteral("mnuModels")), &QMenu::triggered, this, &MainWindow::onMnuModelsTriggered);
    on("mnuFind", &MainWindow::onMnuFindTriggered);
    on("mnuImport", &MainWindow::onMnuImportTriggered);
    on("mnuAnalyze", &MainWindow::onMnuAnalyzeTriggered);
    on("mnuDemoDatabase", &MainWindow::onMnuDemoDatabaseTriggered);
    connect(findChild<QMenu*>(QStringLiteral("mnuReport")), &QMenu::triggered, this, &MainWindow::onMnuReportTriggered);
    on("mnuWindowCascade", &MainWindow::onMnuWindowCascadeTriggered);
    on("mnuWindowTileHorizontal", &MainWindow::onMnuWindowTileHorizontalTriggered);
    on("mnuWindowTileVertical", &MainWindow::onMnuWindowTileVerticalTriggered);
    on("mnuWindowArrangeIcons", &MainWindow::onMnuWindowArrangeIconsTriggered);
    connect(findChild<QMenu*>(QStringLiteral("mnuWindow")), &QMenu::aboutToShow, this,
            &MainWindow::onMnuWindowAboutToShow);
    on("mnuHelpContents", &MainWindow::onMnuHelpContentsTriggered);
    on("mnuHelpSearchForHelpOn", &MainWindow::onMnuHelpSearchForHelpOnTriggered);
    on("mnuHelpAbout", &MainWindow::onMnuHelpAboutTriggered);
    on("mnuSupport", &MainWindow::onMnuSupportTriggered);
    connect(m_toolBar, &QToolBar::actionTriggered, this, &MainWindow::onTbToolBarButtonClick);
}

}  // namespace tervalo::shell
