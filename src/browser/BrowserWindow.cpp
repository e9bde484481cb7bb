#include "browser/BrowserWindow.h"

#include <unistd.h>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>
#include <QWebEngineView>

#include "rtf/Twips.h"
#include "widgets/WindowId.h"

namespace tervalo::browser {

namespace Twips = rtf::Twips;

const QString BrowserWindow::kCaption = QStringLiteral("Web Browser");
const QString BrowserWindow::kDesignedAddress = QStringLiteral("https://tervalo.example.org/");

namespace {
// Where the address bar's controls sit, in twips.
constexpr int kLeftTwips = 50;
constexpr int kLabelTopTwips = 30;
constexpr int kBelowLabelTwips = 15;
constexpr int kBelowBoxTwips = 60;
constexpr int kTimerMs = 5;
}  // namespace

BrowserWindow::BrowserWindow(widgets::AppContext&, QWidget* parent) : QWidget(parent) {
    setObjectName(widgets::formName(widgets::WindowId::Browser));
    setWindowTitle(kCaption);

    // Controls at fixed places, as the window lays them out on every resize.
    m_picAddress = new QWidget(this);
    m_picAddress->setObjectName(QStringLiteral("picAddress"));
    m_lblAddress = new QLabel(QStringLiteral("&Address:"), m_picAddress);
    m_lblAddress->setObjectName(QStringLiteral("lblAddress"));
    m_cboAddress = new QComboBox(m_picAddress);
    m_cboAddress->setObjectName(QStringLiteral("cboAddress"));
    m_cboAddress->setEditable(true);
    // Enter navigates, it does not add the text to the list.
    m_cboAddress->setInsertPolicy(QComboBox::NoInsert);
    m_cboAddress->setEditText(kDesignedAddress);
    m_lblAddress->setBuddy(m_cboAddress);
    // The combo box has the focus (its line edit hands the focus on to it), so
    // the keys a user types arrive there first.
    m_cboAddress->installEventFilter(this);

    m_timTimer = new QTimer(this);
    m_timTimer->setObjectName(QStringLiteral("timTimer"));
    m_timTimer->setInterval(kTimerMs);

    connect(m_cboAddress, qOverload<int>(&QComboBox::activated), this, &BrowserWindow::onCboAddressActivated);
    connect(m_timTimer, &QTimer::timeout, this, &BrowserWindow::onTimTimerTimeout);
    resize(kDesignedSize);
}

QUrl BrowserWindow::addressUrl(const QString& text) {
    const QString address = text.trimmed();
    if (address.isEmpty()) return QUrl();
    // "name://..." and the schemes that have no "//" keep their scheme; anything
    // else ("example.org", "/tmp/page.html", "localhost:8080") is read as a user would mean it.
    static const QRegularExpression withScheme(QStringLiteral("^([a-z][a-z0-9+.-]*://|(about|data|mailto):)"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (withScheme.match(address).hasMatch()) return QUrl(address);
    return QUrl::fromUserInput(address);
}

QByteArray BrowserWindow::chromiumFlags(const QByteArray& current, bool root) {
    static const QByteArray noSandbox("--no-sandbox");
    if (!root || current.split(' ').contains(noSandbox)) return current;
    const QByteArray flags = current.trimmed();
    return flags.isEmpty() ? noSandbox : flags + ' ' + noSandbox;
}

void BrowserWindow::prepareProcess() {
    const QByteArray current = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const QByteArray flags = chromiumFlags(current, geteuid() == 0);
    if (flags != current) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

// ---- load and layout -------------------------------------------------------------

void BrowserWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first show is the window's load; showing it again goes nowhere new.
    if (!m_loaded) {
        m_loaded = true;
        formLoad();
    }
}

void BrowserWindow::formLoad() {
    m_browser = new QWebEngineView(this);
    m_browser->setObjectName(QStringLiteral("brwWebBrowser"));
    connect(m_browser, &QWebEngineView::loadStarted, this, [this] { m_busy = true; });
    connect(m_browser, &QWebEngineView::loadFinished, this, &BrowserWindow::onBrwWebBrowserLoadFinished);
    m_browser->show();
    layOut();
    if (m_startingAddress.isEmpty()) return;
    m_cboAddress->setEditText(m_startingAddress);
    m_cboAddress->addItem(m_startingAddress);
    navigateTo(m_startingAddress);
}

void BrowserWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void BrowserWindow::layOut() {
    const int innerWidth = Twips::toTwips(width());
    const int innerHeight = Twips::toTwips(height());
    const int left = Twips::toPixels(kLeftTwips);
    const QSize label = m_lblAddress->sizeHint();
    m_lblAddress->setGeometry(left, Twips::toPixels(kLabelTopTwips), label.width(), label.height());
    // The address box just below its label, as wide as the window less the margin.
    const int boxTop = m_lblAddress->y() + m_lblAddress->height() + Twips::toPixels(kBelowLabelTwips);
    const int boxWidth = Twips::toPixels(std::max(0, innerWidth - kMarginTwips));
    m_cboAddress->setGeometry(left, boxTop, boxWidth, m_cboAddress->sizeHint().height());
    m_picAddress->setGeometry(0, 0, width(),
                              m_cboAddress->y() + m_cboAddress->height() + Twips::toPixels(kBelowBoxTwips));
    if (!m_browser) return;
    const int barBottom = m_picAddress->y() + m_picAddress->height();
    const int browserHeight = innerHeight - Twips::toTwips(barBottom) - kMarginTwips;
    m_browser->setGeometry(0, barBottom, boxWidth, Twips::toPixels(std::max(0, browserHeight)));
}

// ---- navigation --------------------------------------------------------------------

bool BrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_cboAddress && event->type() == QEvent::KeyPress) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const bool enter = press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter;
        if (enter && !(press->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            // Enter navigates to the typed address and nothing else (no list
            // entry, no second navigation through the list's activation).
            navigateTo(m_cboAddress->currentText());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BrowserWindow::onCboAddressActivated(int) { navigateTo(m_cboAddress->currentText()); }

void BrowserWindow::navigateTo(const QString& address) {
    const QUrl url = addressUrl(address);
    if (url.isEmpty() || !m_browser) return;
    // Busy from the request on, so the first tick already shows "Working...".
    m_busy = true;
    m_timTimer->start();
    emit navigating(url);
    m_browser->load(url);
}

void BrowserWindow::onTimTimerTimeout() {
    if (m_busy) {
        setWindowTitle(QStringLiteral("Working..."));
        return;
    }
    m_timTimer->stop();
    setWindowTitle(pageTitle());
}

void BrowserWindow::onBrwWebBrowserLoadFinished(bool) {
    m_busy = false;
    setWindowTitle(pageTitle());
}

QString BrowserWindow::pageTitle() const { return m_browser ? m_browser->title() : QString(); }

}  // namespace tervalo::browser
