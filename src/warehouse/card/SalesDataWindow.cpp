#include "warehouse/card/SalesDataWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include "core/NumberText.h"
#include "data/BatchRepository.h"
#include "data/SqlSupport.h"
#include "import/FieldText.h"
#include "platform/Notifier.h"
#include "warehouse/card/SalesGrid.h"
#include "warehouse/import/DataSourceDialog.h"
#include "warehouse/import/ImportData.h"
#include "warehouse/runs/BatchAnalysis.h"
#include "warehouse/runs/LogWindow.h"
#include "warehouse/runs/WriteBackCommand.h"
#include "widgets/AppContext.h"
#include "widgets/ChildForms.h"
#include "widgets/GuardedHandler.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::warehouse {

namespace {

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

const QColor kAddingColour(0xFF, 0xFF, 0x00);
const QColor kBrowsingColour(0xFF, 0xFF, 0xFF);
const QString kMonth = QStringLiteral("Month");
const QString kWeek = QStringLiteral("Week");
const char* const kCostFormat = "######0.00";

// How a control shows its field and what it writes back.
enum class Kind { Text, Number, TimeUnit, Check, Locked };

struct Binding {
    QWidget* control;
    const char* field;
    Kind kind;
};

QList<Binding> bindingsOf(const SalesDataForm& f) {
    return {
        {f.txtItemID, "ItemID", Kind::Text},
        {f.txtItem, "Item", Kind::Text},
        {f.txtUnitCost, "UnitCost", Kind::Number},
        {f.comboTimeUnit, "TimeUnit", Kind::TimeUnit},
        {f.chkSinglePeriod, "SinglePeriod", Kind::Check},
        {f.txtOrderCost, "OrderCost", Kind::Number},
        {f.txtLeadTime, "LeadTime", Kind::Number},
        {f.txtHoldingCost, "HoldingCost", Kind::Number},
        {f.txtShortageCost, "ShortageCost", Kind::Number},
        {f.txtReOrderPoint, "ReorderPoint", Kind::Locked},
        {f.txtOrderQty, "OrderQty", Kind::Locked},
    };
}

// A control's value as text: the box's or list's text, a check box as "1" or "0".
QString textOf(const QWidget* control) {
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    if (auto* list = qobject_cast<const QComboBox*>(control)) return list->currentText();
    return qobject_cast<const QCheckBox*>(control)->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

QVariant valueOf(const QString& text, Kind kind) {
    switch (kind) {
        case Kind::Number:
            return import::numberValue(text);
        case Kind::Check:
            return text == QLatin1String("1");
        default:
            return import::textValue(text);
    }
}

// A key that types or erases a character (Tab, Enter and the arrows do not).
bool isTypedCharacter(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) return true;
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return key->key() == Qt::Key_V;
    return !key->text().isEmpty() && key->text().at(0).isPrint();
}

}  // namespace

SalesDataWindow::SalesDataWindow(widgets::AppContext& ctx, const jobs::SinglePeriodCalculator& calculator,
                                 QWidget* parent)
    : QWidget(parent),
      m_ctx(ctx),
      m_items(ctx.cnn),
      m_form(this, ctx.notifier, ctx.clock),
      m_batch(new BatchAnalysis(ctx, calculator, this)),
      m_writeBack(new WriteBackCommand(ctx, this)) {
    connect(m_batch, &BatchAnalysis::runningChanged, this, [this](bool running) { setActionsEnabled(!running); });
    connect(m_writeBack, &WriteBackCommand::runningChanged, this,
            [this](bool running) { setActionsEnabled(!running); });
    setObjectName(widgets::formName(widgets::WindowId::SalesData));
    setWindowTitle(QStringLiteral("Sales Data"));

    auto& f = m_form;
    f.grid->setKeyBoxText([this] { return m_form.txtItemID->text(); });
    f.grid->setItemKey([this] { return m_items.storedKey(); });
    // The item is gone: the card reads the items again and shows the first.
    connect(f.grid, &SalesGrid::itemDeletedElsewhere, this, [this] {
        m_items.requery();
        showAsStored();
    });
    f.comboTimeUnit->setEditable(true);
    f.comboTimeUnit->setInsertPolicy(QComboBox::NoInsert);
    f.comboTimeUnit->installEventFilter(this);
    f.comboTimeUnit->lineEdit()->installEventFilter(this);
    f.comboTimeUnit->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);  // no pasting past the list
    f.txtItemID->installEventFilter(this);

    for (int i = 0; i < f.command1.size(); ++i)
        connect(f.command1[i], &QPushButton::clicked, this, [this, i] { onAction(CardAction(i)); });
    for (int i = 0; i < f.command2.size(); ++i)
        connect(f.command2[i], &QPushButton::clicked, this, [this, i] { onNavigate(i); });
    connect(f.cmdFind, &QPushButton::clicked, this, &SalesDataWindow::showFindWindow);
    connect(f.comboTimeUnit, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        for (QLabel* label : m_form.lblTimeUnit)
            label->setText(text);
    });
    connect(f.comboTimeUnit, &QComboBox::activated, this, &SalesDataWindow::onTimeUnitChosen);
    // Typing another key while browsing shows that key's sales.
    connect(f.txtItemID, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_items.adding() && !text.isEmpty()) showSales(text);
    });
    // A cost that passed its check is written with two decimals.
    for (QLineEdit* cost : {f.txtUnitCost, f.txtOrderCost, f.txtHoldingCost, f.txtShortageCost}) {
        connect(cost, &QLineEdit::editingFinished, this, [cost] {
            const std::string text = cost->text().toStdString();
            if (!text.empty() && core::isNumber(text))
                cost->setText(QString::fromStdString(core::formatNumber(core::leadingNumber(text), kCostFormat)));
        });
    }
    load();
}

