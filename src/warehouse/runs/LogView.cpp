#include "warehouse/runs/LogView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <limits>

namespace tervalo::warehouse {

namespace {

// How near the window's edge the view may come before the window moves.
constexpr qint64 kEdgeLines = LogView::kWindowLines / 8;
// A first line past any log's end: the window holds the log's last lines.
constexpr qint64 kPastTheEnd = std::numeric_limits<qint64>::max();

// A place in the log: its line and the column in it.
struct Place {
    qint64 line = 0;
    int column = 0;
};

}  // namespace

LogView::LogView(QWidget* parent) : QWidget(parent), m_log(std::make_shared<jobs::LogFile>()) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_box = new QPlainTextEdit(this);
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("LogScrollBar"));
    m_scroll->hide();
    layout->addWidget(m_box, 1);
    layout->addWidget(m_scroll);
    setFocusProxy(m_box);
    m_box->installEventFilter(this);
    m_box->viewport()->installEventFilter(this);
    // The box scrolls its view without a word from its scroll bar.
    connect(m_box, &QPlainTextEdit::updateRequest, this, [this](const QRect&, int dy) {
        if (dy != 0) onBoxScrolled();
    });
    connect(m_scroll, &QScrollBar::valueChanged, this, &LogView::onLogScrolled);
}

QString LogView::shown(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u' ');
    text.replace(QChar::ParagraphSeparator, u' ');
    return text;
}

void LogView::setLog(std::shared_ptr<jobs::LogFile> log) {
    m_log = std::move(log);
    m_box->clear();
    m_first = 0;
    m_held = 1;
    hold(0);
}

void LogView::hold(qint64 first) {
    QTextDocument* doc = m_box->document();
    auto placeOf = [&](int position) {
        const QTextBlock block = doc->findBlock(position);
        return Place{m_first + block.blockNumber(), position - block.position()};
    };
    const QTextCursor cursor = m_box->textCursor();
    const Place anchor = placeOf(cursor.anchor());
    const Place position = placeOf(cursor.position());

    m_total = m_log->lineCount();
    first = std::clamp<qint64>(first, 0, std::max<qint64>(0, m_total - kWindowLines));
    m_held = std::min(kWindowLines, m_total - first);
    m_syncing = true;
    m_box->setPlainText(shown(m_log->lines(first, m_held)));
    m_first = first;

    auto positionOf = [&](const Place& place) {
        if (place.line < m_first || place.line >= m_first + m_held) return -1;
        const QTextBlock block = doc->findBlockByNumber(int(place.line - m_first));
        return block.position() + std::min(place.column, block.length() - 1);
    };
    const int to = positionOf(position);
    if (to >= 0) {
        QTextCursor kept(doc);
        const int from = positionOf(anchor);
        kept.setPosition(from >= 0 ? from : to);
        kept.setPosition(to, QTextCursor::KeepAnchor);
        m_box->setTextCursor(kept);
    }
    m_syncing = false;
    updateScrollBar();
}

qint64 LogView::topLine() const {
    const QTextBlock block = m_box->document()->findBlockByLineNumber(m_box->verticalScrollBar()->value());
    return m_first + std::max(0, block.blockNumber());
}

int LogView::visibleLines() const {
    return std::max(1, m_box->viewport()->height() / std::max(1, m_box->fontMetrics().lineSpacing()));
}

void LogView::scrollTo(qint64 line) {
    const QTextBlock block =
        m_box->document()->findBlockByNumber(int(std::clamp<qint64>(line - m_first, 0, m_held - 1)));
    m_syncing = true;
    m_box->verticalScrollBar()->setValue(block.firstLineNumber());
    m_syncing = false;
    updateScrollBar();
}

void LogView::atEnd() {
    m_syncing = true;
    m_box->verticalScrollBar()->setValue(m_box->verticalScrollBar()->maximum());
    m_syncing = false;
}

// The job goes on writing while the box reads: the window's figures are of
// the count its lines were read at, never of a later one.
void LogView::refresh() {
    const qint64 total = m_log->lineCount();
    const bool following = topLine() + visibleLines() >= m_total;
    const qint64 added = total - m_total;
    const bool reachesEnd = m_first + m_held == m_total;
    if (following && m_held + added > kMostLines) {
        // More has come than the window holds: it holds the last lines.
        hold(kPastTheEnd);
    } else {
        if (reachesEnd && m_held + added <= kMostLines) {
            // The window takes the new lines, and its last line again, which may
            // have grown. A view kept elsewhere in a long log leaves the window as it is.
            QTextCursor last(m_box->document());
            last.movePosition(QTextCursor::End);
            last.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
            m_syncing = true;
            last.insertText(shown(m_log->lines(m_total - 1, added + 1)));
            m_syncing = false;
            m_held += added;
        }
        m_total = total;
    }
    if (following) atEnd();
    updateScrollBar();
}

void LogView::onBoxScrolled() {
    if (m_syncing) return;
    updateScrollBar();
    if (m_held == m_total) return;
    const qint64 top = topLine();
    const bool nearStart = top - m_first < kEdgeLines && m_first > 0;
    const bool nearEnd = top + visibleLines() > m_first + m_held - kEdgeLines && m_first + m_held < m_total;
    // The window moves once the box is done with the scroll that brought it here.
    if (nearStart || nearEnd) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const qint64 line = topLine();
                hold(line - kWindowLines / 2);
                scrollTo(line);
            },
            Qt::QueuedConnection);
    }
}

void LogView::onLogScrolled(int line) {
    if (m_syncing) return;
    if (line < m_first || line + visibleLines() > m_first + m_held) hold(line - kWindowLines / 2);
    scrollTo(line);
}

void LogView::updateScrollBar() {
    const bool windowed = m_held < m_total;
    m_box->setVerticalScrollBarPolicy(windowed ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    m_scroll->setVisible(windowed);
    if (!windowed) return;
    const int page = visibleLines();
    m_syncing = true;
    m_scroll->setRange(0, int(std::max<qint64>(0, m_total - page)));
    m_scroll->setPageStep(page);
    m_scroll->setSingleStep(1);
    m_scroll->setValue(int(topLine()));
    m_syncing = false;
}

// Ctrl+Home and Ctrl+End reach the log's first and last lines: the window
// moves there before the box moves its cursor.
bool LogView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box && event->type() == QEvent::KeyPress && m_held < m_total) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            if (key->key() == Qt::Key_Home && m_first > 0) hold(0);
            if (key->key() == Qt::Key_End && m_first + m_held < m_total) hold(kPastTheEnd);
        }
    } else if (watched == m_box->viewport() && event->type() == QEvent::Resize) {
        updateScrollBar();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tervalo::warehouse
