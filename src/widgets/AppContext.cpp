#include "widgets/AppContext.h"

#include "platform/Beeper.h"
#include "widgets/LauncherPanel.h"

namespace tervalo::widgets {

namespace {

class NoPanel : public LauncherPanel {
public:
    int currentTab() const override { return 0; }
    QWidget* button(const QString&, int) const override { return nullptr; }
};

}  // namespace

LauncherPanel& AppContext::panel() const {
    static NoPanel none;
    return m_panel ? *m_panel : none;
}

platform::Beeper& AppContext::beeper() const {
    static platform::Beeper system;
    return m_beeper ? *m_beeper : system;
}

}  // namespace tervalo::widgets
