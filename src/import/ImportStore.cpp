#include "import/ImportStore.h"

#include <QStringList>

#include "core/RuntimeError.h"

namespace tervalo::import {

namespace {

const QString kItemId = QStringLiteral("ItemID");
const QString kYear = QStringLiteral("Year");

bool isSales(ImportTable table) { return table != ImportTable::Items; }

}  // namespace

// New rows of one table, written many to a statement while they name the
// same columns in the same order (the key columns first).
class ImportStore::InsertBatch {
public:
    explicit InsertBatch(data::ImportRepository& repo) : m_repo(repo) {}

    void add(const TargetColumns& target, const ConvertedRecord& row) {
        const bool sales = isSales(target.table);
        if (target.table != m_table || !sameColumns(row.values)) {
            flush();
            m_table = target.table;
            m_columns = sales ? QStringList{kItemId, kYear} : QStringList{kItemId};
            m_indices.clear();
            for (const ColumnValue& v : row.values) {
                m_columns.append(target.columns[v.column].name);
                m_indices.append(v.column);
            }
            m_perStatement = data::ImportRepository::rowsPerStatement(m_columns.size());
        }
        QVariantList values;
        values.reserve(m_columns.size());
        values.append(row.itemId);
        if (sales) values.append(row.year);
        for (const ColumnValue& v : row.values)
            values.append(v.value);
        m_rows.append(std::move(values));
        if (m_rows.size() >= m_perStatement) flush();
    }

    void flush() {
        if (m_rows.isEmpty()) return;
        const QList<QVariantList> rows = std::move(m_rows);
        m_rows.clear();
        m_repo.insertRows(tableName(*m_table), m_columns, rows);
    }

private:
    bool sameColumns(const QList<ColumnValue>& values) const {
        if (m_indices.size() != values.size()) return false;
        for (qsizetype i = 0; i < values.size(); ++i)
            if (m_indices[i] != values[i].column) return false;
        return true;
    }

    data::ImportRepository& m_repo;
    std::optional<ImportTable> m_table;  // none before the first row
    QStringList m_columns;               // the key columns, then those of m_indices
    QList<int> m_indices;                // the columns of the values, by their index in the target
    int m_perStatement = 1;
    QList<QVariantList> m_rows;
};

ImportStore::ImportStore(data::Connection& cnn)
    : m_cnn(cnn), m_repo(cnn), m_added(std::make_unique<InsertBatch>(m_repo)) {}

ImportStore::~ImportStore() = default;

const QSet<QString>& ImportStore::itemKeys() {
    // Read under the write lock: no other copy of the program adds or deletes
    // an item between this reading and the rows stored by it.
    if (!m_items) {
        begin();
        m_items = m_repo.itemKeys();
    }
    return *m_items;
}

void ImportStore::begin() {
    if (!m_transaction) m_transaction.emplace(m_cnn);
}

void ImportStore::store(const TargetColumns& target, const QList<ConvertedRecord>& rows) {
    if (m_failure) return;
    try {
        begin();
        for (const ConvertedRecord& row : rows)
            storeRow(target, row);
    } catch (const core::RuntimeError& error) {
        m_failure = QString::fromStdString(error.description());
    }
}

void ImportStore::storeRow(const TargetColumns& target, const ConvertedRecord& row) {
    const ImportTable table = target.table;
    if (!isSales(table)) {
        itemKeys();
        if (m_items->contains(row.key)) {
            m_added->flush();  // the statements keep their order
            m_repo.updateItem(row.itemId, row.namedValues(target));
        } else {
            m_added->add(target, row);
        }
    } else {
        auto& years = m_years[table == ImportTable::Sales ? 0 : 1];
        if (!years) years = m_repo.salesYears(tableName(table));
        const QPair<QString, int> year{row.key, row.year};
        if (years->contains(year)) {
            m_added->flush();
            m_repo.updateSalesYear(tableName(table), row.itemId, row.year, row.namedValues(target));
        } else {
            m_added->add(target, row);
        }
    }
    ++m_stored[int(table)];
}

void ImportStore::commit() {
    if (m_failure) throw core::RuntimeError(core::ErrorCode::Database, m_failure->toStdString());
    if (!m_transaction) return;
    m_added->flush();
    m_transaction->commit();
    m_transaction.reset();
}

void ImportStore::rollback() {
    m_added = std::make_unique<InsertBatch>(m_repo);  // what waits goes too
    m_transaction.reset();
    m_stored[0] = m_stored[1] = m_stored[2] = 0;
}

}  // namespace tervalo::import
