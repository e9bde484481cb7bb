#pragma once
// The program's help: the pages shipped as resources, shown in a browser
// window of their own beside the main window. Back (also Alt+Left) returns to
// the page shown before and is enabled only when there is one; Esc closes the
// window.
#include <QWidget>

class QAction;
class QTextBrowser;

namespace tervalo::shell {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the page (a resource path such as ":/help/index.html").
    void showPage(const QString& file);

private slots:
    void onTxtHelpSourceChanged();

private:
    QTextBrowser* m_browser = nullptr;
    QAction* m_back = nullptr;
};

}  // namespace tervalo::shell
