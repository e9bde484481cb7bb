#pragma once
// Colours a model window's launcher button on the main window's left panel
// while the window is the active one: the tool-tip background when it becomes
// active, the button face when it stops being active or closes. The panel's
// shown tab is read at each event, so a button coloured before a tab switch
// keeps its colour while the other tab's button is reset.
#include <QObject>
#include <QPointer>

class QWidget;
class QMdiSubWindow;

namespace tervalo::widgets {
struct AppContext;
}

namespace tervalo::widgets {

class LauncherHighlight : public QObject {
    Q_OBJECT
public:
    // firstTabButton: index in "Command2" (the first tab); otherTabButton: index
    // in "Command1", of the context's panel as it is at each event.
    LauncherHighlight(QWidget* window, const AppContext& ctx, int firstTabButton, int otherTabButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colour(bool active);
    void watchSubWindow();

    QWidget* m_window;
    const AppContext& m_ctx;
    int m_firstTabButton;
    int m_otherTabButton;
    QPointer<QMdiSubWindow> m_subWindow;
};

}  // namespace tervalo::widgets
