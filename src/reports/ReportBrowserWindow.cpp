#include "reports/ReportBrowserWindow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>
#include <optional>

#include "core/RuntimeError.h"
#include "data/ReportBrowserRepository.h"
#include "platform/Clock.h"
#include "reports/ReportListModel.h"
#include "reports/ReportOutput.h"
#include "rtf/Twips.h"
#include "widgets/AppContext.h"
#include "widgets/FormBuilder.h"
#include "widgets/GuardedHandler.h"
#include "widgets/WindowId.h"

namespace tervalo::reports {

namespace {

namespace fb = widgets::FormBuilder;
using data::ReportKind;

// The window's client area and the list's column widths, in twips.
constexpr int kClientWidth = 10785;
constexpr int kClientHeight = 6450;
constexpr int kColumnWidths[] = {1440, 1440, 1440, 5440};

enum ButtonIndex { kPrint = 0, kPreview = 1, kDelete = 2 };

// The report type a text names, by the words it contains (letter case counts).
std::optional<ReportKind> kindNamedBy(const QString& text) {
    if (text.contains(QLatin1String("EOQ"))) return ReportKind::Eoq;
    if (text.contains(QLatin1String("Reorder point"))) return ReportKind::ReorderPoint;
    if (text.contains(QLatin1String("Single-Period")) && text.contains(QLatin1String("Uniform")))
        return ReportKind::SinglePeriodUniform;
    if (text.contains(QLatin1String("Single-Period")) && text.contains(QLatin1String("Normal")))
        return ReportKind::SinglePeriodNormal;
    return std::nullopt;
}

// Every EOQ result prints with the first EOQ layout, whichever model saved it.
LayoutId layoutOf(ReportKind kind) {
    switch (kind) {
        case ReportKind::Eoq:
            return LayoutId::Eoq1;
        case ReportKind::ReorderPoint:
            return LayoutId::SS;
        case ReportKind::SinglePeriodUniform:
            return LayoutId::SingleP;
        case ReportKind::SinglePeriodNormal:
            return LayoutId::SinglePN;
    }
    return LayoutId::Eoq1;
}

QDateEdit* datePicker(QWidget* parent, const QString& name) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    return picker;
}

// The rows as runs of neighbours, so a search over many entries selects them in few ranges.
QItemSelection selectionOf(const QAbstractItemModel& model, const QList<int>& rows) {
    QItemSelection selection;
    const int last = model.columnCount() - 1;
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        selection.select(model.index(rows[i], 0), model.index(rows[j], last));
        i = j + 1;
    }
    return selection;
}

}  // namespace

const QStringList& ReportBrowserWindow::reportTypeNames() {
    static const QStringList names = {
        QStringLiteral("Reports from EOQ Models"),
        QStringLiteral("Reports of Reorder point (s_S Policy)"),
        QStringLiteral("Reports from Single-Period Model (Uniform Distribution)"),
        QStringLiteral("Reports from Single-Period Model (Normal Distribution)"),
    };
    return names;
}

