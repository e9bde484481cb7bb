#include "shell/StartingWindow.h"

#include <QFont>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPalette>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/WindowId.h"

namespace tervalo::shell {

namespace {

// Wide enough for the longest guidance text to wrap into some twenty lines.
constexpr int kTextWidth = 360;
constexpr int kBandHeight = 6;

}  // namespace

StartingWindow::StartingWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(widgets::formName(widgets::WindowId::Starting));
    setWindowTitle(QStringLiteral("Switch Board"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    background.setColor(QPalette::WindowText, Qt::black);
    setPalette(background);

    m_label1 = new QLabel(designedTitle(), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setTextFormat(Qt::PlainText);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    m_label1->setFont(titleFont);
    QPalette titleColour = m_label1->palette();
    titleColour.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    m_label1->setPalette(titleColour);

    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setFixedHeight(kBandHeight);
    m_label3->setAutoFillBackground(true);
    QPalette band = m_label3->palette();
    band.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    m_label3->setPalette(band);

    m_lblHelp = new QLabel(this);
    m_lblHelp->setObjectName(QStringLiteral("lblHelp"));
    m_lblHelp->setTextFormat(Qt::PlainText);
    m_lblHelp->setWordWrap(true);
    m_lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblHelp->setMinimumWidth(kTextWidth);
    m_lblHelp->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 12);
    layout->addWidget(m_label1);
    layout->addWidget(m_label3);
    layout->addSpacing(6);
    layout->addWidget(m_lblHelp, 1);
}

void StartingWindow::setTitle(const QString& title) { m_label1->setText(title); }
void StartingWindow::setHelp(const QString& text) { m_lblHelp->setText(text); }
QString StartingWindow::title() const { return m_label1->text(); }
QString StartingWindow::help() const { return m_lblHelp->text(); }

void StartingWindow::reserveFor(const QStringList& texts, const QStringList& titles) {
    // Wide enough for the longest title on one line; the texts wrap at that width.
    int width = kTextWidth;
    for (const QString& title : titles)
        width = std::max(width, m_label1->fontMetrics().horizontalAdvance(title));
    m_label1->setMinimumWidth(width);
    int height = 0;
    for (const QString& text : texts)
        height = std::max(
            height, m_lblHelp->fontMetrics().boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, text).height());
    m_lblHelp->setMinimumHeight(height);
    adjustSize();
    if (QWidget* frame = parentWidget()) frame->adjustSize();
}

QMdiSubWindow* StartingWindow::addTo(QMdiArea* area) {
    // No frame, so no title bar and no close button: the board stays for the whole run.
    QMdiSubWindow* sub = area->addSubWindow(this, Qt::FramelessWindowHint);
    sub->setObjectName(QStringLiteral("frmStartingFrame"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setSystemMenu(nullptr);
    sub->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::NoFocus);
    sub->move(0, 0);
    // The board stays at the back: it never becomes the active child window,
    // so it neither comes to the front when another closes, nor is maximised
    // along with a maximised child, nor holds the focus (and Tab). Queued: the
    // area first finishes activating (and raising) the window it chose.
    connect(
        area, &QMdiArea::subWindowActivated, sub,
        [area, sub] {
            if (area->activeSubWindow() == sub) area->setActiveSubWindow(topmostOther(area, sub));
            if (sub->hasFocus()) sub->clearFocus();
            sub->lower();
        },
        Qt::QueuedConnection);
    connect(sub, &QMdiSubWindow::windowStateChanged, sub, [sub](Qt::WindowStates, Qt::WindowStates now) {
        if (now & (Qt::WindowMaximized | Qt::WindowMinimized)) sub->showNormal();
    });
    return sub;
}

QMdiSubWindow* StartingWindow::topmostOther(const QMdiArea* area, const QMdiSubWindow* board) {
    const QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.crbegin(); it != stack.crend(); ++it)
        if (*it != board && (*it)->isVisible() && !(*it)->isMinimized()) return *it;
    return nullptr;
}

}  // namespace tervalo::shell
