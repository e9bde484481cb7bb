#pragma once
// Helpers of the data tests: a connection to a temporary copy of a shipped
// database, raw look-ups, and catching the run-time error a step raises.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <ostream>

#include "core/RuntimeError.h"
#include "data/Connection.h"
#include "support/TestEnvironment.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tervalo::data::test {

// Runs the step and returns the description of the database error it raised;
// fails the test when it raises none.
template <typename F>
QString databaseErrorOf(F step) {
    try {
        step();
    } catch (const core::RuntimeError& error) {
        EXPECT_EQ(error.code(), core::ErrorCode::Database);
        return QString::fromStdString(error.description());
    }
    ADD_FAILURE() << "no run-time error raised";
    return QString();
}

// Folder names a connection string must keep whole: separators, quotes of both
// kinds, braces, blanks at the ends, non-ASCII letters.
inline const QStringList kAwkwardFolderNames =
    QStringLiteral(
        "a;b|x=y|{braced}|say \"hi\"|o'brien| blanks  at the ends |B\u00fccher \u00e4|mix \"'{};=} \u00e4|}{")
        .split(u'|');

// Opens a fresh temporary copy of the named shipped file.
inline std::unique_ptr<Connection> openCopyOf(const QString& fileName) {
    auto cnn = std::make_unique<Connection>();
    cnn->open(tervalo::test::connectionToCopyOf(fileName));
    return cnn;
}

// The first column of the first row of a query.
inline QVariant scalar(Connection& cnn, const QString& sql, const QVariantList& values = {}) {
    QSqlQuery query = cnn.run(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

// A test on a temporary copy of "Demo.mdb".
class DemoDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { m_cnn = openCopyOf("Demo.mdb"); }
    Connection& cnn() { return *m_cnn; }

private:
    std::unique_ptr<Connection> m_cnn;
};

}  // namespace tervalo::data::test
