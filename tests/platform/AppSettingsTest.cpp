// The program's named settings: defaults, stored garbage, round trips.
#include <gtest/gtest.h>

#include <QFile>
#include <optional>

#include "ScopedConfigHome.h"
#include "core/RuntimeError.h"
#include "platform/AppSettings.h"
#include "platform/SettingsStore.h"

using tervalo::platform::AppSettings;
using tervalo::platform::SettingsStore;
using tervalo::platform::test::ScopedConfigHome;
using Placement = AppSettings::MainPlacement;

namespace {

class AppSettingsTest : public ::testing::Test {
protected:
    ScopedConfigHome m_home;
    SettingsStore m_store;
    AppSettings m_settings{m_store};
};

const char* const kPlacementKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

}  // namespace

TEST_F(AppSettingsTest, NothingStoredGivesTheDefaults) {
    EXPECT_EQ(m_settings.dataSourceName(), "Demo.mdb");
    EXPECT_EQ(m_settings.mainPlacement(), (Placement{1000, 1000, 6500, 6500}));
}

TEST_F(AppSettingsTest, DataSourceNameRoundTripsAndEmptyMeansDemo) {
    m_settings.setDataSourceName("dbWHouse.mdb");
    EXPECT_EQ(m_store.get("DataSource", "Name"), "dbWHouse.mdb");
    EXPECT_EQ(m_settings.dataSourceName(), "dbWHouse.mdb");
    m_settings.setDataSourceName("");
    EXPECT_EQ(m_settings.dataSourceName(), "Demo.mdb");
}

TEST_F(AppSettingsTest, PlacementIsWrittenInGeneralTextAndReadBack) {
    const Placement placement{.5f, -300, 9750.5f, 100000000};
    m_settings.saveMainPlacement(placement);
    EXPECT_EQ(m_store.get("Settings", "MainLeft"), ".5");
    EXPECT_EQ(m_store.get("Settings", "MainTop"), "-300");
    EXPECT_EQ(m_store.get("Settings", "MainWidth"), "9750.5");
    EXPECT_EQ(m_store.get("Settings", "MainHeight"), "100000000");
    EXPECT_EQ(m_settings.mainPlacement(), placement);
}

TEST_F(AppSettingsTest, FailedWriteRaises) {
    QFile blocker(m_home.scratch() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScopedConfigHome unreachable(blocker.fileName() + "/config");
    EXPECT_THROW(m_settings.setDataSourceName("dbWHouse.mdb"), tervalo::core::RuntimeError);
    EXPECT_THROW(m_settings.saveMainPlacement(AppSettings::kDefaultMainPlacement), tervalo::core::RuntimeError);
}

// One stored text in every placement key; nullopt: each key falls back to its default.
struct StoredPlacement {
    QString text;
    std::optional<float> value;
};

void PrintTo(const StoredPlacement& p, std::ostream* os) { *os << '"' << p.text.toStdString() << '"'; }

class AppSettingsStoredPlacement : public AppSettingsTest, public ::testing::WithParamInterface<StoredPlacement> {};

TEST_P(AppSettingsStoredPlacement, NumberOrTheKeysDefault) {
    for (const char* key : kPlacementKeys)
        m_store.save("Settings", key, GetParam().text);
    const Placement got = m_settings.mainPlacement();
    const Placement expected =
        GetParam().value ? Placement{*GetParam().value, *GetParam().value, *GetParam().value, *GetParam().value}
                         : AppSettings::kDefaultMainPlacement;
    EXPECT_EQ(got, expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, AppSettingsStoredPlacement,
                         ::testing::Values(StoredPlacement{"1500", 1500}, StoredPlacement{"  -300000 ", -300000},
                                           StoredPlacement{"9750.5", 9750.5f}, StoredPlacement{".5", .5f},
                                           StoredPlacement{"0", 0}, StoredPlacement{"1e8", 1e8f},
                                           StoredPlacement{"-1E+08", -1e8f}, StoredPlacement{"100000001", std::nullopt},
                                           StoredPlacement{"500000000", std::nullopt},
                                           StoredPlacement{"-1e9", std::nullopt},
                                           StoredPlacement{"1e400", std::nullopt}, StoredPlacement{"", std::nullopt},
                                           StoredPlacement{"abc", std::nullopt}, StoredPlacement{"12abc", std::nullopt},
                                           StoredPlacement{"1..2", std::nullopt},
                                           StoredPlacement{"1,500", std::nullopt},
                                           StoredPlacement{QString::fromLatin1("\x01\xff\x7f", 3), std::nullopt}));
