#pragma once
// A statement prepared once on a connection and run for every row of a long
// job: values are bound by position without a statement text or a value list
// built per row, and on SQLite the rows are read straight from the database
// handle, each value made as Qt's SQLite driver makes it. On another database
// it is a prepared QSqlQuery that behaves the same. Failures raise
// core::RuntimeError(ErrorCode::Database, description).
//
// A statement belongs to the thread of its connection and must go before the
// connection closes; one that has read its last row holds no lock.
#include <QByteArray>
#include <QSqlQuery>
#include <QString>
#include <QStringEncoder>
#include <QVariant>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tervalo::data {

class Connection;

class Statement {
public:
    Statement(Connection& cnn, const QString& sql);  // throws RuntimeError
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // The value at a position (from 0), bound as Connection::execute binds it.
    // Text is bound from a buffer the statement keeps for its position, so a
    // run binds it without making a copy of its own.
    void bind(int index, const QVariant& value);
    void bind(int index, double value);

    // Runs a statement that changes rows, with the values bound since its last
    // run; returns the number of rows it changed.
    int execute();

    // Runs a query on its first call, then moves to its next row; false after
    // the last one, when the query is ready to run again.
    bool next();
    int columnCount() const;
    // A column of the current row: a whole number as qlonglong, a real as
    // double, text as QString, bytes as QByteArray, Null as a null QString.
    QVariant value(int column) const;
    bool isNull(int column) const;
    // A whole number or a real as a double, read without a QVariant; nullopt
    // for Null, text and bytes.
    std::optional<double> number(int column) const;
    // Whether the column holds text equal to these UTF-8 bytes (compared
    // without making a QString).
    bool textEquals(int column, const QByteArray& utf8) const;
    // Whether the column holds text, so textEquals() can answer.
    bool isText(int column) const;

private:
    [[noreturn]] void fail() const;
    void done();

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    bool m_running = false;
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringConverter::Flag::Stateless};
    std::vector<QByteArray> m_texts;  // the text bound at each position
    QSqlQuery m_query;                // another database's statement
};

}  // namespace tervalo::data
