#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "core/RuntimeError.h"

namespace tervalo::platform {

namespace {

// The file is named here rather than by QSettings' application form, which
// looks the folder up once per run: this way the store follows XDG_CONFIG_HOME
// as it is now, and it is the same file QSettings would use.
QSettings open() { return QSettings(SettingsStore::fileName(), QSettings::IniFormat); }

QString reason(QSettings::Status status) {
    return status == QSettings::FormatError ? QStringLiteral("is not a settings file")
                                            : QStringLiteral("cannot be written");
}

}  // namespace

QString SettingsStore::fileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tervalo/Tervalo.ini");
}

QString SettingsStore::get(const QString& section, const QString& key, const QString& def) const {
    return open().value(section + "/" + key, def).toString();
}

void SettingsStore::save(const QString& section, const QString& key, const QString& value) {
    QSettings s = open();
    s.setValue(section + "/" + key, value);
    s.sync();
    if (s.status() == QSettings::NoError) return;
    const QString message = QStringLiteral("The setting %1/%2 was not saved: the settings file '%3' %4.")
                                .arg(section, key, s.fileName(), reason(s.status()));
    throw core::RuntimeError(core::ErrorCode::Other, message.toStdString());
}

void SettingsStore::keepPrivate() {
    const QString name = fileName();
    constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile file(name);
    const bool made = QDir().mkpath(QFileInfo(name).absolutePath()) &&
                      (file.exists() || file.open(QIODevice::WriteOnly | QIODevice::Append, kOwnerOnly));
    file.close();
    if (made && file.setPermissions(kOwnerOnly)) return;
    const QString message = QStringLiteral("The settings file '%1' cannot be made private to its owner.").arg(name);
    throw core::RuntimeError(core::ErrorCode::Other, message.toStdString());
}

bool SettingsStore::contains(const QString& section, const QString& key) const {
    return open().contains(section + "/" + key);
}

}  // namespace tervalo::platform
