// The settings file: where it lives, and a write that fails is reported.
#include <gtest/gtest.h>

#include <QFile>

#include "ScopedConfigHome.h"
#include "core/RuntimeError.h"
#include "platform/SettingsStore.h"

using tervalo::core::RuntimeError;
using tervalo::platform::SettingsStore;
using tervalo::platform::test::ScopedConfigHome;

TEST(SettingsStore, WritesTervaloIniBelowTheConfigFolder) {
    ScopedConfigHome home;
    SettingsStore store;
    store.save("DataSource", "Name", "dbWHouse.mdb");
    EXPECT_EQ(SettingsStore::fileName(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tervalo/Tervalo.ini");
    QFile file(SettingsStore::fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[DataSource]\nName=dbWHouse.mdb\n"));
    EXPECT_EQ(store.get("DataSource", "Name"), "dbWHouse.mdb");
    EXPECT_TRUE(store.contains("DataSource", "Name"));
}

TEST(SettingsStore, EachConfigFolderHasItsOwnSettings) {
    SettingsStore store;
    ScopedConfigHome first;
    store.save("Settings", "MainLeft", "1500");
    {
        ScopedConfigHome second;
        EXPECT_FALSE(store.contains("Settings", "MainLeft"));
        EXPECT_EQ(store.get("Settings", "MainLeft", "1000"), "1000");
    }
    EXPECT_EQ(store.get("Settings", "MainLeft"), "1500");
}

TEST(SettingsStore, WriteThatCannotBeMadeRaisesNamingTheFile) {
    ScopedConfigHome scratch;
    const QString blocker = scratch.scratch() + "/blocker";
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    ScopedConfigHome home(blocker + "/config");  // below a regular file: the folder cannot be made
    SettingsStore store;
    try {
        store.save("Settings", "MainLeft", "1500");
        FAIL() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.description(), "The setting Settings/MainLeft was not saved: the settings file '" +
                                       blocker.toStdString() + "/config/Tervalo/Tervalo.ini' cannot be written.");
    }
    EXPECT_FALSE(store.contains("Settings", "MainLeft"));
}
