#include "DataTestSupport.h"
#include "data/RecordSnapshot.h"

using tervalo::data::RecordSnapshot;
using namespace tervalo::data::test;

namespace {
const QString kNoCurrent =
    "Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.";
const QString kClosed = "Operation is not allowed when the object is closed.";
const QString kModelsFrom = "SELECT ModelID, ModelName FROM Models WHERE ModelID >= ? ORDER BY ModelID";
}  // namespace

using RecordSnapshotTest = DemoDatabaseTest;

TEST_F(RecordSnapshotTest, CountsEveryRowAndStandsOnTheFirst) {
    RecordSnapshot rs;
    rs.open(cnn(), kModelsFrom, {4});
    EXPECT_EQ(rs.state(), 1);
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_FALSE(rs.bof());
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.field(0).toInt(), 4);
    EXPECT_EQ(rs.fieldNames(), QStringList({"ModelID", "ModelName"}));
}

TEST_F(RecordSnapshotTest, MovesToBothEndsAndNoFurther) {
    RecordSnapshot rs;
    rs.open(cnn(), kModelsFrom, {7});
    rs.moveLast();
    EXPECT_EQ(rs.field("modelid").toInt(), 10);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.position(), 3);
    EXPECT_EQ(databaseErrorOf([&] { rs.moveNext(); }), kNoCurrent);
    EXPECT_EQ(databaseErrorOf([&] { rs.field(0); }), kNoCurrent);
    rs.movePrevious();
    EXPECT_EQ(rs.field(0).toInt(), 10);

    rs.moveFirst();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(databaseErrorOf([&] { rs.movePrevious(); }), kNoCurrent);
    rs.moveNext();
    EXPECT_EQ(rs.record().value("ModelID").toInt(), 7);
}

TEST_F(RecordSnapshotTest, EmptyResultIsAtBothEnds) {
    RecordSnapshot rs;
    rs.open(cnn(), kModelsFrom, {11});
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_TRUE(rs.bof());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.fieldCount(), 2);
    EXPECT_EQ(databaseErrorOf([&] { rs.moveFirst(); }), kNoCurrent);
    EXPECT_EQ(databaseErrorOf([&] { rs.moveLast(); }), kNoCurrent);
}

TEST_F(RecordSnapshotTest, UnknownFieldIsAnError) {
    RecordSnapshot rs;
    rs.open(cnn(), kModelsFrom, {1});
    const QString notFound = "Item cannot be found in the collection corresponding to the requested name or ordinal.";
    EXPECT_EQ(databaseErrorOf([&] { rs.field("Desc"); }), notFound);
    EXPECT_EQ(databaseErrorOf([&] { rs.field(2); }), notFound);
}

TEST_F(RecordSnapshotTest, RequeryRereadsWithTheSameValues) {
    RecordSnapshot rs;
    rs.open(cnn(), "SELECT LogID FROM EOQ1 WHERE ItemName = ? ORDER BY LogID", {"Paper"});
    const int before = rs.recordCount();
    rs.moveLast();
    cnn().execute("INSERT INTO EOQ1 (ItemName, ModelID) VALUES (?, 1), (?, 1)", {"paper", "Cardboard"});
    EXPECT_EQ(rs.recordCount(), before);
    rs.requery();
    EXPECT_EQ(rs.recordCount(), before + 1);
    EXPECT_EQ(rs.position(), 0);
}

TEST_F(RecordSnapshotTest, ClosedSnapshotRefusesEverything) {
    RecordSnapshot rs;
    EXPECT_EQ(rs.state(), 0);
    EXPECT_EQ(databaseErrorOf([&] { rs.requery(); }), kClosed);
    rs.open(cnn(), kModelsFrom, {1});
    rs.close();
    EXPECT_EQ(rs.state(), 0);
    EXPECT_EQ(databaseErrorOf([&] { rs.recordCount(); }), kClosed);
    EXPECT_EQ(databaseErrorOf([&] { rs.eof(); }), kClosed);
}

TEST_F(RecordSnapshotTest, FailedOpenLeavesItClosed) {
    RecordSnapshot rs;
    rs.open(cnn(), kModelsFrom, {1});
    EXPECT_EQ(databaseErrorOf([&] { rs.open(cnn(), "SELECT * FROM Nope"); }), "no such table: Nope");
    EXPECT_EQ(rs.state(), 0);
}
