#include "shell/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QWindow>
#include <cmath>
#include <limits>
#include <optional>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "platform/AppSettings.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/TextReport.h"
#include "platform/WindowPlacement.h"
#include "rtf/Twips.h"
#include "shell/HelpWindow.h"
#include "shell/LauncherPanelWidget.h"
#include "shell/MdiArrangement.h"
#include "shell/SharedRoutines.h"
#include "shell/StartingWindow.h"
#include "shell/documents/DocumentActions.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/GuardedHandler.h"
#include "widgets/WaitCursor.h"
#include "widgets/WindowRegistry.h"
#include "widgets/windows/ReportListWindow.h"
#include "widgets/windows/SalesDataWindow.h"
#include "widgets/windows/WebBrowserWindow.h"

namespace tervalo::shell {

namespace {

const QString kSupportAddress = QStringLiteral("https://tervalo.example.org/support");

// The ordinary pointer while a message is up, also in the middle of a toolbar action.
struct NormalPointer {
    const std::optional<QCursor> busy =
        QApplication::overrideCursor() ? std::optional<QCursor>(*QApplication::overrideCursor()) : std::nullopt;
    NormalPointer() {
        if (busy) QApplication::restoreOverrideCursor();
    }
    ~NormalPointer() {
        if (busy) QApplication::setOverrideCursor(*busy);
    }
    NormalPointer(const NormalPointer&) = delete;
    NormalPointer& operator=(const NormalPointer&) = delete;
};

[[noreturn]] void raiseError(const char* description) { throw core::RuntimeError(core::ErrorCode::Other, description); }

void moveToOrigin(QWidget* w) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        sub->move(0, 0);
    else
        w->move(0, 0);
}

}  // namespace

MainWindow::MainWindow(widgets::AppContext& ctx, QWidget* parent) : QMainWindow(parent), m_ctx(ctx) {
    setObjectName(widgets::formName(widgets::WindowId::Main));
    setWindowTitle(QStringLiteral("Tervalo"));
    // Other windows reach the main window through the context, already while it loads.
    m_ctx.mainWindow = this;
    // No pop-up of toolbar switches on a right click: View > Toolbar is the one
    // switch, so its check mark always tells whether the toolbar shows.
    setContextMenuPolicy(Qt::NoContextMenu);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    m_panel = new LauncherPanelWidget(
        m_ctx, [this](widgets::WindowId form) { return isAvailable(form); }, this);
    m_panel->dockInto(this);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    connectHandlers();
    m_ctx.registry.setMdiArea(m_mdi);
    m_ctx.setPanel(this);

    ApplyResourceStrings(this);
    loadPlacement();
    widgets::EnableDataMenus(m_ctx, false);
    m_panel->showGuidance(m_mdi);  // with tab 0 selected
    menuAction(QStringLiteral("mnuDemoDatabase"))->setChecked(m_ctx.dataSource == QLatin1String("Demo.mdb"));
    onClockTimerTimeout();
}

MainWindow::~MainWindow() {
    if (&m_ctx.panel() == this) m_ctx.setPanel(nullptr);
    if (m_ctx.mainWindow == this) m_ctx.mainWindow = nullptr;
    if (m_ctx.registry.mdiArea() == m_mdi) m_ctx.registry.setMdiArea(nullptr);
}

QAction* MainWindow::menuAction(const QString& name) const { return m_actions.value(name); }

bool MainWindow::demoDatabaseChecked() const { return menuAction(QStringLiteral("mnuDemoDatabase"))->isChecked(); }

int MainWindow::currentTab() const { return m_panel->currentTab(); }
QWidget* MainWindow::button(const QString& arrayName, int index) const { return m_panel->button(arrayName, index); }

void MainWindow::setDataMenusEnabled(bool enable) {
    for (const char* name : {"mnuFind", "mnuAnalyze", "mnuImport"})
        menuAction(QString::fromLatin1(name))->setEnabled(enable);
}

// ---- position and size ----------------------------------------------------

