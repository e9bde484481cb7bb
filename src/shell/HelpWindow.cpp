#include "shell/HelpWindow.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The help pages are compiled into a static library: referencing its resource
// initialiser keeps them from being dropped at link time. (Outside any namespace.)
static void initHelpResources() { Q_INIT_RESOURCE(resources); }

namespace tervalo::shell {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    initHelpResources();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Tervalo Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(560, 480);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::onTxtHelpSourceChanged);
}

void HelpWindow::showPage(const QString& file) {
    m_browser->setSource(file.startsWith(':') ? QUrl(QStringLiteral("qrc") + file) : QUrl::fromLocalFile(file));
}

void HelpWindow::onTxtHelpSourceChanged() {
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tervalo Help") : QStringLiteral("Tervalo Help - ") + title);
}

}  // namespace tervalo::shell
