#pragma once
// A recordset read in full: the query runs once (again on requery) and every row
// is kept, so the record count is exact and the cursor moves both ways.
// The cursor follows the usual recordset rules: after opening it stands on the
// first row; BOF and EOF are both true for an empty result; moving past either
// end sets BOF or EOF, and moving further, or reading a field there, is an error.
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

namespace tervalo::data {

class Connection;

class RecordSnapshot {
public:
    RecordSnapshot() = default;

    // Runs the SELECT with bound values and fetches every row. The connection
    // must outlive the snapshot while it is open. Throws RuntimeError.
    void open(Connection& cnn, const QString& sql, const QVariantList& values = {});
    // Runs the same query with the same values again; the cursor goes back to
    // the first row.
    void requery();
    void close();
    bool isOpen() const { return m_cnn != nullptr; }
    int state() const { return isOpen() ? 1 : 0; }  // 0 closed, 1 open
    QString sql() const { return m_sql; }

    int recordCount() const;
    bool bof() const;
    bool eof() const;
    int position() const;  // row index; -1 before the first row, recordCount() after the last

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    int fieldCount() const;
    QStringList fieldNames() const;
    // The current row's value by position or by name (without regard to case).
    QVariant field(int index) const;
    QVariant field(const QString& name) const;
    // The current row with its field names.
    QSqlRecord record() const;

private:
    void fetch();
    void requireOpen() const;
    void requireCurrent() const;

    Connection* m_cnn = nullptr;
    QString m_sql;
    QVariantList m_values;
    QSqlRecord m_fields;  // names and types; values unused
    QList<QVariantList> m_rows;
    int m_pos = -1;
};

}  // namespace tervalo::data
