// The settings store and the program's named settings: defaults, stored
// garbage, round trips, and a write that fails.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/RuntimeError.h"
#include "platform/AppSettings.h"
#include "platform/SettingsStore.h"
#include "support/FullDisk.h"

using tervalo::platform::AppSettings;
using Placement = AppSettings::MainPlacement;

namespace {

const QStringList kPlacementKeys{"MainLeft", "MainTop", "MainWidth", "MainHeight"};

// Each test has its own settings folder; XDG_CONFIG_HOME is put back after.
class AppSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit()); }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_oldHome); }

    const QByteArray m_oldHome = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir m_dir;
    tervalo::platform::SettingsStore m_store;
    AppSettings m_settings{m_store};
};

}  // namespace

TEST_F(AppSettingsTest, WriteBelowARegularFileRaisesNamingTheSettingsFile) {
    QFile(m_dir.filePath("file")).open(QIODevice::WriteOnly);
    const QString home = m_dir.filePath("file/config");  // a folder that cannot be made
    qputenv("XDG_CONFIG_HOME", home.toLocal8Bit());
    EXPECT_THAT([&] { m_settings.setDataSourceName("dbWHouse.mdb"); },
                testing::ThrowsMessage<tervalo::core::RuntimeError>(
                    "The setting DataSource/Name was not saved: the settings file '" + home.toStdString() +
                    "/Tervalo/Tervalo.ini' cannot be written."));
}

// Qt writes the settings through a temporary file renamed over the old one:
// on a full disk the file keeps the settings saved before.
TEST_F(AppSettingsTest, FullDiskKeepsTheSettingsFile) {
    const tervalo::test::SmallDisk disk(m_dir.path(), 64);
    if (!disk.whyNot().isEmpty()) GTEST_SKIP() << disk.whyNot().toStdString();
    m_settings.setDataSourceName("dbWHouse.mdb");
    QFile filler(m_dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
    }
    EXPECT_THROW(m_settings.setDataSourceName("Demo.mdb"), tervalo::core::RuntimeError);
    QFile file(tervalo::platform::SettingsStore::fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "[DataSource]\nName=dbWHouse.mdb\n");
}

TEST_F(AppSettingsTest, DefaultsAndRoundTrips) {
    EXPECT_EQ(m_settings.dataSourceName(), "Demo.mdb");
    EXPECT_EQ(m_settings.mainPlacement(), (Placement{1000, 1000, 6500, 6500}));
    m_settings.setDataSourceName("dbWHouse.mdb");
    EXPECT_EQ(m_store.get("DataSource", "Name"), "dbWHouse.mdb");
    m_settings.setDataSourceName("");
    EXPECT_EQ(m_settings.dataSourceName(), "Demo.mdb");

    // The import's source has no default, and sits beside Name in its section.
    EXPECT_EQ(m_settings.dataSourceType() + "|" + m_settings.dataSourcePath(), "|");
    m_settings.setDataSourceType("ExcelFile");
    m_settings.setDataSourcePath("/home/me/sales, 2026");
    EXPECT_EQ(m_store.get("DataSource", "DataType") + "|" + m_store.get("DataSource", "DataPath"),
              "ExcelFile|/home/me/sales, 2026");
    EXPECT_EQ(m_settings.dataSourceType() + "|" + m_settings.dataSourcePath(), "ExcelFile|/home/me/sales, 2026");

    m_settings.saveMainPlacement({.5f, -300, 9750.5f, 1e8f});
    QStringList texts;
    for (const QString& key : kPlacementKeys)
        texts << m_store.get("Settings", key);
    EXPECT_EQ(texts, QStringList({".5", "-300", "9750.5", "100000000"}));
    EXPECT_EQ(m_settings.mainPlacement(), (Placement{.5f, -300, 9750.5f, 1e8f}));
}

// The same text in every placement key: that number, or each key's default.
TEST_F(AppSettingsTest, StoredPlacementIsANumberUpTo1e8OrTheDefault) {
    const std::pair<QString, float> numbers[] = {{" -300000 ", -300000}, {".5", .5f}, {"1e8", 1e8f}, {"-1E+08", -1e8f}};
    const QString garbage[] = {"100000001", "-1e9", "1e400", "",
                               "12abc",     "1..2", "1,500", QString::fromLatin1("\x01\xff")};
    const auto storedEverywhere = [&](const QString& text) {
        for (const QString& key : kPlacementKeys)
            m_store.save("Settings", key, text);
        return m_settings.mainPlacement();
    };
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(storedEverywhere(text), (Placement{value, value, value, value})) << text.toStdString();
    for (const QString& text : garbage)
        EXPECT_EQ(storedEverywhere(text), AppSettings::kDefaultMainPlacement) << text.toStdString();
}

// The write-back target: eight keys of "Database", empty when missing, and a
// settings file only its owner can read once the connection string is in it,
// whether the file is new or was readable by others before.
TEST_F(AppSettingsTest, UpdateTargetRoundTripsInItsOwnKeysAndKeepsTheFilePrivate) {
    const QString file = tervalo::platform::SettingsStore::fileName();
    const auto othersMay = [&] { return QFile::permissions(file) & (QFile::ReadGroup | QFile::ReadOther); };
    EXPECT_EQ(m_settings.updateTarget(), AppSettings::UpdateTarget{});
    for (const bool existed : {false, true}) {
        QFile::remove(file);
        if (existed) m_settings.setDataSourceName("dbWHouse.mdb");
        if (existed) QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        const AppSettings::UpdateTarget target{"Driver=QPSQL;Password=pw",
                                               "Products",
                                               "Reorder Level",
                                               "UnitsOnOrder",
                                               "ProductID",
                                               "Numeric",
                                               "Text",
                                               "numeric"};
        m_settings.saveUpdateTarget(target);
        EXPECT_EQ(m_settings.updateTarget(), target);
        const QStringList keys{"CnnString",
                               "Table",
                               "ReorderLevel",
                               "UnitsToOrder",
                               "ItemID",
                               "ReorderLevelDataType",
                               "UnitsToOrderDataType",
                               "ItemIDDataType"};
        QStringList stored;
        for (const QString& key : keys)
            stored << m_store.get("Database", key);
        EXPECT_EQ(stored.join('|').toStdString(),
                  "Driver=QPSQL;Password=pw|Products|Reorder Level|UnitsOnOrder|ProductID|Numeric|Text|numeric");
        EXPECT_EQ(QFile::permissions(file), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        m_settings.setDataSourceName("Demo.mdb");  // a later write keeps the file private
        EXPECT_EQ(othersMay(), QFile::Permissions()) << existed;
    }
}
