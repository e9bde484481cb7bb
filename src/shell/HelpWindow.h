#pragma once
// The program's help: the pages shipped as resources, shown in a browser
// window of their own beside the main window.
#include <QWidget>

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
};

}  // namespace tervalo::shell