// The stored frame, fitted to the screen: a stored size larger than the
// screen, or a position far off it, still gives a whole, visible window. With
// no size stored (the first start) the frame holds the panel and the largest
// model window, as far as the screen allows.
void MainWindow::loadPlacement() {
    using rtf::Twips::toTwips;
    constexpr float kUnset = std::numeric_limits<float>::quiet_NaN();
    const auto& designed = platform::AppSettings::kDefaultMainPlacement;
    platform::AppSettings::MainPlacement placement =
        m_ctx.settings.mainPlacement({designed.left, designed.top, kUnset, kUnset});
    if (std::isnan(placement.width) || std::isnan(placement.height)) {
        const QSize first = firstStartSize();
        if (std::isnan(placement.width)) placement.width = float(toTwips(first.width()));
        if (std::isnan(placement.height)) placement.height = float(toTwips(first.height()));
    }
    const QRect fitted =
        platform::fitToScreen(platform::placementRect(placement), availableScreenArea(), windowFrame());
    move(fitted.topLeft());
    resize(fitted.size());
}

// The menus, toolbar, panel and status bar around a workspace that holds the
// largest model window; the designed 6,500 twips square without model windows.
QSize MainWindow::firstStartSize() {
    const QSize child = m_ctx.registry.workspaceFormSize();
    const auto& designed = platform::AppSettings::kDefaultMainPlacement;
    if (child.isEmpty()) return {rtf::Twips::toPixels(designed.width), rtf::Twips::toPixels(designed.height)};
    // Laid out wide enough that the toolbar and menus do not fold, the parts
    // around the workspace are what the frame adds to it.
    resize(child + QSize(800, 400));
    layout()->activate();
    return child + (size() - m_mdi->maximumViewportSize());
}

// The frame's position and the size as they are, maximised or not, fitted to
// the screen: loading applies them the same way, so a start without changes
// restores the window.
void MainWindow::savePlacement() {
    using rtf::Twips::toTwips;
    const QRect frame = platform::fitToScreen(QRect(pos(), size()), availableScreenArea(), windowFrame());
    m_ctx.settings.saveMainPlacement({float(toTwips(frame.x())), float(toTwips(frame.y())),
                                      float(toTwips(frame.width())), float(toTwips(frame.height()))});
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    m_awaitingFrame = !windowFrameKnown();
    fitFrameToScreen();
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (placed && m_awaitingFrame && windowFrameKnown()) {
        m_awaitingFrame = false;
        fitFrameToScreen();
    }
    return handled;
}

QMargins MainWindow::windowFrame() const {
    if (windowFrameKnown()) return windowHandle()->frameMargins();
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return {border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + border, border, border};
}

bool MainWindow::windowFrameKnown() const { return windowHandle() && !windowHandle()->frameMargins().isNull(); }

void MainWindow::fitFrameToScreen() {
    if (isMaximized() || isFullScreen() || isMinimized()) return;
    const QRect placed(pos(), size());
    const QRect fitted = platform::fitToScreen(placed, availableScreenArea(), windowFrame());
    if (fitted.topLeft() != placed.topLeft()) move(fitted.topLeft());
    if (fitted.size() != placed.size()) resize(fitted.size());
}

QRect MainWindow::availableScreenArea() const {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    return shown ? shown->availableGeometry() : QRect();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Text reports not yet saved ask first; Cancel keeps the program open.
    if (!m_ctx.textReports.closeAll()) {
        event->ignore();
        return;
    }
    // So do changed documents; Cancel keeps the program open too.
    if (!documents().confirmClosingAll()) {
        event->ignore();
        return;
    }
    if (!isMinimized()) guarded([this] { savePlacement(); });
    if (m_help) m_help->close();
    event->accept();
    emit unloaded();
}

// ---- shared handler helpers --------------------------------------------------

void MainWindow::guarded(const std::function<void()>& body) {
    widgets::runGuarded(this, m_ctx.notifier, body, QString(), QString(), platform::MsgIcon::None);
}

void MainWindow::showNotAvailable() {
    NormalPointer pointer;
    widgets::showNotAvailable(this, m_ctx.notifier);
}

bool MainWindow::isAvailable(widgets::WindowId form) {
    if (m_ctx.registry.isRegistered(form)) return true;
    showNotAvailable();
    return false;
}

QWidget* MainWindow::showWindow(widgets::WindowId form, bool fresh) {
    if (!isAvailable(form)) return nullptr;
    return fresh ? m_ctx.registry.openFresh(form) : m_ctx.registry.show(form);
}

void MainWindow::showChildFresh(widgets::WindowId form) {
    if (QWidget* w = showWindow(form, true)) widgets::ShowChildForm(w);
}

