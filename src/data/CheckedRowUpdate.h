#pragma once
// One UPDATE of a row found by the values it held when it was read: every
// column given to where() must still hold its value (a Null as Null, text with
// its letter case), so a row that another writer changed or removed since is
// left as it is. Only the columns given to set() are written; every name is
// quoted and every value bound. The comparison is SQLite's (`IS`), as the
// warehouse tables are. The same test guards the removal of the row.
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace tervalo::data {

class Connection;

class CheckedRowUpdate {
public:
    explicit CheckedRowUpdate(QString table) : m_table(std::move(table)) {}

    CheckedRowUpdate& set(const QString& column, const QVariant& value);
    CheckedRowUpdate& where(const QString& column, const QVariant& read);
    bool hasChanges() const { return !m_sets.isEmpty(); }

    QString sql() const;
    // Runs the statement; returns the number of rows changed, 0 when the row
    // no longer holds what was read.
    int run(Connection& cnn) const;
    // Deletes the row instead, when it still holds what was read; returns
    // the number of rows deleted.
    int runDelete(Connection& cnn) const;

private:
    QString condition() const;
    QVariantList readValues() const;

    QString m_table;
    QList<QPair<QString, QVariant>> m_sets;
    QList<QPair<QString, QVariant>> m_wheres;
};

}  // namespace tervalo::data
