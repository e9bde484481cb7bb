#include "reports/ReportListModel.h"

#include <QStringList>

namespace tervalo::reports {

namespace {

const QStringList kHeaders = {QStringLiteral("Item Name"), QStringLiteral("Item ID"), QStringLiteral("Date"),
                              QStringLiteral("Model used")};

QString displayText(const data::ReportEntry& e, int column) {
    switch (column) {
        case 0:
            return e.itemName;
        case 1:
            return e.itemId.value_or(QStringLiteral("None"));
        case 2:
            // Month first, no leading zeros: 12/2/2026.
            return e.date.toString(QStringLiteral("M/d/yyyy"));
        case 3:
            return e.modelName;
    }
    return QString();
}

}  // namespace

ReportListModel::ReportListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ReportListModel::setEntries(QList<data::ReportEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    m_checked.assign(static_cast<size_t>(m_entries.size()), 0);
    endResetModel();
}

void ReportListModel::check(const QList<int>& rows) {
    if (rows.isEmpty()) return;
    for (int row : rows)
        m_checked[static_cast<size_t>(row)] = 1;
    emit dataChanged(index(rows.first(), 0), index(rows.last(), 0), {Qt::CheckStateRole});
}

QList<data::ReportEntry> ReportListModel::checkedEntries() const {
    QList<data::ReportEntry> out;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_checked[static_cast<size_t>(i)]) out.append(m_entries.at(i));
    }
    return out;
}

int ReportListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHeaders.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_entries.size()) return QVariant();
    const data::ReportEntry& e = m_entries.at(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:  // the whole text of a cell too narrow for it
            return displayText(e, index.column());
        case Qt::CheckStateRole:
            if (index.column() != 0) return QVariant();
            return isChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
        case TableRole:
            return e.table == data::ResultTable::Eoq1 ? QStringLiteral("EOQ1") : QStringLiteral("s_S");
        case LogIdRole:
            return e.logId;
        case ModelIdRole:
            return e.modelId;
        case IsoDateRole:
            return e.date.toString(Qt::ISODate);
    }
    return QVariant();
}

bool ReportListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole) return false;
    m_checked[static_cast<size_t>(index.row())] = value.toInt() == Qt::Checked ? 1 : 0;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kHeaders.size())
        return QVariant();
    return kHeaders.at(section);
}

Qt::ItemFlags ReportListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0) f |= Qt::ItemIsUserCheckable;
    return f;
}

}  // namespace tervalo::reports