void MainWindow::showModal(widgets::WindowId form) {
    if (!isAvailable(form)) return;
    // The default instance; closing it unloads it, so the next use makes a new one.
    QWidget* w = m_ctx.registry.instance(form);
    if (auto* dialog = qobject_cast<QDialog*>(w)) {
        const QPointer<QDialog> open(dialog);
        dialog->exec();
        if (open) open->deleteLater();  // a dialog that deletes itself on closing is gone already
    } else if (w) {
        w->setWindowModality(Qt::ApplicationModal);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
    }
}

void MainWindow::showReportList(int list) {
    // The EOQ list is filled before the window shows; the others once it is shown.
    const widgets::WindowId form = widgets::WindowId::Report;
    if (!isAvailable(form)) return;
    auto* reports = m_ctx.registry.instanceAs<widgets::ReportListWindow>(form);
    if (!reports) raiseError("Object doesn't support this property or method");
    if (list == 1) reports->showList(list);
    QWidget* w = m_ctx.registry.show(form);
    moveToOrigin(w);
    if (list != 1) reports->showList(list);
}

void MainWindow::salesDataAction(bool find, bool import, bool analyze) {
    const widgets::WindowId form = widgets::WindowId::SalesData;
    if (!isAvailable(form)) return;
    auto* card = m_ctx.registry.instanceAs<widgets::SalesDataWindow>(form);
    if (!card) raiseError("Object doesn't support this property or method");
    card->actionViaMenu(find, import, analyze);
}

DocumentActions& MainWindow::documents() {
    if (!m_documents) {
        m_documents = new DocumentActions(m_mdi, m_ctx.notifier, this);
        m_documents->setDialogs(m_documentDialogs);
        m_documents->setDocumentActions({menuAction(QStringLiteral("Bold")), menuAction(QStringLiteral("Italic")),
                                         menuAction(QStringLiteral("Underline"))});
        connect(m_documents, &DocumentActions::selectionFormatChanged, this,
                &MainWindow::onDocumentSelectionFormatChanged);
    }
    return *m_documents;
}

void MainWindow::setDocumentDialogs(DocumentDialogs* dialogs) {
    m_documentDialogs = dialogs;
    if (m_documents) m_documents->setDialogs(dialogs);
}

void MainWindow::documentAction(const QString& key) {
    // Dialogs and questions show the ordinary pointer, also from the toolbar.
    NormalPointer pointer;
    DocumentActions& docs = documents();
    if (key == QLatin1String("New"))
        docs.newDocument();
    else if (key == QLatin1String("Open"))
        docs.open();
    else if (key == QLatin1String("Save"))
        docs.save();
    else if (key == QLatin1String("Save As"))
        docs.saveAs();
    else if (key == QLatin1String("Print"))
        docs.print();
    else if (key == QLatin1String("Page Setup"))
        docs.pageSetup();
    else if (key == QLatin1String("Cut"))
        docs.cut();
    else if (key == QLatin1String("Copy"))
        docs.copy();
    else if (key == QLatin1String("Paste"))
        docs.paste();
}

QTextEdit* MainWindow::activeRichText() { return documents().activeRichText(); }

void MainWindow::toggleFormat(const QString& key) {
    QAction* button = menuAction(key);
    button->setChecked(!button->isChecked());  // undo the click's own toggle: the selection decides
    QTextEdit* box = activeRichText();
    const QTextCharFormat current = box->currentCharFormat();
    QTextCharFormat change;
    bool now = false;
    if (key == QLatin1String("Bold")) {
        now = current.fontWeight() <= QFont::Normal;
        change.setFontWeight(now ? QFont::Bold : QFont::Normal);
    } else if (key == QLatin1String("Italic")) {
        now = !current.fontItalic();
        change.setFontItalic(now);
    } else {
        now = !current.fontUnderline();
        change.setFontUnderline(now);
    }
    box->mergeCurrentCharFormat(change);
    button->setChecked(now);
}

// ---- menu handlers -----------------------------------------------------------

