#pragma once
// The program's own settings by name: the one place that knows their sections,
// keys and defaults. Reads and writes go through the settings store; a failed
// write raises core::RuntimeError naming the settings file.
#include <QString>

namespace tervalo::platform {

class SettingsStore;

class AppSettings {
public:
    // The main window's frame in twips: the position of its frame, the size of
    // its inside.
    struct MainPlacement {
        float left, top, width, height;
        bool operator==(const MainPlacement&) const = default;
    };
    static constexpr MainPlacement kDefaultMainPlacement{1000, 1000, 6500, 6500};
    static inline const QString kDefaultDataSource = QStringLiteral("Demo.mdb");

    // The write-back target ("Database" section), as stored: every value a
    // text, empty when missing.
    struct UpdateTarget {
        QString cnnString;             // "CnnString"
        QString table;                 // "Table"
        QString reorderLevel;          // "ReorderLevel"
        QString unitsToOrder;          // "UnitsToOrder"
        QString itemId;                // "ItemID"
        QString reorderLevelDataType;  // "ReorderLevelDataType"
        QString unitsToOrderDataType;  // "UnitsToOrderDataType"
        QString itemIdDataType;        // "ItemIDDataType"
        bool operator==(const UpdateTarget&) const = default;
    };

    explicit AppSettings(SettingsStore& store) : m_store(store) {}

    // The database file opened at start ("DataSource"/"Name"); "Demo.mdb" when
    // the setting is empty or missing.
    QString dataSourceName() const;
    void setDataSourceName(const QString& fileName);

    // The data source dialog's last choice: "DataSource"/"DataType" ("TextFile",
    // "dBaseFile", "ExcelFile" or "OtherFile") and "DataSource"/"DataPath" (the
    // folder of the import files). Neither has a default: never saved reads "".
    QString dataSourceType() const;
    void setDataSourceType(const QString& dataType);
    QString dataSourcePath() const;
    void setDataSourcePath(const QString& folder);

    // "Settings"/"MainLeft", "MainTop", "MainWidth", "MainHeight". A missing
    // value, one that is not a number as a whole, or one whose magnitude is above
    // 1e8 twips, gives that key's value in `defaults` rather than leaving the
    // window unplaced.
    MainPlacement mainPlacement(const MainPlacement& defaults = kDefaultMainPlacement) const;
    // Writes the four values in general number text ("1500", "-300", "9750.5").
    void saveMainPlacement(const MainPlacement& placement);

    UpdateTarget updateTarget() const;
    // Writes the eight keys in the order above. The connection string may hold
    // a password, so the settings file is made private to its owner first.
    void saveUpdateTarget(const UpdateTarget& target);

private:
    SettingsStore& m_store;
};

}  // namespace tervalo::platform
