#pragma once
// frmAbout, "About this program": the program's icon, title, version (as on
// the splash window), description and a legal notice, with OK and System
// Info. Shown modal, owned by the main window (Help > About); OK unloads it.
// System Info starts the system-information program, or says that none is
// available and leaves the window open.
#include <QDialog>

#include "shell/sysinfo/SysInfoLauncher.h"

class QLabel;
class QPushButton;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::shell {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(widgets::AppContext& ctx, QWidget* parent = nullptr,
                SysInfoLauncher sysInfo = SysInfoLauncher::forThisSystem());

    // Starts the system-information program; none found, or its start failed:
    // "System Information Is Unavailable At This Time", no icon.
    void startSysInfo();

private slots:
    void onCmdOkClicked();
    void onCmdSysInfoClicked();

private:
    widgets::AppContext& m_ctx;
    SysInfoLauncher m_sysInfo;
};

}  // namespace tervalo::shell