void MainWindow::onDocumentItemTriggered() {
    static const QHash<QString, QString> kKeys = {
        {QStringLiteral("mnuFileNew"), QStringLiteral("New")},
        {QStringLiteral("mnuWindowNewWindow"), QStringLiteral("New")},
        {QStringLiteral("mnuFileOpen"), QStringLiteral("Open")},
        {QStringLiteral("mnuFileSave"), QStringLiteral("Save")},
        {QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save As")},
        {QStringLiteral("mnuFilePrint"), QStringLiteral("Print")},
        {QStringLiteral("mnuFilePageSetup"), QStringLiteral("Page Setup")},
        {QStringLiteral("mnuEditCut"), QStringLiteral("Cut")},
        {QStringLiteral("mnuEditCopy"), QStringLiteral("Copy")},
        {QStringLiteral("mnuEditPaste"), QStringLiteral("Paste")},
    };
    const auto* item = qobject_cast<QAction*>(sender());
    if (!item) return;
    const QString key = kKeys.value(item->objectName());
    // A failure is reported once, as from the toolbar (File > Open on a model window too).
    guarded([this, &key] { documentAction(key); });
}

// The toolbar shows the format of the active document's selection.
void MainWindow::onDocumentSelectionFormatChanged(const SelectionFormat& format) {
    menuAction(QStringLiteral("Bold"))->setChecked(format.bold);
    menuAction(QStringLiteral("Italic"))->setChecked(format.italic);
    menuAction(QStringLiteral("Underline"))->setChecked(format.underline);
    menuAction(QStringLiteral("Align Left"))->setChecked(format.alignment == Qt::AlignLeft);
    menuAction(QStringLiteral("Center"))->setChecked(format.alignment == Qt::AlignHCenter);
    menuAction(QStringLiteral("Align Right"))->setChecked(format.alignment == Qt::AlignRight);
}

void MainWindow::onMnuFileExitTriggered() { close(); }

void MainWindow::onPlaceholderTriggered() {
    const auto* item = qobject_cast<QAction*>(sender());
    if (!item) return;
    m_ctx.notifier.show(this, QStringLiteral("Add '%1_Click' code.").arg(item->objectName()));
}

void MainWindow::onMnuViewToolbarTriggered() {
    m_toolBar->setVisible(menuAction(QStringLiteral("mnuViewToolbar"))->isChecked());
}

void MainWindow::onMnuViewStatusBarTriggered() {
    statusBar()->setVisible(menuAction(QStringLiteral("mnuViewStatusBar"))->isChecked());
}

void MainWindow::onMnuViewRefreshTriggered() {
    m_ctx.notifier.show(this, QStringLiteral("Add 'mnuViewRefresh_Click' code."));
}

void MainWindow::onMnuViewOptionsTriggered() {
    guarded([this] { showModal(widgets::WindowId::Options); });
}

void MainWindow::onMnuTervaloTriggered() {
    guarded([this] { showChildFresh(widgets::WindowId::Wizard); });
}

void MainWindow::onMnuForcastTriggered() {
    guarded([this] { showChildFresh(widgets::WindowId::D1); });
}

void MainWindow::onMnuModelsTriggered(QAction* item) {
    guarded([this, item] { showWindow(item->data().value<widgets::WindowId>()); });
}

void MainWindow::onMnuFindTriggered() {
    guarded([this] { salesDataAction(true, false, false); });
}

void MainWindow::onMnuImportTriggered() {
    guarded([this] { salesDataAction(false, true, false); });
}

void MainWindow::onMnuAnalyzeTriggered() {
    guarded([this] { salesDataAction(false, false, true); });
}

void MainWindow::onMnuDemoDatabaseTriggered() {
    guarded([this] {
        // The running program keeps its connection; the choice applies at the next start.
        QAction* item = menuAction(QStringLiteral("mnuDemoDatabase"));
        const bool demo = item->isChecked();
        try {
            m_ctx.settings.setDataSourceName(demo ? QStringLiteral("Demo.mdb") : QStringLiteral("dbWHouse.mdb"));
        } catch (...) {
            item->setChecked(!demo);  // the check mark keeps showing what is stored
            throw;
        }
        m_ctx.notifier.show(this,
                            QStringLiteral("You have just changed datasource.  To use this database, "
                                           "please exit this program and restart it."),
                            QStringLiteral("Database changed"), platform::MsgIcon::Information);
    });
}

void MainWindow::onMnuReportTriggered(QAction* item) {
    guarded([this, item] { showReportList(item->data().toInt()); });
}

// The guidance board keeps its size and place under every arrangement.
QMdiSubWindow* MainWindow::guidanceFrame() const {
    StartingWindow* board = m_panel->guidance();
    return board ? qobject_cast<QMdiSubWindow*>(board->parentWidget()) : nullptr;
}

void MainWindow::onMnuWindowCascadeTriggered() {
    guarded([this] { MdiArrangement::cascade(m_mdi, guidanceFrame()); });
}

void MainWindow::onMnuWindowTileHorizontalTriggered() {
    guarded([this] { MdiArrangement::tileHorizontally(m_mdi, guidanceFrame()); });
}

void MainWindow::onMnuWindowTileVerticalTriggered() {
    guarded([this] { MdiArrangement::tileVertically(m_mdi, guidanceFrame()); });
}

void MainWindow::onMnuWindowArrangeIconsTriggered() {
    guarded([this] { MdiArrangement::arrangeIcons(m_mdi); });
}

void MainWindow::onMnuWindowAboutToShow() {
    QMenu* menu = menuAction(QStringLiteral("mnuWindow"))->menu();
    for (QAction* a : std::as_const(m_windowList)) {
        menu->removeAction(a);
        a->deleteLater();
    }
    m_windowList.clear();
    // The guidance board is not listed: it stays behind the other windows, as
    // the arrangements leave it where it is.
    QList<QMdiSubWindow*> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    windows.removeAll(guidanceFrame());
    if (windows.isEmpty()) return;
    m_windowList << menu->addSeparator();
    int number = 1;
    for (QMdiSubWindow* sub : windows) {
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == m_mdi->currentSubWindow());
        connect(a, &QAction::triggered, sub, [this, sub] { m_mdi->setActiveSubWindow(sub); });
        m_windowList << a;
    }
}