ReportBrowserWindow::ReportBrowserWindow(widgets::AppContext& ctx, ReportOutput& output, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_output(output) {
    setObjectName(widgets::formName(widgets::WindowId::Report));
    setWindowTitle(QStringLiteral("Reports"));
    buildForm();
    setFixedSize(rtf::Twips::toPixels(kClientWidth), rtf::Twips::toPixels(kClientHeight));

    // The dates are set before the pickers are connected: loading lists nothing.
    const QDate today = m_ctx.clock.today();
    m_from->setDate(today.addDays(-30));
    m_to->setDate(today);

    connect(m_type, &QComboBox::activated, this, &ReportBrowserWindow::onComboReportTypeActivated);
    connect(m_from, &QDateEdit::dateChanged, this, &ReportBrowserWindow::onDtPickerDateChanged);
    connect(m_to, &QDateEdit::dateChanged, this, &ReportBrowserWindow::onDtPickerDateChanged);
    connect(m_search, &QLineEdit::returnPressed, this, &ReportBrowserWindow::onTxtItemReturnPressed);
    for (int index : {kPrint, kPreview, kDelete}) {
        auto* b = findChild<QPushButton*>(QStringLiteral("Command1_%1").arg(index));
        connect(b, &QPushButton::clicked, this, [this, index] { onCommand1Clicked(index); });
    }
}

ReportBrowserWindow::~ReportBrowserWindow() = default;

void ReportBrowserWindow::buildForm() {
    auto* outer = new QVBoxLayout(this);

    QGroupBox* criteria = fb::frame(this, QStringLiteral("Frame2"), QStringLiteral("Change criterion"));
    auto* grid = new QGridLayout(criteria);
    m_from = datePicker(criteria, QStringLiteral("DTPicker1"));
    m_to = datePicker(criteria, QStringLiteral("DTPicker2"));
    m_search = fb::inputBox(criteria, QStringLiteral("txtItem"));
    m_type = new QComboBox(criteria);
    m_type->setObjectName(QStringLiteral("ComboReportType"));
    m_type->setEditable(true);
    // What the user types stays as typed: no completion, never added as an item.
    m_type->setInsertPolicy(QComboBox::NoInsert);
    m_type->setCompleter(nullptr);
    m_type->addItems(reportTypeNames());
    m_type->setCurrentIndex(-1);
    m_type->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    fb::addRow(grid, 0, fb::label(criteria, QStringLiteral("Label1"), QStringLiteral("From")), m_from);
    fb::addRow(grid, 1, fb::label(criteria, QStringLiteral("Label2"), QStringLiteral("To")), m_to);
    grid->setColumnStretch(2, 1);
    auto* searchLabel = fb::label(criteria, QStringLiteral("Label3"), QStringLiteral("Search by Item Name:"));
    auto* typeLabel = fb::label(criteria, QStringLiteral("Label4"), QStringLiteral("Report type"));
    grid->addWidget(searchLabel, 0, 3);
    grid->addWidget(m_search, 0, 4);
    grid->addWidget(typeLabel, 1, 3);
    grid->addWidget(m_type, 1, 4);
    searchLabel->setBuddy(m_search);
    typeLabel->setBuddy(m_type);
    outer->addWidget(criteria);

    QGroupBox* listFrame =
        fb::frame(this, QStringLiteral("Frame1"),
                  QStringLiteral("Select reports from the following list and click either Print or Preview button"));
    auto* listLayout = new QVBoxLayout(listFrame);
    m_model = new ReportListModel(this);
    m_list = new QTreeView(listFrame);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setAccessibleName(listFrame->title());
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);  // keeps long lists quick to lay out
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(m_model);
    m_list->header()->setStretchLastSection(true);
    for (int column = 0; column < 4; ++column)
        m_list->setColumnWidth(column, rtf::Twips::toPixels(kColumnWidths[column]));
    listLayout->addWidget(m_list);
    outer->addWidget(listFrame, 1);

    auto* bottom = new QHBoxLayout;
    m_count = fb::label(this, QStringLiteral("lblCount"), QString());
    bottom->addWidget(m_count);
    bottom->addStretch(1);
    const struct {
        int index;
        const char* caption;
        const char* tip;
    } buttons[] = {
        {kDelete, "&Delete", "Delete all the reports checked from above list."},
        {kPrint, "P&rint", "Print all the reports checked from above list."},
        {kPreview, "&Preview", "Preview all the reports checked from above list."},
    };
    for (const auto& b : buttons) {
        QPushButton* button =
            fb::button(this, QStringLiteral("Command1_%1").arg(b.index), QString::fromLatin1(b.caption));
        button->setToolTip(QString::fromLatin1(b.tip));
        bottom->addWidget(button);
    }
    outer->addLayout(bottom);
}

bool ReportBrowserWindow::event(QEvent* e) {
    // Made a child window: give it the fixed single border before it shows.
    if (e->type() == QEvent::Show) fitFrame();
    return QWidget::event(e);
}

