#include "platform/AppSettings.h"

#include <cmath>
#include <string>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "platform/SettingsStore.h"

namespace tervalo::platform {

namespace {

const QString kDataSourceSection = QStringLiteral("DataSource");
const QString kDataSourceKey = QStringLiteral("Name");
const QString kDataTypeKey = QStringLiteral("DataType");
const QString kDataPathKey = QStringLiteral("DataPath");
const QString kSettingsSection = QStringLiteral("Settings");

const QString kDatabaseSection = QStringLiteral("Database");

struct UpdateTargetKey {
    const char* key;
    QString AppSettings::UpdateTarget::*field;
};
const UpdateTargetKey kUpdateTargetKeys[] = {
    {"CnnString", &AppSettings::UpdateTarget::cnnString},
    {"Table", &AppSettings::UpdateTarget::table},
    {"ReorderLevel", &AppSettings::UpdateTarget::reorderLevel},
    {"UnitsToOrder", &AppSettings::UpdateTarget::unitsToOrder},
    {"ItemID", &AppSettings::UpdateTarget::itemId},
    {"ReorderLevelDataType", &AppSettings::UpdateTarget::reorderLevelDataType},
    {"UnitsToOrderDataType", &AppSettings::UpdateTarget::unitsToOrderDataType},
    {"ItemIDDataType", &AppSettings::UpdateTarget::itemIdDataType},
};

constexpr double kLargestPlacement = 1.0e8;  // twips; larger values are garbage

struct PlacementKey {
    const char* key;
    float AppSettings::MainPlacement::*field;
};
constexpr PlacementKey kPlacementKeys[] = {
    {"MainLeft", &AppSettings::MainPlacement::left},
    {"MainTop", &AppSettings::MainPlacement::top},
    {"MainWidth", &AppSettings::MainPlacement::width},
    {"MainHeight", &AppSettings::MainPlacement::height},
};

float placementValue(const std::string& text, float def) {
    try {
        if (!core::isNumber(text)) return def;
        const double value = core::leadingNumber(text);
        return std::fabs(value) <= kLargestPlacement ? core::toSingle(value) : def;
    } catch (const core::RuntimeError&) {
        return def;
    }
}

}  // namespace

QString AppSettings::dataSourceName() const {
    const QString name = m_store.get(kDataSourceSection, kDataSourceKey);
    return name.isEmpty() ? kDefaultDataSource : name;
}

void AppSettings::setDataSourceName(const QString& fileName) {
    m_store.save(kDataSourceSection, kDataSourceKey, fileName);
}

QString AppSettings::dataSourceType() const { return m_store.get(kDataSourceSection, kDataTypeKey); }

void AppSettings::setDataSourceType(const QString& dataType) {
    m_store.save(kDataSourceSection, kDataTypeKey, dataType);
}

QString AppSettings::dataSourcePath() const { return m_store.get(kDataSourceSection, kDataPathKey); }

void AppSettings::setDataSourcePath(const QString& folder) { m_store.save(kDataSourceSection, kDataPathKey, folder); }

AppSettings::MainPlacement AppSettings::mainPlacement(const MainPlacement& defaults) const {
    MainPlacement placement = defaults;
    for (const PlacementKey& k : kPlacementKeys) {
        const QString text = m_store.get(kSettingsSection, QString::fromLatin1(k.key));
        placement.*k.field = placementValue(text.toStdString(), defaults.*k.field);
    }
    return placement;
}

void AppSettings::saveMainPlacement(const MainPlacement& placement) {
    for (const PlacementKey& k : kPlacementKeys)
        m_store.save(kSettingsSection, QString::fromLatin1(k.key),
                     QString::fromStdString(core::generalText(placement.*k.field)));
}

AppSettings::UpdateTarget AppSettings::updateTarget() const {
    UpdateTarget target;
    for (const UpdateTargetKey& k : kUpdateTargetKeys)
        target.*k.field = m_store.get(kDatabaseSection, QString::fromLatin1(k.key));
    return target;
}

void AppSettings::saveUpdateTarget(const UpdateTarget& target) {
    m_store.keepPrivate();
    for (const UpdateTargetKey& k : kUpdateTargetKeys)
        m_store.save(kDatabaseSection, QString::fromLatin1(k.key), target.*k.field);
}

}  // namespace tervalo::platform