void MainWindow::showHelp(const QString& page) {
    if (m_helpFile.isEmpty()) {
        m_ctx.notifier.show(this,
                            QStringLiteral("Unable to display Help Contents. There is no Help associated "
                                           "with this project."),
                            windowTitle(), platform::MsgIcon::Information);
        return;
    }
    if (!m_help) {
        m_help = new HelpWindow(this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->showPage(m_helpFile + page);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void MainWindow::onMnuHelpContentsTriggered() {
    guarded([this] { showHelp(QString()); });
}

void MainWindow::onMnuHelpSearchForHelpOnTriggered() {
    guarded([this] { showHelp(QStringLiteral("#keywords")); });
}

void MainWindow::onMnuHelpAboutTriggered() {
    guarded([this] { showModal(widgets::WindowId::About); });
}

void MainWindow::onMnuSupportTriggered() {
    guarded([this] {
        const widgets::WindowId form = widgets::WindowId::Browser;
        if (!isAvailable(form)) return;
        auto* browser = m_ctx.registry.instanceAs<widgets::WebBrowserWindow>(form);
        if (!browser) raiseError("Object doesn't support this property or method");
        browser->setStartingAddress(kSupportAddress);
        QWidget* w = m_ctx.registry.show(form);
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            sub->showMaximized();
        else
            w->showMaximized();
    });
}

// ---- toolbar -------------------------------------------------------------------

void MainWindow::onTbToolBarButtonClick(QAction* button) {
    const QString key = button->objectName();
    guarded([this, &key] {
        widgets::WaitCursor hourglass;
        if (key == "Bold" || key == "Italic" || key == "Underline") {
            toggleFormat(key);
        } else if (key == "Align Left") {
            activeRichText()->setAlignment(Qt::AlignLeft);
        } else if (key == "Center") {
            activeRichText()->setAlignment(Qt::AlignHCenter);
        } else if (key == "Align Right") {
            activeRichText()->setAlignment(Qt::AlignRight);
        } else if (key == "Report") {
            showReportList(1);
        } else if (key == "Tervalo") {
            showChildFresh(widgets::WindowId::Wizard);
        } else if (key == "Demand Analysis") {
            showChildFresh(widgets::WindowId::D1);
        } else if (key == "Data Warehouse") {
            showWindow(widgets::WindowId::SalesData);
        } else {
            documentAction(key);  // New, Open, Save, Print, Cut, Copy, Paste
        }
    });
}

void MainWindow::onClockTimerTimeout() {
    const QDateTime now = m_ctx.clock.now();
    const QLocale c = QLocale::c();
    m_datePanel->setText(c.toString(now.date(), QStringLiteral("M/d/yyyy")));
    m_timePanel->setText(c.toString(now.time(), QStringLiteral("h:mm AP")));
}

}  // namespace tervalo::shell
