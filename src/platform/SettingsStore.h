#pragma once
// The per-user settings store: application "Tervalo", one group per section.
// Lives under $XDG_CONFIG_HOME/Tervalo/Tervalo.conf (tests point XDG_CONFIG_HOME
// at a temporary folder).
#include <QString>

namespace tervalo::platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `def` when the key is missing.
    virtual QString get(const QString& section, const QString& key, const QString& def = QString()) const;
    virtual void save(const QString& section, const QString& key, const QString& value);
    virtual bool contains(const QString& section, const QString& key) const;
};

}  // namespace tervalo::platform
