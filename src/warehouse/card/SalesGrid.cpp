#include "warehouse/card/SalesGrid.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "core/NumberText.h"
#include "data/SqlSupport.h"
#include "import/FieldText.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "rtf/Twips.h"
#include "widgets/GuardedHandler.h"
#include "widgets/InputBoxes.h"

namespace tervalo::warehouse {

namespace {

constexpr int kKeyColumn = 0;
constexpr int kYearColumn = 1;
constexpr int kFirstPeriodColumn = 2;
constexpr int kPeriodWidthTwips = 800;
constexpr int kKeyWidthTwips = 1000;
constexpr int kFirstYear = 1900;

// The cells' editor: the key filter of the number boxes in every column but the key.
class SalesGridDelegate : public QStyledItemDelegate {
public:
    SalesGridDelegate(SalesGrid* grid, platform::Notifier& notifier)
        : QStyledItemDelegate(grid), m_grid(grid), m_notifier(notifier) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        if (index.column() != kKeyColumn) {
            widgets::InputBoxOptions options;
            options.colouring = false;
            options.enterMovesOn = false;
            options.numberCheck = false;
            widgets::InputBoxes::install(editor, options, &m_notifier);
        }
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        m_grid->commitCell(index, static_cast<QLineEdit*>(editor)->text());
    }

private:
    SalesGrid* m_grid;
    platform::Notifier& m_notifier;
};

}  // namespace

// The rows as a table, with one empty row after them for a new year.
class SalesGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    data::SalesRows* rows() const { return m_rows.get(); }
    // Shows these rows; returns those shown until now.
    std::unique_ptr<data::SalesRows> setRows(std::unique_ptr<data::SalesRows> rows) {
        beginResetModel();
        std::swap(m_rows, rows);
        endResetModel();
        return rows;
    }
    // Runs a change of the rows that may add or remove some.
    template <class F>
    void reset(F change) {
        beginResetModel();
        struct End {
            SalesGridModel* m;
            ~End() { m->endResetModel(); }
        } end{this};
        change(*m_rows);
    }

    bool isNewRowPlaceholder(int row) const { return m_rows && row == m_rows->rowCount(); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_rows ? 0 : m_rows->rowCount() + 1;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_rows ? 0 : m_rows->columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if ((role != Qt::DisplayRole && role != Qt::EditRole) || isNewRowPlaceholder(index.row())) return {};
        return import::fieldText(m_rows->value(index.row(), index.column()));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || !m_rows) return {};
        if (orientation == Qt::Horizontal) return m_rows->columnNames().value(section);
        return isNewRowPlaceholder(section) ? QStringLiteral("*") : QString();
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }
    // Puts a checked value in; a value in the empty last row starts a new row with `newKey`.
    void put(const QModelIndex& index, const QVariant& value, const QVariant& newKey) {
        int row = index.row();
        if (isNewRowPlaceholder(row)) {
            beginInsertRows({}, row + 1, row + 1);
            row = m_rows->appendRow(newKey);
            endInsertRows();
        }
        m_rows->setValue(row, index.column(), value);
        emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1));
    }
    void emptyCell(int row, int column) {
        m_rows->setValue(row, column, QVariant());
        emit dataChanged(index(row, column), index(row, column));
    }

private:
    std::unique_ptr<data::SalesRows> m_rows;
};

