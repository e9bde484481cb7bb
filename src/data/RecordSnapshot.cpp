#include "data/RecordSnapshot.h"

#include <QSqlField>

#include "data/Connection.h"
#include "data/SqlSupport.h"

namespace tervalo::data {

void RecordSnapshot::open(Connection& cnn, const QString& sql, const QVariantList& values) {
    close();
    m_cnn = &cnn;
    m_sql = sql;
    m_values = values;
    try {
        fetch();
    } catch (...) {
        close();
        throw;
    }
}

void RecordSnapshot::requery() {
    requireOpen();
    fetch();
}

void RecordSnapshot::fetch() {
    QSqlQuery query = m_cnn->run(m_sql, m_values);
    QList<QVariantList> rows;
    const QSqlRecord fields = query.record();
    while (query.next()) {
        QVariantList row;
        row.reserve(fields.count());
        for (int i = 0; i < fields.count(); ++i)
            row.append(query.value(i));
        rows.append(std::move(row));
    }
    m_fields = fields;
    m_rows = std::move(rows);
    m_pos = 0;
}

void RecordSnapshot::close() {
    m_cnn = nullptr;
    m_sql.clear();
    m_values.clear();
    m_fields.clear();
    m_rows.clear();
    m_pos = -1;
}

void RecordSnapshot::requireOpen() const {
    if (!isOpen()) throw objectClosedError();
}

namespace {
[[noreturn]] void noCurrentRecord() {
    throw databaseError(
        "Either BOF or EOF is True, or the current record has been deleted. "
        "Requested operation requires a current record.");
}
}  // namespace

void RecordSnapshot::requireCurrent() const {
    if (bof() || eof()) noCurrentRecord();
}

int RecordSnapshot::recordCount() const {
    requireOpen();
    return int(m_rows.size());
}

bool RecordSnapshot::bof() const {
    requireOpen();
    return m_rows.isEmpty() || m_pos < 0;
}

bool RecordSnapshot::eof() const {
    requireOpen();
    return m_rows.isEmpty() || m_pos >= m_rows.size();
}

int RecordSnapshot::position() const {
    requireOpen();
    return m_pos;
}

void RecordSnapshot::moveFirst() {
    if (recordCount() == 0) noCurrentRecord();
    m_pos = 0;
}

void RecordSnapshot::moveLast() {
    if (recordCount() == 0) noCurrentRecord();
    m_pos = recordCount() - 1;
}

void RecordSnapshot::moveNext() {
    if (eof()) noCurrentRecord();
    ++m_pos;
}

void RecordSnapshot::movePrevious() {
    if (bof()) noCurrentRecord();
    --m_pos;
}

int RecordSnapshot::fieldCount() const {
    requireOpen();
    return m_fields.count();
}

QStringList RecordSnapshot::fieldNames() const {
    requireOpen();
    QStringList names;
    for (int i = 0; i < m_fields.count(); ++i)
        names.append(m_fields.fieldName(i));
    return names;
}

QVariant RecordSnapshot::field(int index) const {
    if (index < 0 || index >= fieldCount())
        throw databaseError("Item cannot be found in the collection corresponding to the requested name or ordinal.");
    requireCurrent();
    return m_rows[m_pos][index];
}

QVariant RecordSnapshot::field(const QString& name) const {
    requireOpen();
    return field(m_fields.indexOf(name));
}

QSqlRecord RecordSnapshot::record() const {
    requireCurrent();
    QSqlRecord result = m_fields;
    for (int i = 0; i < result.count(); ++i)
        result.setValue(i, m_rows[m_pos][i]);
    return result;
}

}  // namespace tervalo::data
