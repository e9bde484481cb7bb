#pragma once
// One INSERT with its columns named and every value bound. Columns that are not
// set are left out of the statement and so keep their default (NULL).
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <optional>

namespace tervalo::data {

class Connection;

class RowInsert {
public:
    explicit RowInsert(QString table) : m_table(std::move(table)) {}

    RowInsert& set(const QString& column, const QVariant& value);
    // Sets the column only when the value is present.
    template <class T>
    RowInsert& setIf(const QString& column, const std::optional<T>& value) {
        if (value) set(column, QVariant::fromValue(*value));
        return *this;
    }

    QString sql() const;
    // Runs the statement; returns the key the database gave the new row.
    QVariant run(Connection& cnn) const;

private:
    QString m_table;
    QList<QPair<QString, QVariant>> m_columns;
};

}  // namespace tervalo::data
