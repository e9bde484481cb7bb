#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <functional>

#include "DataTestSupport.h"
#include "data/ConnectionString.h"
#include "data/Eoq1Repository.h"
#include "data/SsRepository.h"
#include "data/Transaction.h"
#include "support/PaperRows.h"

using tervalo::data::Connection;
using tervalo::data::ConnectionString;
using tervalo::data::Eoq1Repository;
using tervalo::data::ExecuteSQL;
using namespace tervalo::data::test;

namespace {
QString jetFor(const QString& path) {
    const QFileInfo info(path);
    return ConnectionString::forFile(info.absolutePath(), info.fileName());
}
}  // namespace

TEST(Connection, MissingFileIsAnErrorAndIsNotCreated) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Demo.mdb";
    Connection cnn;
    EXPECT_EQ(databaseErrorOf([&] { cnn.open(jetFor(path)); }), "Could not find file '" + path + "'.");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(cnn.isOpen());
    EXPECT_EQ(cnn.state(), 0);
    EXPECT_EQ(cnn.connectionString(), jetFor(path));
}

TEST(Connection, JetStringOpensTheSqliteFile) {
    const QString path = tervalo::test::tempCopyOfDatabase("Demo.mdb");
    Connection cnn;
    cnn.open(jetFor(path));
    EXPECT_TRUE(cnn.isOpen());
    EXPECT_EQ(cnn.state(), 1);
    EXPECT_EQ(scalar(cnn, "SELECT count(*) FROM Models").toInt(), 7);
}

TEST(Connection, PathWithUriSpecialCharactersOpens) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/my #1 100% data?x=1&y";
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(tervalo::test::tempCopyOfDatabase("Demo.mdb"), folder + "/Demo copy.mdb"));
    Connection cnn;
    cnn.open(ConnectionString::forFile(folder, "Demo copy.mdb"));
    EXPECT_EQ(scalar(cnn, "SELECT count(*) FROM DemandType").toInt(), 2);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"Demo copy.mdb"}));
}

class ConnectionInAwkwardFolder : public ::testing::TestWithParam<QString> {};

TEST_P(ConnectionInAwkwardFolder, OpensTheCopiedFile) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/" + GetParam();
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(tervalo::test::tempCopyOfDatabase("Demo.mdb"), folder + "/Demo.mdb"));
    Connection cnn;
    cnn.open(ConnectionString::forFile(folder, "Demo.mdb"));
    EXPECT_EQ(scalar(cnn, "SELECT count(*) FROM Models").toInt(), 7);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"Demo.mdb"}));
}

INSTANTIATE_TEST_SUITE_P(FolderNames, ConnectionInAwkwardFolder, ::testing::ValuesIn(kAwkwardFolderNames));

TEST(Connection, DriverFormOpensAnSqliteFile) {
    const QString path = tervalo::test::tempCopyOfDatabase("NWRetail.mdb");
    Connection cnn;
    cnn.open("driver=qsqlite;database=\"" + path + "\"");
    EXPECT_EQ(scalar(cnn, "SELECT ProductName FROM Products WHERE ProductID = ?", {7}).toString(), "Coffee Beans 1 kg");
}

TEST(Connection, FileThatIsNoDatabaseIsAnError) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/notes.mdb";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    Connection cnn;
    EXPECT_EQ(databaseErrorOf([&] { cnn.open(jetFor(path)); }), "Unrecognized database format '" + path + "'.");
    EXPECT_FALSE(cnn.isOpen());
}

TEST(Connection, StringWithoutDataSourceOrKnownDriverIsAnError) {
    Connection cnn;
    EXPECT_EQ(databaseErrorOf([&] { cnn.open("Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=False"); }),
              "Data source name not found and no default driver specified.");
    EXPECT_EQ(databaseErrorOf([&] { cnn.open("Driver=QODBC;Database=x"); }),
              "The database driver 'QODBC' is not supported.");
    EXPECT_FALSE(cnn.isOpen());
}

TEST(Connection, ClosedConnectionRefusesCommands) {
    Connection never;
    EXPECT_EQ(databaseErrorOf([&] { ExecuteSQL(never, "DELETE FROM EOQ1"); }),
              "Operation is not allowed when the object is closed.");

    auto cnn = openCopyOf("Demo.mdb");
    cnn->close();
    EXPECT_EQ(cnn->state(), 0);
    EXPECT_EQ(databaseErrorOf([&] { ExecuteSQL(*cnn, "DELETE FROM EOQ1"); }),
              "Operation is not allowed when the object is closed.");
}

TEST(Connection, ExecuteBindsValuesInOrderAndCountsRows) {
    auto cnn = openCopyOf("Demo.mdb");
    const int changed = cnn->execute("UPDATE Items SET Item = ? WHERE TimeUnit = ? AND SinglePeriod = ?",
                                     {"Joe's; DROP TABLE Items; --", "Week", 1});
    EXPECT_EQ(changed, 3);
    EXPECT_EQ(scalar(*cnn, "SELECT count(*) FROM Items WHERE Item = ?", {"Joe's; DROP TABLE Items; --"}).toInt(), 3);
    ExecuteSQL(*cnn, "DELETE FROM Sales WHERE ItemID = ?", {"1"});
    EXPECT_EQ(scalar(*cnn, "SELECT count(*) FROM Sales WHERE ItemID = '1'").toInt(), 0);
}

