#include "shell/LauncherPanelWidget.h"

#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QFocusEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>
#include <vector>

#include "core/RuntimeError.h"
#include "core/stochastic/Problem.h"
#include "shell/SharedRoutines.h"
#include "shell/StartingWindow.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/GuardedHandler.h"
#include "widgets/WaitCursor.h"
#include "widgets/WindowRegistry.h"
#include "widgets/windows/DiscreteSinglePeriodWindowEntry.h"
#include "widgets/windows/SinglePeriodWindowEntry.h"

namespace tervalo::shell {

namespace {

using core::stochastic::Problem;

enum class Opening {
    Fresh,        // a new instance, shown
    FreshPlaced,  // a new instance, placed at the left edge and shown by ShowChildForm
    Existing,     // the default instance shown
};

// What a button opens. frmSinglePeriodC takes uniform demand and its problem
// before it is shown, frmSinglePeriodD its problem once it has loaded and shown.
struct Launch {
    widgets::WindowId form;
    Opening opening = Opening::Fresh;
    std::optional<Problem> before{};
    std::optional<Problem> after{};
};

const std::optional<Problem> kUniformSinglePeriod{Problem::SinglePeriod};
const std::optional<Problem> kUniformSsPolicy{Problem::SsPolicy};

const std::vector<Launch>& professionalLaunches() {  // Command1, tab 1
    static const std::vector<Launch> table{
        {widgets::WindowId::PurchaseNS},
        {widgets::WindowId::PurchaseSA},
        {widgets::WindowId::ManufNS},
        {widgets::WindowId::ManufSA},
        {widgets::WindowId::IncrementalDiscount},
        {widgets::WindowId::AllUnitDiscount},
        {widgets::WindowId::SinglePeriodC, Opening::Fresh, kUniformSinglePeriod},
        {widgets::WindowId::SinglePeriodD, Opening::Fresh, {}, Problem::SinglePeriod},
        {widgets::WindowId::SinglePeriodC, Opening::Fresh, kUniformSsPolicy},
        {widgets::WindowId::SinglePeriodD, Opening::Fresh, {}, Problem::SsPolicy},
        {widgets::WindowId::D1, Opening::FreshPlaced},
        {widgets::WindowId::SalesData, Opening::Existing},
    };
    return table;
}

const std::vector<Launch>& dummyLaunches() {  // Command2, tab 0
    static const std::vector<Launch> table{
        {widgets::WindowId::Wizard, Opening::FreshPlaced},
        {widgets::WindowId::PurchaseNS},
        {widgets::WindowId::PurchaseSA},
        {widgets::WindowId::ManufNS},
        {widgets::WindowId::ManufSA},
        {widgets::WindowId::SinglePeriodC, Opening::Fresh, kUniformSinglePeriod},
        {widgets::WindowId::SinglePeriodC, Opening::Fresh, kUniformSsPolicy},
        {widgets::WindowId::IncrementalDiscount},
        {widgets::WindowId::AllUnitDiscount},
        {widgets::WindowId::SinglePeriodD, Opening::Fresh, {}, Problem::SinglePeriod},
        {widgets::WindowId::MultiperiodA},
    };
    return table;
}

const QStringList kDummyCaptions{
    QStringLiteral("Wizard"),
    QStringLiteral("Purchasing  (No Shortage)"),
    QStringLiteral("Purchacing (Shortage Allowed)"),
    QStringLiteral("Production (No Shortage)"),
    QStringLiteral("Production (Shortage Allowed)"),
    QStringLiteral("Single Period - Christmas Tree"),
    QStringLiteral("s-S Policy - A Car Dealer"),
    QStringLiteral("Incremental Quantity Discount"),
    QStringLiteral("All Unit Quantity Discount"),
    QStringLiteral("Expensive Items"),
    QStringLiteral("Aspiration Level"),
};

const QStringList kProfessionalCaptions{
    QStringLiteral("Purchasing EOQ no Shortage"),
    QStringLiteral("Purchasing EOQ with Shortage"),
    QStringLiteral("Production EOQ no Shortage"),
    QStringLiteral("Production EOQ with Shoetage"),
    QStringLiteral("Quantity Discount - Incremental"),
    QStringLiteral("Quantity Discount - All Unit"),
    QStringLiteral("Single Period - Continuous"),
    QStringLiteral("Single Period - Discrete"),
    QStringLiteral("s-S Policy - Continuous"),
    QStringLiteral("s-S Policicy - Discrete"),
    QStringLiteral("Demand Forcasting"),
    QStringLiteral("Data Mining"),
};

[[noreturn]] void raiseNoSupport() {
    throw core::RuntimeError(core::ErrorCode::Other, "Object doesn't support this property or method");
}

void open(widgets::WindowRegistry& registry, const Launch& launch) {
    const widgets::WindowId form = launch.form;
    switch (launch.opening) {
        case Opening::Existing:
            registry.show(form);
            return;
        case Opening::FreshPlaced:
            widgets::ShowChildForm(registry.openFresh(form));
            return;
        case Opening::Fresh:
            break;
    }
    QWidget* window = nullptr;
    if (!launch.before) {
        window = registry.openFresh(form);
    } else {
        registry.release(form);
        auto* entry = registry.instanceAs<widgets::SinglePeriodWindowEntry>(form);
        if (!entry) raiseNoSupport();
        // Uniform demand first, then the problem: the order the user would click them.
        entry->select(core::stochastic::ContinuousDemand::Uniform);
        entry->select(*launch.before);
        window = registry.show(form);
    }
    if (launch.after) {
        auto* entry = dynamic_cast<widgets::DiscreteSinglePeriodWindowEntry*>(window);
        if (!entry) raiseNoSupport();
        entry->select(*launch.after);
    }
}

// Colours are the system's: the tool-tip background for the hovered button, the button face for the rest.
void setBackColour(QWidget* button, QPalette::ColorRole systemRole) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QApplication::palette().color(systemRole));
    button->setPalette(palette);
}

