#pragma once
// The entries of the report browser's list: one per saved row, four columns
// ("Item Name", "Item ID", "Date", "Model used") and a check box in the first.
// Each entry keeps the key of its row, readable through the roles below on
// any column, so print, preview and delete act on the rows the user checked.
// The entries are kept compactly (a hundred thousand rows list in a few
// megabytes); the texts are made when the view asks for them.
#include <QAbstractTableModel>
#include <QList>
#include <vector>

#include "data/ReportBrowserRepository.h"

namespace tervalo::reports {

class ReportListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        TableRole = Qt::UserRole,  // "EOQ1" or "s_S"
        LogIdRole,                 // the saved row's LogID
        ModelIdRole,               // its ModelID
        IsoDateRole,               // its date as "YYYY-MM-DD"
    };

    explicit ReportListModel(QObject* parent = nullptr);

    // Replaces the entries; none is checked.
    void setEntries(QList<data::ReportEntry> entries);
    void clear() { setEntries({}); }
    const QList<data::ReportEntry>& entries() const { return m_entries; }

    bool isChecked(int row) const { return m_checked.at(static_cast<size_t>(row)) != 0; }
    // Checks the rows (ascending); the others keep their marks.
    void check(const QList<int>& rows);
    // The checked entries, in list order.
    QList<data::ReportEntry> checkedEntries() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QList<data::ReportEntry> m_entries;
    std::vector<char> m_checked;
};

}  // namespace tervalo::reports