TEST(Connection, FailingStatementReportsTheDatabaseText) {
    auto cnn = openCopyOf("Demo.mdb");
    EXPECT_EQ(databaseErrorOf([&] { cnn->execute("SELECT * FROM Nope"); }), "no such table: Nope");
    EXPECT_TRUE(cnn->isOpen());
}

TEST(Connection, EachConnectionIsSeparateAndRemovedWhenDestroyed) {
    const int before = QSqlDatabase::connectionNames().size();
    {
        auto first = openCopyOf("Demo.mdb");
        auto second = openCopyOf("dbWHouse.mdb");
        EXPECT_EQ(QSqlDatabase::connectionNames().size(), before + 2);
        first->close();
        EXPECT_TRUE(second->isOpen());
        EXPECT_EQ(scalar(*second, "SELECT count(*) FROM Items").toInt(), 3);
    }
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), before);
}

TEST(Connection, TransactionKeepsChangesOnlyWhenCommitted) {
    auto cnn = openCopyOf("Demo.mdb");
    const int before = scalar(*cnn, "SELECT count(*) FROM Sales").toInt();
    {
        tervalo::data::Transaction abandoned(*cnn);
        cnn->execute("DELETE FROM Sales");
    }
    EXPECT_EQ(scalar(*cnn, "SELECT count(*) FROM Sales").toInt(), before);
    tervalo::data::Transaction kept(*cnn);
    cnn->execute("DELETE FROM Sales WHERE ItemID = ?", {"2"});
    kept.commit();
    EXPECT_EQ(scalar(*cnn, "SELECT count(*) FROM Sales").toInt(), before - 5);
}

// Each save tries again an open that failed (Demo.mdb was away), unless the
// connection was closed on purpose.
struct SaveCase {
    const char* name;
    std::function<void(Connection&)> save;
};
void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

class ConnectionReopen : public ::testing::TestWithParam<SaveCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::rename(m_path, m_path + ".away"));
        EXPECT_THROW(m_cnn.open(jetFor(m_path)), tervalo::core::RuntimeError);
    }
    bool putBack() { return QFile::rename(m_path + ".away", m_path); }
    QString saveError() {
        return databaseErrorOf([&] { GetParam().save(m_cnn); });
    }

    const QString m_path = tervalo::test::tempCopyOfDatabase("Demo.mdb");
    Connection m_cnn;
};

TEST_P(ConnectionReopen, SaveFailsNamingTheFileUntilItIsBack) {
    EXPECT_EQ(saveError(), "Could not find file '" + m_path + "'.");
    ASSERT_TRUE(putBack());
    GetParam().save(m_cnn);
    EXPECT_TRUE(m_cnn.isOpen());
}

TEST_P(ConnectionReopen, ClosedOnPurposeStaysClosed) {
    m_cnn.close();
    ASSERT_TRUE(putBack());
    EXPECT_EQ(saveError(), "Operation is not allowed when the object is closed.");
}

INSTANTIATE_TEST_SUITE_P(
    Saves, ConnectionReopen,
    ::testing::Values(SaveCase{"Eoq1Row",
                               [](Connection& c) {
                                   Eoq1Repository(c).insert(tervalo::test::paperRow(QDate(2030, 1, 15)));
                               }},
                      SaveCase{"SsRow", [](Connection& c) { tervalo::data::SsRepository(c).insert({}); }},
                      SaveCase{"DiscountDecision",
                               [](Connection& c) { Eoq1Repository(c).updateDiscount(1, "1", "offer", "decision"); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The open file taken away under the program: a write says what happened
// rather than "attempt to write a readonly database".
struct FileTakenAway {
    const char* name;
    std::function<void(const QString& path)> takeAway;
    bool throughQuery;  // the write run as a query, else as a kept statement
};

void PrintTo(const FileTakenAway& c, std::ostream* os) { *os << c.name; }

class FileTakenAwayTest : public ::testing::TestWithParam<FileTakenAway> {};

TEST_P(FileTakenAwayTest, WriteSaysTheFileWasMovedOrDeleted) {
    const QString path = tervalo::test::tempCopyOfDatabase("Demo.mdb");
    Connection cnn;
    cnn.open(jetFor(path));
    GetParam().takeAway(path);
    const QString sql = "UPDATE Items SET Item = 'Paper' WHERE ItemID = '1'";
    EXPECT_EQ(databaseErrorOf([&] { GetParam().throughQuery ? void(cnn.run(sql, {})) : void(cnn.execute(sql)); }),
              "The database file was moved or deleted while the program had it open, so nothing was written to it. "
              "Close the program and start it again.");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ways, FileTakenAwayTest, ::testing::Values(
    FileTakenAway{"Deleted", [](const QString& p) { QFile::remove(p); }, false},
    FileTakenAway{"Moved", [](const QString& p) { QFile::rename(p, p + ".old"); }, false},
    FileTakenAway{"ReplacedByAnother", [](const QString& p) { QFile::copy(p, p + ".new"); ::rename(QFile::encodeName(p + ".new"), QFile::encodeName(p)); }, false},
    FileTakenAway{"DeletedUnderAQuery", [](const QString& p) { QFile::remove(p); }, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on