bool isLeaving(const QFocusEvent* event) {
    // The window losing the activation, a popup or the menu bar is no leaving of the button.
    const Qt::FocusReason reason = event->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason;
}

const char* kTabProperty = "launcherTab";
const char* kIndexProperty = "launcherIndex";

}  // namespace

LauncherPanelWidget::LauncherPanelWidget(widgets::AppContext& ctx, Availability available, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_available(std::move(available)) {
    setObjectName(QStringLiteral("Picture1"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(buildTab(0, kDummyCaptions), QStringLiteral("For Dummy"));
    m_tabs->addTab(buildTab(1, kProfessionalCaptions), QStringLiteral(" For Professional"));
    m_tabs->setMouseTracking(true);
    m_tabs->tabBar()->setMouseTracking(true);
    m_tabs->tabBar()->setFocusPolicy(Qt::StrongFocus);  // a click on a tab takes the focus, as Tab does
    m_tabs->installEventFilter(this);
    m_tabs->tabBar()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

QWidget* LauncherPanelWidget::buildTab(int tab, const QStringList& captions) {
    auto* page = new QWidget;
    page->setObjectName(tab == 0 ? QStringLiteral("SSTab1_0") : QStringLiteral("SSTab1_1"));
    page->setMouseTracking(true);
    page->installEventFilter(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    const QString array = tab == 0 ? QStringLiteral("Command2") : QStringLiteral("Command1");
    QList<QPushButton*>& list = tab == 0 ? m_command2 : m_command1;
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QPushButton(captions.at(i), page);
        button->setObjectName(QStringLiteral("%1_%2").arg(array).arg(i));
        button->setProperty(kTabProperty, tab);
        button->setProperty(kIndexProperty, i);
        button->setAutoDefault(true);
        button->setMouseTracking(true);
        button->installEventFilter(this);
        setBackColour(button, QPalette::Button);
        if (tab == 0)
            connect(button, &QPushButton::clicked, this, [this, i] { onCommand2Clicked(i); });
        else
            connect(button, &QPushButton::clicked, this, [this, i] { onCommand1Clicked(i); });
        layout->addWidget(button);
        list << button;
    }
    layout->addStretch(1);
    // A short main window scrolls the buttons rather than growing to hold them all.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(page->objectName() + QStringLiteral("_Scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // No stop of its own for Tab: the focus goes from the tab to its buttons,
    // and the area scrolls to show the focused one.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(page);
    scroll->setMinimumWidth(page->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width());
    return scroll;
}

void LauncherPanelWidget::dockInto(QMainWindow* window) {
    auto* dock = new QDockWidget(window);
    dock->setObjectName(QStringLiteral("Picture1Dock"));
    dock->setTitleBarWidget(new QWidget(dock));  // no title: the panel is part of the window
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setAllowedAreas(Qt::LeftDockWidgetArea);
    dock->setWidget(this);
    window->addDockWidget(Qt::LeftDockWidgetArea, dock);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)})
        new QShortcut(key, window, this, &LauncherPanelWidget::switchPane);
}

void LauncherPanelWidget::showGuidance(QMdiArea* area) {
    m_area = area;
    StartingWindow* shown = board();
    if (QWidget* frame = shown->parentWidget()) frame->show();
    shown->show();
    shown->setHelp(m_texts.strHelpDummy()[0]);
    m_tabs->setCurrentIndex(0);
}

// The main window opens with the focus on the panel's tabs, from where Tab
// reaches the buttons one by one. The workspace, which gave the focus to the
// guidance board as the window became active, has had its turn by now; a
// window opened before then keeps the focus.
bool LauncherPanelWidget::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !m_focusTaken) {
        m_focusTaken = true;
        const QWidget* focus = window()->focusWidget();
        const QWidget* boardFrame = m_board ? m_board->parentWidget() : nullptr;
        if (!focus || (boardFrame && (focus == boardFrame || boardFrame->isAncestorOf(focus))))
            m_tabs->tabBar()->setFocus(Qt::ActiveWindowFocusReason);
    }
    return QWidget::event(event);
}