void ReportBrowserWindow::fitFrame() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub || m_frameFitted) return;
    m_frameFitted = true;
    sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint);
    sub->adjustSize();
    sub->setFixedSize(sub->size());
}

int ReportBrowserWindow::selectedType() const {
    const int index = m_type->currentIndex();
    return index >= 0 && m_type->currentText() == m_type->itemText(index) ? index : -1;
}

void ReportBrowserWindow::showList(int list) {
    widgets::runGuarded(this, m_ctx.notifier, [this, list] { rebuildList(list); });
}

void ReportBrowserWindow::rebuildList(int list) {
    m_model->clear();
    if (list == 0) return;
    if (list < 1 || list > 4) throw core::RuntimeError(core::ErrorCode::InvalidCall);
    const auto kind = static_cast<ReportKind>(list);
    QList<data::ReportEntry> entries =
        data::ReportBrowserRepository(m_ctx.cnn).list(kind, m_from->date(), m_to->date());
    {
        const QSignalBlocker block(m_type);
        m_type->setCurrentIndex(list - 1);
    }
    m_model->setEntries(std::move(entries));
    m_count->setText(QString::number(m_model->rowCount()));
    fitColumns();
}

// The first three columns at their set widths (kColumnWidths), or wider where an entry's text (a long
// item name) needs it; "Model used" takes the rest of the list's width.
void ReportBrowserWindow::fitColumns() {
    for (int column = 0; column < 3; ++column) {
        m_list->resizeColumnToContents(column);
        const int designed = rtf::Twips::toPixels(kColumnWidths[column]);
        if (m_list->columnWidth(column) < designed) m_list->setColumnWidth(column, designed);
    }
    // The last column fills the rest (the header stretches it) or scrolls.
    m_list->resizeColumnToContents(3);
}

void ReportBrowserWindow::onComboReportTypeActivated(int index) { showList(index + 1); }

void ReportBrowserWindow::onDtPickerDateChanged() { showList(selectedType() + 1); }

void ReportBrowserWindow::onTxtItemReturnPressed() {
    const QString name = m_search->text();
    if (name.isEmpty()) return;
    widgets::runGuarded(this, m_ctx.notifier, [this, &name] { selectItemByName(name); });
}

void ReportBrowserWindow::selectItemByName(const QString& name) {
    // The exact name: letter case and blanks count.
    QList<int> rows;
    const QList<data::ReportEntry>& entries = m_model->entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.at(i).itemName == name) rows.append(static_cast<int>(i));
    }
    if (rows.isEmpty()) return;
    m_model->check(rows);
    const QModelIndex first = m_model->index(rows.first(), 0);
    m_list->selectionModel()->select(selectionOf(*m_model, rows), QItemSelectionModel::ClearAndSelect);
    m_list->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    m_list->scrollTo(first);
}

void ReportBrowserWindow::onCommand1Clicked(int index) {
    widgets::runGuarded(this, m_ctx.notifier, [this, index] { printOrDelete(index); });
}

void ReportBrowserWindow::printOrDelete(int index) {
    if (m_model->rowCount() == 0) return;
    const std::optional<ReportKind> kind = kindNamedBy(m_type->currentText());
    if (!kind) return;
    const QList<data::ReportEntry> checked = m_model->checkedEntries();
    if (checked.isEmpty()) return;

    data::ReportBrowserRepository repository(m_ctx.cnn);
    if (index == kDelete) {
        repository.deleteRows(*kind, checked);
        // As a pick of the combo's type does; a failed delete keeps the list as it was.
        rebuildList(selectedType() + 1);
        return;
    }
    const QList<QSqlRecord> rows = repository.reportRows(*kind, checked);
    if (index == kPrint)
        m_output.print(this, layoutOf(*kind), rows);
    else
        m_output.preview(this, layoutOf(*kind), rows);
}

}  // namespace tervalo::reports