SalesDataWindow::~SalesDataWindow() = default;

QSize SalesDataWindow::sizeHint() const { return QSize(900, 560).expandedTo(QWidget::sizeHint()); }

bool SalesDataWindow::guarded(const std::function<void()>& body) {
    return widgets::runGuarded(this, m_ctx.notifier, [&] {
        try {
            body();
        } catch (const data::ChangedRowError&) {
            // The rows were read again as another copy of the program left
            // them: the card shows them so, then says why.
            showAsStored();
            throw;
        }
    });
}

void SalesDataWindow::load() {
    guarded([this] {
        m_items.open();
        const bool empty = m_items.bof() && m_items.eof();
        if (empty) {
            startNewRow();
            m_items.setAdding(true);
        }
        setEditColor(empty);
        m_form.comboTimeUnit->addItems({kMonth, kWeek});
        showItem();
        showSales(currentItemKey());
        showPosition();
        widgets::EnableDataMenus(m_ctx, true);
    });
}

void SalesDataWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_placed) return;
    m_placed = true;
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    frame->move(0, frame->y());
}

void SalesDataWindow::closeEvent(QCloseEvent* event) {
    // What the card holds unsaved is written as a move writes it; when it
    // cannot be, the card stays open and says why.
    if (m_items.isOpen() && !guarded([this] { writeShownItem(true); })) {
        event->ignore();
        return;
    }
    widgets::EnableDataMenus(m_ctx, false);
    QWidget::closeEvent(event);
}

// ---- the current row in the boxes ------------------------------------------------

QString SalesDataWindow::currentItemKey() const {
    // An item being added has no rows stored: the grid holds what is typed for it.
    if (!m_items.isOpen() || !m_items.onRow() || m_items.isNewRow()) return data::kNoItemKey;
    const QVariant key = m_items.field(QStringLiteral("ItemID"));
    return key.isNull() ? data::kNoItemKey : key.toString();
}

void SalesDataWindow::showItem() {
    const bool onRow = m_items.isOpen() && m_items.onRow();
    for (const Binding& b : bindingsOf(m_form)) {
        const QVariant value = onRow ? m_items.field(QLatin1String(b.field)) : QVariant();
        QString text = import::fieldText(value);
        if (auto* box = qobject_cast<QLineEdit*>(b.control)) {
            box->setText(text);
        } else if (qobject_cast<QComboBox*>(b.control)) {
            setTimeUnitText(text);
        } else {
            qobject_cast<QCheckBox*>(b.control)->setChecked(!value.isNull() && value.toBool());
            text = textOf(b.control);
        }
        m_shown.insert(b.control, text);
    }
}

void SalesDataWindow::pushBoxes() {
    if (!m_items.isOpen() || !m_items.onRow()) return;
    for (const Binding& b : bindingsOf(m_form)) {
        if (b.kind == Kind::Locked) continue;
        const QString text = textOf(b.control);
        if (text != m_shown.value(b.control)) {
            m_items.setField(QLatin1String(b.field), valueOf(text, b.kind));
            m_shown.insert(b.control, text);
        }
    }
}

