#pragma once
// Starts a program without arguments, detached: it outlives this program and
// opens its own window.
#include "shell/sysinfo/SysInfoLauncher.h"

namespace tervalo::shell {

class DetachedProgramStarter : public ProgramStarter {
public:
    bool start(const QString& path) override;
};

}  // namespace tervalo::shell
