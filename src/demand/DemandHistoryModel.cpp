#include "demand/DemandHistoryModel.h"

namespace tervalo::demand {

namespace {

std::string& field(core::demand::DemandTextRow& row, int column) {
    return column == DemandHistoryModel::kTimeColumn ? row.time : row.demand;
}

}  // namespace

DemandHistoryModel::DemandHistoryModel(QObject* parent) : QAbstractTableModel(parent) {}

QString DemandHistoryModel::cell(int row, int column) const {
    if (row < 0 || row >= periodCount()) return {};
    const core::demand::DemandTextRow& r = m_rows[static_cast<std::size_t>(row)];
    return QString::fromStdString(column == kTimeColumn ? r.time : r.demand);
}

void DemandHistoryModel::appendRows(const std::vector<core::demand::DemandTextRow>& rows) {
    if (rows.empty() || rows.size() > room()) return;
    beginInsertRows(QModelIndex(), periodCount(), periodCount() + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    endInsertRows();
}

void DemandHistoryModel::sortByTime() {
    // The grid's current cell stays where it is on the screen; the caller moves it.
    emit layoutAboutToBeChanged();
    core::demand::sortByTime(m_rows);
    emit layoutChanged();
}

void DemandHistoryModel::setTimeCaption(const QString& caption) {
    m_timeCaption = caption;
    emit headerDataChanged(Qt::Horizontal, kTimeColumn, kTimeColumn);
}

int DemandHistoryModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : periodCount() + 1; }

int DemandHistoryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant DemandHistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return cell(index.row(), index.column());
}

bool DemandHistoryModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QString text = value.toString().left(maxLength(index.column()));
    if (isNewRow(index.row())) {
        if (text.isEmpty()) return false;  // leaving the new row empty adds nothing
        if (room() == 0) {
            emit periodRefused();
            return false;
        }
        // The new row becomes a period and a new empty row follows it.
        beginInsertRows(QModelIndex(), periodCount() + 1, periodCount() + 1);
        m_rows.emplace_back();
        endInsertRows();
        emit headerDataChanged(Qt::Vertical, index.row(), index.row());
    }
    field(m_rows[static_cast<std::size_t>(index.row())], index.column()) = text.toStdString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags DemandHistoryModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant DemandHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return isNewRow(section) ? QStringLiteral("*") : QString::number(section + 1);
    return section == kTimeColumn ? m_timeCaption : QStringLiteral("Demand");
}

}  // namespace tervalo::demand