void SalesDataWindow::showPosition() { m_form.txtPosition->setText(m_items.isOpen() ? m_items.positionText() : ""); }

void SalesDataWindow::setTimeUnitText(const QString& text) {
    m_form.comboTimeUnit->setEditText(text);
    for (QLabel* label : m_form.lblTimeUnit)
        label->setText(text);
}

void SalesDataWindow::setEditColor(bool adding) {
    for (QWidget* control : m_form.editColoured()) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Base, adding ? kAddingColour : kBrowsingColour);
        control->setPalette(palette);
        if (auto* list = qobject_cast<QComboBox*>(control)) list->lineEdit()->setPalette(palette);
    }
}

void SalesDataWindow::refresh() {
    showItem();
    if (m_items.isOpen() && m_items.onRow()) showSales(currentItemKey());
    showPosition();
}

void SalesDataWindow::showSales(const QString& key) {
    // Failures here show only their description under the program's title.
    widgets::runGuarded(
        this, m_ctx.notifier,
        [&] {
            // Rows that another copy of the program changed meanwhile were read
            // again and hold no edits: the item asked for is shown, then the
            // refusal. When their item is gone, the card already shows the
            // items as stored.
            std::exception_ptr refused;
            try {
                m_form.grid->writePending();
            } catch (const data::MissingItemError&) {
                throw;
            } catch (const data::ChangedRowError&) {
                refused = std::current_exception();
            }
            loadGrid(shownUnit(), key);
            if (refused) std::rethrow_exception(refused);
        },
        QString(), QString(), MsgIcon::None);
}

QString SalesDataWindow::shownUnit() const {
    const QString unit = m_form.comboTimeUnit->currentText();
    return unit.isEmpty() ? kMonth : unit;
}

void SalesDataWindow::loadGrid(const QString& unit, const QString& key) {
    // The grid shows no item's rows under another item: when the rows
    // cannot be read, or the unit has no table, it keeps only the key's own.
    const auto table = data::salesTableFor(unit);
    if (!table) {
        if (!m_form.grid->shows(key)) m_form.grid->setRows(nullptr);
        return;
    }
    auto rows = std::make_unique<data::SalesRows>();
    try {
        rows->open(m_ctx.cnn, *table, key);
    } catch (const core::RuntimeError&) {
        if (!m_form.grid->shows(key)) m_form.grid->setRows(nullptr);
        throw;
    }
    m_form.grid->setRows(std::move(rows));
}

void SalesDataWindow::writeShownItem(bool giveUpUnfinished) {
    pushBoxes();
    if (giveUpUnfinished && m_items.onRow() && m_items.isUnfinished()) {
        if (m_items.isNewRow()) m_form.grid->cancelPending();  // the rows of an item that never was
        m_items.cancelUpdate();
    }
    m_items.writePending();
    m_form.grid->writePending();
}

void SalesDataWindow::showAsStored() {
    showItem();
    const QString key = currentItemKey();
    if (!m_form.grid->shows(key)) loadGrid(shownUnit(), key);
    showPosition();
}

// ---- navigation, search and the Data menu -----------------------------------------

void SalesDataWindow::onNavigate(int index) {
    guarded([&] {
        if (!m_items.isOpen() || (m_items.bof() && m_items.eof())) return;
        writeShownItem(true);
        m_items.step(data::ItemCursor::Step(index));
        showItem();
        if (m_items.onRow()) showSales(currentItemKey());
        showPosition();
    });
}

void SalesDataWindow::locateItem(const QString& id, const QString& name) {
    guarded([&] {
        if (!m_items.isOpen()) return;
        writeShownItem(false);
        m_items.locate(id, name);
        refresh();
    });
}

void SalesDataWindow::showFindWindow() {
    if (QWidget* find = m_ctx.registry.show(widgets::WindowId::FindItem)) widgets::ShowChildForm(find);
}

void SalesDataWindow::actionViaMenu(bool find, bool import, bool analyze) {
    if (find)
        showFindWindow();
    else if (import)
        onAction(CardAction::Import);
    else if (analyze)
        onAction(CardAction::Analysis);
}

// ---- the action buttons -------------------------------------------------------------

