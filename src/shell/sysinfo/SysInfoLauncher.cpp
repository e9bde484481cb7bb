#include "shell/sysinfo/SysInfoLauncher.h"

#include <QDir>
#include <QFileInfo>

#include "shell/sysinfo/DetachedProgramStarter.h"
#include "shell/sysinfo/PathSysInfoLookup.h"

namespace tervalo::shell {

SysInfoLauncher::SysInfoLauncher(std::unique_ptr<SysInfoLookup> lookup, std::unique_ptr<ProgramStarter> starter)
    : m_lookup(std::move(lookup)), m_starter(std::move(starter)) {}

SysInfoLauncher SysInfoLauncher::forThisSystem() {
    return SysInfoLauncher(std::make_unique<PathSysInfoLookup>(), std::make_unique<DetachedProgramStarter>());
}

bool SysInfoLauncher::start() {
    // A known path is final: when its start fails, the folder is not tried.
    if (const std::optional<QString> path = m_lookup->programPath()) return m_starter->start(*path);
    if (const std::optional<QString> folder = m_lookup->programFolder()) {
        const QString file = QDir(*folder).filePath(m_lookup->programFileName());
        if (!m_lookup->programFileName().isEmpty() && QFileInfo(file).isFile()) return m_starter->start(file);
    }
    return false;
}

}  // namespace tervalo::shell
