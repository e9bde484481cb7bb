#pragma once
// The About window's System Info button: the system-information program is
// looked up and started through two small interfaces, so a test needs no real
// program. start() takes three steps, and the first that applies decides:
//   1. the lookup knows the program's full path: start it;
//   2. the lookup knows a folder and that folder holds the program's file:
//      start that file;
//   3. nothing found, or the start failed: false (the window says the
//      program is unavailable).
// On Linux step 1 is the first known system-information program on PATH and
// step 2 knows no folder.
#include <QString>
#include <memory>
#include <optional>

namespace tervalo::shell {

// Where the system-information program is.
class SysInfoLookup {
public:
    virtual ~SysInfoLookup() = default;
    // The program's full path, when one is known.
    virtual std::optional<QString> programPath() const = 0;
    // A folder meant to hold the program as programFileName(), when one is known.
    virtual std::optional<QString> programFolder() const = 0;
    virtual QString programFileName() const = 0;
};

// Starts a program by path, detached from this one.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // True when the program started.
    virtual bool start(const QString& path) = 0;
};

class SysInfoLauncher {
public:
    SysInfoLauncher(std::unique_ptr<SysInfoLookup> lookup, std::unique_ptr<ProgramStarter> starter);
    // The programs on PATH, started detached.
    static SysInfoLauncher forThisSystem();

    // The three steps above; true when a program started.
    bool start();

private:
    std::unique_ptr<SysInfoLookup> m_lookup;
    std::unique_ptr<ProgramStarter> m_starter;
};

}  // namespace tervalo::shell