void SalesDataWindow::onAction(CardAction action) {
    switch (action) {
        case CardAction::Save:
            save();
            return;
        case CardAction::Cancel:
            cancel();
            return;
        case CardAction::Delete:
            deleteItem();
            return;
        case CardAction::Add:
            add();
            return;
        case CardAction::Import:
            if (!savePendingRow()) return;
            importData();
            refresh();
            return;
        case CardAction::Analysis:
            if (guarded([this] { pushBoxes(); })) analyze();
            return;
        case CardAction::Update:
            if (guarded([this] { pushBoxes(); })) updateTarget();
            return;
    }
}

void SalesDataWindow::warnMissing(const QString& text, const QString& title, QWidget* box) {
    m_ctx.notifier.show(this, text, title, MsgIcon::Exclamation);
    box->setFocus();
}

void SalesDataWindow::save() {
    if (!m_items.isOpen() || !m_items.onRow()) return;
    if (m_form.txtItemID->text().isEmpty())
        return warnMissing(QStringLiteral("Please enter Item ID."), QStringLiteral("Enter Item ID"), m_form.txtItemID);
    if (m_form.txtItem->text().isEmpty())
        return warnMissing(QStringLiteral("Please enter Item Name."), QStringLiteral("Enter Item Name"),
                           m_form.txtItem);
    if (m_form.comboTimeUnit->currentText().isEmpty())
        return warnMissing(QStringLiteral("Please enter Time Unit."), QStringLiteral("Enter Time Unit"),
                           m_form.comboTimeUnit);
    // A refused write (a key that is taken, say) keeps the card adding or editing.
    if (!guarded([this] {
            pushBoxes();
            m_items.update();
        }))
        return;
    m_items.setAdding(false);
    setEditColor(false);
    refresh();
}

// A new row holds what its boxes show: the first time unit, and an unticked
// Single-Period box, which the analysis reads as an (s,S) item.
void SalesDataWindow::startNewRow() {
    m_items.addNew();
    m_items.setField(QStringLiteral("TimeUnit"), kMonth);
    m_items.setField(QStringLiteral("SinglePeriod"), false);
}

bool SalesDataWindow::savePendingRow() {
    const bool adding = m_items.isNewRow();
    if (!guarded([this] { writeShownItem(false); })) return false;
    if (adding) {
        m_items.setAdding(false);
        setEditColor(false);
    }
    return true;
}

void SalesDataWindow::cancel() {
    if (!m_items.isOpen() || !m_items.onRow()) return;
    m_items.cancelUpdate();
    m_form.grid->cancelPending();
    m_items.setAdding(false);
    setEditColor(false);
    refresh();
}

void SalesDataWindow::deleteItem() {
    if (!m_items.isOpen() || !m_items.onRow()) return;
    if (!guarded([this] { pushBoxes(); })) return;
    const QString name = import::fieldText(m_items.field(QStringLiteral("Item")));
    const MsgResult answer =
        m_ctx.notifier.ask(this, "You are deleting Item " + name + ". Continue?", QStringLiteral("Confirmation"),
                           MsgIcon::Question, MsgButtons::YesNo, MsgResult::No);
    if (answer != MsgResult::Yes) return refresh();
    // The item goes with its sales rows, or nothing goes; a refused delete
    // leaves the card on the item with what it holds unsaved, and writes nothing more.
    const bool deleted = widgets::runGuarded(
        this, m_ctx.notifier,
        [this] {
            try {
                m_items.deleteCurrent();
            } catch (const core::RuntimeError&) {
                showAsStored();
                throw;
            }
            m_form.grid->requery();
        },
        QString(), QString(), MsgIcon::None);
    if (deleted) refresh();
}

void SalesDataWindow::add() {
    if (!guarded([this] {
            writeShownItem(false);
            if (!m_items.eof()) m_items.moveLast();
            startNewRow();
        }))
        return;
    m_items.setAdding(true);
    setEditColor(true);
    refresh();
    m_form.txtItemID->setFocus();
}

void SalesDataWindow::onTimeUnitChosen() {
    guarded([this] {
        const QString unit = m_form.comboTimeUnit->currentText();
        for (QLabel* label : m_form.lblTimeUnit)
            label->setText(unit);
        if (m_form.txtItemID->text().isEmpty()) return;
        const QString key = m_items.isNewRow() ? data::kNoItemKey : m_form.txtItemID->text();
        // The edits of the rows shown are kept before the other table's rows
        // come; when they cannot be, the list goes back to the unit of the
        // rows still shown, so that no unit stands over another table's rows.
        try {
            m_form.grid->writePending();
        } catch (const core::RuntimeError&) {
            if (const data::SalesRows* shown = m_form.grid->rows())
                m_form.comboTimeUnit->setEditText(shown->table() == data::SalesTable::Weekly ? kWeek : kMonth);
            throw;
        }
        loadGrid(unit, key);
    });
}

