#include "shell/sysinfo/DetachedProgramStarter.h"

#include <QProcess>

namespace tervalo::shell {

bool DetachedProgramStarter::start(const QString& path) { return QProcess::startDetached(path, {}); }

}  // namespace tervalo::shell
