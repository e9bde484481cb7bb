#include "shell/HelpWindow.h"

#include <QAction>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/WindowId.h"

// The help pages are compiled into a static library: referencing its resource
// initialiser keeps them from being dropped at link time. (Outside any namespace.)
static void initHelpResources() { Q_INIT_RESOURCE(resources); }

namespace tervalo::shell {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    initHelpResources();
    setObjectName(widgets::formName(widgets::WindowId::Help));
    setWindowTitle(QStringLiteral("Tervalo Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenLinks(true);

    // Alt+Left goes back wherever the focus is in the window, as in a web browser.
    m_back = new QAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Back"), this);
    m_back->setObjectName(QStringLiteral("actBack"));
    m_back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_back->setToolTip(QStringLiteral("Back (Alt+Left)"));
    m_back->setEnabled(false);
    auto* back = new QToolButton(this);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back->setDefaultAction(m_back);
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("tbrHelp"));
    toolbar->addWidget(back);

    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(m_browser);
    resize(640, 560);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::onTxtHelpSourceChanged);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
}

void HelpWindow::showPage(const QString& file) {
    m_browser->setSource(file.startsWith(':') ? QUrl(QStringLiteral("qrc") + file) : QUrl::fromLocalFile(file));
}

void HelpWindow::onTxtHelpSourceChanged() {
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tervalo Help") : QStringLiteral("Tervalo Help - ") + title);
}

}  // namespace tervalo::shell
