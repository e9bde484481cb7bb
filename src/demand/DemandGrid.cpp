#include "demand/DemandGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include "core/KeyFilter.h"
#include "demand/DemandHistoryModel.h"
#include "rtf/Twips.h"

namespace tervalo::demand {

namespace {

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

// Whether a key that types text is one the number filter drops.
bool droppedByFilter(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    for (const QChar c : text) {
        if (c.unicode() > 127 || core::numericKeyFilter(c.unicode()) == 0) return true;
    }
    return false;
}

// The cell editor: a line box with the field's length; the key filter and
// Enter are handled before the editor sees them.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(DemandGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setMaxLength(DemandHistoryModel::maxLength(index.column()));
        Q_UNUSED(option);
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            auto* editor = qobject_cast<QWidget*>(object);
            if (editor && isEnter(key)) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                m_grid->enterPressed();
                return true;
            }
            if (droppedByFilter(key)) return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    DemandGrid* m_grid;
};

}  // namespace

DemandGrid::DemandGrid(DemandHistoryModel* model, QWidget* parent) : QTableView(parent), m_model(model) {
    setObjectName(QStringLiteral("DataGrid1"));
    setModel(model);
    setItemDelegate(new CellDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    // Both columns 900 twips wide.
    for (int column = 0; column < 2; ++column)
        setColumnWidth(column, rtf::Twips::toPixels(900));
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setAccessibleName(QStringLiteral("Demand history"));
}

void DemandGrid::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event)) {
        enterPressed();
        event->accept();
        return;
    }
    if (droppedByFilter(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

bool DemandGrid::filled(int row, int column) const { return !m_model->cell(row, column).isEmpty(); }

void DemandGrid::enterPressed() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    int row = current.row();
    int column = current.column();
    if (filled(row, DemandHistoryModel::kTimeColumn) && filled(row, DemandHistoryModel::kDemandColumn)) {
        ++row;
        column = DemandHistoryModel::kTimeColumn;
    }
    if (column == DemandHistoryModel::kTimeColumn && filled(row, column)) column = DemandHistoryModel::kDemandColumn;
    goTo(row, column);
}

void DemandGrid::goTo(int row, int column) {
    const QModelIndex index = m_model->index(row, column);
    if (!index.isValid()) return;
    setCurrentIndex(index);
    scrollTo(index);
}

}  // namespace tervalo::demand