// The actions that other parts of the program run; until then, the program's
// answer to what this version does not have.
void SalesDataWindow::importData() {
    // The dialog is modeless: the import runs when it closes with Yes.
    if (DataSourceDialog* dialog = showDataSourceDialog(m_ctx))
        dialog->setImportHook(
            [this](const QString& dataType, const QString& dataPath) { importFolder(dataType, dataPath); });
}

void SalesDataWindow::importFolder(const QString& dataType, const QString& dataPath) {
    // The import reads the items again and may change the rows the grid
    // shows: what the card holds unsaved (typed while the data source dialog
    // was open, too), the item row and then the grid's rows, is saved first,
    // or nothing is imported.
    if (!savePendingRow()) return;
    const import::ImportOutcome outcome = warehouse::importData(m_ctx, this, dataType, dataPath);
    showImportLog(outcome);
    guarded([this] { m_items.requery(); });
    refresh();
}

void SalesDataWindow::showImportLog(const import::ImportOutcome& outcome) {
    if (outcome.log.isEmpty()) return;
    if (auto* log = qobject_cast<LogWindow*>(m_ctx.registry.show(widgets::WindowId::Log))) {
        widgets::ShowChildForm(log);
        log->setText(outcome.log);
    }
}

void SalesDataWindow::analyze() {
    // The analysis reads the stored sales and moves the card: what the card holds unsaved goes first.
    if (!savePendingRow()) return;
    std::optional<data::WarehouseItem> current;
    if (!guarded([this, &current] {
            if (m_items.onRow()) current = data::BatchRepository(m_ctx.cnn).item(currentItemKey());
        }))
        return;
    if (!current && m_items.onRow()) current = data::WarehouseItem{};  // a row the table does not hold yet
    const QVariant here = m_items.onRow() ? m_items.field(QStringLiteral("ItemID")) : QVariant();
    m_batch->command(current, m_items.recordCount(),
                     [this, here](const BatchOutcome& outcome) { standOn(outcome.endOnItem.value_or(here)); });
}

void SalesDataWindow::updateTarget() {
    if (!m_items.onRow() || !savePendingRow()) return;
    if (auto* settings = qobject_cast<QDialog*>(m_ctx.registry.instance(widgets::WindowId::DataConfig)))
        settings->exec();
    QList<jobs::WriteBackItem> items;
    if (!guarded([this, &items] { items = writeBackItems(m_ctx); })) return;
    const QVariant here = m_items.field(QStringLiteral("ItemID"));
    int current = 0;
    while (current < items.size() && items[current].itemId != here)
        ++current;
    m_writeBack->start(m_target, items, current, [this, here, items](const jobs::WriteBackResult& result) {
        const bool all = result.connected && result.choice == jobs::WriteBackChoice::AllItems && !items.isEmpty();
        standOn(all ? items.last().itemId : here);
    });
}

void SalesDataWindow::standOn(const QVariant& key) {
    // What was typed while the run went is saved before the card moves; when
    // it cannot be, the card stays on the item it shows.
    if (!savePendingRow()) return;
    guarded([this, &key] {
        m_items.requery();
        if (!key.isNull()) m_items.seek(key);
    });
    refresh();
}

void SalesDataWindow::setActionsEnabled(bool enabled) {
    for (QPushButton* button : m_form.command1)
        button->setEnabled(enabled);
}

// ---- keys that the card refuses ------------------------------------------------------

bool SalesDataWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isTypedCharacter(static_cast<QKeyEvent*>(event))) return false;
    if (watched == m_form.txtItemID) {
        if (!m_items.isOpen() || !m_items.bof() || !m_items.eof()) return false;
        m_ctx.notifier.show(this, QStringLiteral("If you are adding an item, click Add Button first."),
                            QStringLiteral("Clcik Add Button"), MsgIcon::Exclamation);
        return true;
    }
    if (watched == m_form.comboTimeUnit || watched == m_form.comboTimeUnit->lineEdit()) {
        m_ctx.notifier.show(this, QStringLiteral("Select one from drop down list"), QStringLiteral("Select from list"),
                            MsgIcon::Exclamation);
        return true;
    }
    return false;
}

}  // namespace tervalo::warehouse
