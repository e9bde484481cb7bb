#pragma once
// The demand history of the entry window as the grid shows it: one row per
// period (the period and its demand, as texts) and, after them, an empty row
// marked "*" that becomes a new period when a cell of it is typed into. A
// history holds at most 32,767 periods: the new row of a full one refuses what
// is typed into it, and says so.
#include <QAbstractTableModel>
#include <vector>

#include "core/demand/DemandHistory.h"

namespace tervalo::demand {

class DemandHistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kTimeColumn = 0;
    static constexpr int kDemandColumn = 1;
    // The longest texts a cell takes: 12 characters for a period, 20 for a demand.
    static int maxLength(int column) { return column == kTimeColumn ? 12 : 20; }

    explicit DemandHistoryModel(QObject* parent = nullptr);

    const std::vector<core::demand::DemandTextRow>& rows() const { return m_rows; }
    int periodCount() const { return static_cast<int>(m_rows.size()); }
    bool isNewRow(int row) const { return row == periodCount(); }
    QString cell(int row, int column) const;

    // How many more periods the history can take.
    std::size_t room() const { return core::demand::kMaxDemandRows - m_rows.size(); }
    // Appends rows after the last period, in one step (no more than the room).
    void appendRows(const std::vector<core::demand::DemandTextRow>& rows);
    // Puts the periods in the order of their numbers (the cells must be numbers).
    void sortByTime();
    // The caption of the period column: "Week", "Month" or "Year".
    void setTimeCaption(const QString& caption);
    QString timeCaption() const { return m_timeCaption; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // A new period was typed into a full history and refused.
    void periodRefused();

private:
    std::vector<core::demand::DemandTextRow> m_rows;
    QString m_timeCaption = QStringLiteral("Week");
};

}  // namespace tervalo::demand
