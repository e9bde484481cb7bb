#include "shell/sysinfo/PathSysInfoLookup.h"

#include <QStandardPaths>

namespace tervalo::shell {

QStringList PathSysInfoLookup::knownPrograms() {
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor"), QStringLiteral("xfce4-taskmanager")};
}

PathSysInfoLookup::PathSysInfoLookup(QStringList programs, QStringList folders)
    : m_programs(std::move(programs)), m_folders(std::move(folders)) {}

std::optional<QString> PathSysInfoLookup::programPath() const {
    // The list's order decides, not the order of the folders.
    for (const QString& program : m_programs) {
        const QString path = QStandardPaths::findExecutable(program, m_folders);
        if (!path.isEmpty()) return path;
    }
    return std::nullopt;
}

}  // namespace tervalo::shell