SalesGrid::SalesGrid(platform::Notifier& notifier, platform::Clock& clock, QWidget* parent)
    : QTableView(parent), m_notifier(notifier), m_clock(clock), m_model(new SalesGridModel(this)) {
    setModel(m_model);
    setItemDelegate(new SalesGridDelegate(this, notifier));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the grid for the next control (in a cell being edited it moves
    // on to the next cell); the arrows move between cells.
    setTabKeyNavigation(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(qApp, &QApplication::focusChanged, this, &SalesGrid::onFocusChanged);
}

SalesGrid::~SalesGrid() = default;

void SalesGrid::setRows(std::unique_ptr<data::SalesRows> rows) {
    const auto sameItem = [&rows](const data::SalesRows* other) {
        return rows && other && other->key().compare(rows->key(), Qt::CaseInsensitive) == 0;
    };
    const bool keepShown = sameItem(this->rows()) && this->rows()->waitsForItem();
    if (keepShown && this->rows()->table() == rows->table()) return;
    std::unique_ptr<data::SalesRows> waiting = sameItem(m_aside.get()) ? std::move(m_aside) : nullptr;
    m_aside.reset();
    if (waiting && waiting->table() == rows->table()) rows = std::move(waiting);
    std::unique_ptr<data::SalesRows> shown = m_model->setRows(std::move(rows));
    m_aside = keepShown ? std::move(shown) : std::move(waiting);
    setColumnWidth(kKeyColumn, rtf::Twips::toPixels(kKeyWidthTwips));
    setColumnWidth(kYearColumn, rtf::Twips::toPixels(kPeriodWidthTwips));
    for (int column = kFirstPeriodColumn; column < m_model->columnCount(); ++column)
        setColumnWidth(column, rtf::Twips::toPixels(kPeriodWidthTwips));
}

data::SalesRows* SalesGrid::rows() const { return m_model->rows(); }

bool SalesGrid::shows(const QString& key) const {
    return rows() && rows()->key().compare(key, Qt::CaseInsensitive) == 0;
}

void SalesGrid::requery() {
    m_aside.reset();
    if (rows()) m_model->reset([](data::SalesRows& r) { r.requery(); });
}

void SalesGrid::cancelPending() {
    m_aside.reset();
    if (rows()) m_model->reset([](data::SalesRows& r) { r.cancelPending(); });
}

QVariant SalesGrid::itemKey() const { return m_itemKey ? m_itemKey() : QVariant(); }

void SalesGrid::writePending() {
    if (rows() && rows()->hasPending()) writeOrReread([this] { rows()->writePending(itemKey()); });
    if (!m_aside) return;
    m_aside->writePending(itemKey());
    if (!m_aside->hasPending()) m_aside.reset();
}

// A row that another copy of the program changed since it was read refuses the
// write: the rows are read again, as stored, before the refusal is shown.
void SalesGrid::writeOrReread(const std::function<void()>& write) {
    try {
        write();
    } catch (const data::ChangedRowError& refused) {
        m_model->reset([](data::SalesRows& r) { r.requery(); });
        if (dynamic_cast<const data::MissingItemError*>(&refused)) emit itemDeletedElsewhere();
        throw;
    }
}

void SalesGrid::warn(const QString& text, const QString& title) {
    m_notifier.show(window(), text, title, platform::MsgIcon::Exclamation);
}

bool SalesGrid::commitCell(const QModelIndex& index, const QString& text) {
    bool committed = false;
    widgets::runGuarded(window(), m_notifier, [&] {
        if (!rows() || !index.isValid()) return;
        if (index.column() == kKeyColumn) {
            warn(QStringLiteral("ItemID can not be changed here."), QStringLiteral("Invalid edit"));
            return;
        }
        if (!widgets::InputBoxes::passesNumberCheck(text)) {
            warn(QStringLiteral("Please enter a number."), QStringLiteral("Invalid Data"));
            setFocus();
            return;
        }
        const QString key = m_keyBoxText ? m_keyBoxText() : QString();
        m_model->put(index, import::numberValue(text), import::textValue(key));
        committed = true;
        if (index.column() != kYearColumn || text.isEmpty()) return;
        const double year = core::leadingNumber(text.toStdString());
        if (year < kFirstYear || year > m_clock.today().year()) {
            warn(QStringLiteral("Please check the year you entered."), QStringLiteral("Invalid Year"));
            setCurrentIndex(m_model->index(index.row(), kYearColumn));
            setFocus();
        }
    });
    return committed;
}

void SalesGrid::checkCurrentRow(bool write) {
    const int row = currentIndex().row();
    if (!rows() || row < 0 || m_model->isNewRowPlaceholder(row)) return;
    const QString year = import::fieldText(rows()->value(row, kYearColumn));
    if (!core::isNumber(year.toStdString())) {
        warn(data::kMissingYearText, QStringLiteral("Enter a year"));
        m_model->emptyCell(row, kYearColumn);
        return;
    }
    const double value = core::leadingNumber(year.toStdString());
    if (value < kFirstYear || value > m_clock.today().year()) {
        warn(QStringLiteral("Please enter a valid value for a year."), QStringLiteral("Enter a year."));
        m_model->emptyCell(row, kYearColumn);
        return;
    }
    if (!write) return;
    // A second row for the same year is refused by the table: the user is told.
    widgets::runGuarded(window(), m_notifier, [&] {
        if (rows()->value(row, kKeyColumn).isNull())
            m_model->reset([row](data::SalesRows& r) { r.cancelRow(row); });
        else
            writeOrReread([this, row] { rows()->writeRow(row, itemKey()); });
    });
}

bool SalesGrid::holds(const QWidget* widget) const { return widget && (widget == this || isAncestorOf(widget)); }

// The focus leaving the grid, or a cell's editor, for another control of the
// card; a message box or another window taking it is no leaving. A button
// clicked writes the pending rows itself, or drops them: the row is left to
// it, so a refused write is tried and told once.
void SalesGrid::onFocusChanged(QWidget* old, QWidget* now) {
    if (holds(old) && now && !holds(now) && now->window() == window())
        checkCurrentRow(!qobject_cast<QAbstractButton*>(now) || qobject_cast<QCheckBox*>(now));
}

}  // namespace tervalo::warehouse
