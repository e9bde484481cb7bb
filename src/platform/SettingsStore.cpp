#include "platform/SettingsStore.h"

#include <QSettings>

namespace tervalo::platform {

QString SettingsStore::get(const QString& section, const QString& key, const QString& def) const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "Tervalo", "Tervalo");
    return s.value(section + "/" + key, def).toString();
}

void SettingsStore::save(const QString& section, const QString& key, const QString& value) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "Tervalo", "Tervalo");
    s.setValue(section + "/" + key, value);
    s.sync();
}

bool SettingsStore::contains(const QString& section, const QString& key) const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, "Tervalo", "Tervalo");
    return s.contains(section + "/" + key);
}

}  // namespace tervalo::platform