StartingWindow* LauncherPanelWidget::board() {
    if (!m_board) {
        // Reloaded hidden: the labels are written, the window is not shown.
        m_board = new StartingWindow;
        if (m_area) m_board->addTo(m_area)->hide();
        QStringList texts;
        QStringList titles{StartingWindow::designedTitle()};
        for (int tab : {0, 1})
            for (int entry = 0; entry < GuidanceTexts::kEntries; ++entry) {
                texts << m_texts.help(tab, entry);
                titles << QStringLiteral(" ") + m_texts.title(tab, entry);
            }
        m_board->reserveFor(texts, titles);
    }
    return m_board;
}

int LauncherPanelWidget::currentTab() const { return m_tabs->currentIndex(); }

QWidget* LauncherPanelWidget::button(const QString& arrayName, int index) const {
    const QList<QPushButton*>* list = nullptr;
    if (arrayName == QLatin1String("Command2"))
        list = &m_command2;
    else if (arrayName == QLatin1String("Command1"))
        list = &m_command1;
    if (!list || index < 0 || index >= list->size()) return nullptr;
    return list->at(index);
}

void LauncherPanelWidget::switchPane() {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus)) {
        m_tabs->tabBar()->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    QMdiSubWindow* child = m_area ? m_area->activeSubWindow() : nullptr;
    if (!child || !child->widget()) return;  // no child window: the focus stays
    QWidget* target = child->widget()->focusWidget();
    if (!target || !target->isVisible() || !target->isEnabled() || target->focusPolicy() == Qt::NoFocus) {
        // The child's first stop of Tab.
        target = child->widget();
        do
            target = target->nextInFocusChain();
        while (target != child->widget() && !(child->isAncestorOf(target) && target->isVisible() &&
                                              target->isEnabled() && (target->focusPolicy() & Qt::TabFocus)));
    }
    target->setFocus(Qt::ShortcutFocusReason);
}

// ---- clicks ---------------------------------------------------------------------

void LauncherPanelWidget::onCommand1Clicked(int index) {
    widgets::runGuarded(
        window(), m_ctx.notifier,
        [this, index] {
            widgets::WaitCursor hourglass;
            const Launch& launch = professionalLaunches().at(index);
            if (m_available(launch.form)) open(m_ctx.registry, launch);
        },
        QString(), QString(), platform::MsgIcon::None);
}

void LauncherPanelWidget::onCommand2Clicked(int index) {
    widgets::runGuarded(
        window(), m_ctx.notifier,
        [this, index] {
            const Launch& launch = dummyLaunches().at(index);
            if (m_available(launch.form)) open(m_ctx.registry, launch);
        },
        QString(), QString(), platform::MsgIcon::None);
}

// ---- pointer and focus --------------------------------------------------------------

bool LauncherPanelWidget::eventFilter(QObject* watched, QEvent* event) {
    const QVariant tab = watched->property(kTabProperty);
    if (tab.isValid()) {  // a button
        const int index = watched->property(kIndexProperty).toInt();
        switch (event->type()) {
            case QEvent::Enter:
                onButtonHovered(tab.toInt(), index);
                break;
            case QEvent::MouseMove:
                onButtonHovered(tab.toInt(), index);
                // Not on to the tab page, which would show the introduction again.
                if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) return true;
                break;
            case QEvent::FocusOut:
                if (tab.toInt() == 0 && isLeaving(static_cast<QFocusEvent*>(event))) onCommand2LostFocus();
                break;
            default:
                break;
        }
    } else if (event->type() == QEvent::MouseMove) {  // the tab control, its tabs or a page
        onTabAreaHovered();
    }
    return QWidget::eventFilter(watched, event);
}

void LauncherPanelWidget::onButtonHovered(int tab, int index) {
    colourButtons(tab, index);
    showEntry(tab, index + 1, true);
}

void LauncherPanelWidget::onCommand2LostFocus() { showEntry(0, 0, true); }

void LauncherPanelWidget::onTabAreaHovered() {
    const int tab = currentTab() <= 0 ? 0 : 1;
    showEntry(tab, 0, true);
    colourButtons(tab, -1);
}

void LauncherPanelWidget::colourButtons(int tab, int hovered) {
    const QList<QPushButton*>& list = buttons(tab);
    for (int i = 0; i < list.size(); ++i)
        setBackColour(list.at(i), i == hovered ? QPalette::ToolTipBase : QPalette::Button);
}

void LauncherPanelWidget::showEntry(int tab, int entry, bool withTitle) {
    StartingWindow* shown = board();
    shown->setHelp(m_texts.help(tab, entry));
    if (withTitle) shown->setTitle(QStringLiteral(" ") + m_texts.title(tab, entry));
}

}  // namespace tervalo::shell
