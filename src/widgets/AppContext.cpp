#include "widgets/AppContext.h"

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

}  // namespace tervalo::widgets
