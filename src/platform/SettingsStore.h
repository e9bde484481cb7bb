#pragma once
// The per-user settings store: application "Tervalo", one group per section,
// in $XDG_CONFIG_HOME/Tervalo/Tervalo.ini (~/.config when unset; tests point
// XDG_CONFIG_HOME at a temporary folder).
#include <QString>

namespace tervalo::platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `def` when the key is missing.
    virtual QString get(const QString& section, const QString& key, const QString& def = QString()) const;
    // Writes the value to the file at once. Throws core::RuntimeError naming the
    // file when it cannot be written (its folder cannot be made, no permission,
    // a file that is not in settings format).
    virtual void save(const QString& section, const QString& key, const QString& value);
    virtual bool contains(const QString& section, const QString& key) const;
    // Makes the settings file readable and writable by its owner alone (mode
    // 0600), creating it and its folder when missing, so that a value written
    // afterwards (a connection string with its password) is never readable by
    // others. Writes keep the mode. Throws core::RuntimeError naming the file
    // when it cannot.
    virtual void keepPrivate();

    // The settings file as the environment names it now.
    static QString fileName();
};

}  // namespace tervalo::platform
