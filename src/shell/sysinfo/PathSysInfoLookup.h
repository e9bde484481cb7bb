#pragma once
// The system-information program on Linux: the first of a short list of such
// programs that is an executable on PATH (or in the given folders). No folder
// is known, so SysInfoLauncher's second step finds nothing.
#include <QStringList>

#include "shell/sysinfo/SysInfoLauncher.h"

namespace tervalo::shell {

class PathSysInfoLookup : public SysInfoLookup {
public:
    // hardinfo, kinfocenter, gnome-system-monitor, mate-system-monitor, xfce4-taskmanager: in this order.
    static QStringList knownPrograms();

    // An empty `folders` searches PATH.
    explicit PathSysInfoLookup(QStringList programs = knownPrograms(), QStringList folders = {});

    std::optional<QString> programPath() const override;
    std::optional<QString> programFolder() const override { return std::nullopt; }
    QString programFileName() const override { return QString(); }

private:
    QStringList m_programs;
    QStringList m_folders;
};

}  // namespace tervalo::shell
