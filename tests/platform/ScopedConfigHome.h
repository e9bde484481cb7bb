#pragma once
// Points XDG_CONFIG_HOME somewhere else for one test and puts it back after.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

namespace tervalo::platform::test {

class ScopedConfigHome {
public:
    // A fresh, empty settings folder.
    ScopedConfigHome() : ScopedConfigHome(QString()) {}
    // The given folder; it need not exist (or be possible to make).
    explicit ScopedConfigHome(const QString& folder) {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) m_old = QByteArray(old);
        const QString home = folder.isEmpty() ? m_dir.path() : folder;
        setenv("XDG_CONFIG_HOME", home.toLocal8Bit().constData(), 1);
    }
    ~ScopedConfigHome() {
        if (m_old)
            setenv("XDG_CONFIG_HOME", m_old->constData(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

    // A folder for the test's own files, removed afterwards.
    QString scratch() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    std::optional<QByteArray> m_old;
};

}  // namespace tervalo::platform::test
