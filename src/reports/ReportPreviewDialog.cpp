#include "reports/ReportPreviewDialog.h"

#include <QActionGroup>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "reports/ReportPageView.h"

namespace tervalo::reports {

namespace {

// A page readable at a glance, where the screen has room for it.
const QSize kWanted(900, 1000);
constexpr double kZoomStep = 1.25;

// The platform's icon of that name, else Qt's own print-preview icon, else
// none (the button shows its text).
QIcon previewIcon(const QString& name, const QString& qtName) {
    QIcon icon = QIcon::fromTheme(name);
    if (!icon.isNull()) return icon;
    const QString images = QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/") + qtName;
    for (const int size : {24, 32})
        if (const QString file = images + QStringLiteral("-%1.png").arg(size); QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    return icon;
}

}  // namespace

ReportPreviewDialog::ReportPreviewDialog(LayoutId layout, ReportDocument document, Print print, const QWidget* near)
    : QDialog(nullptr), m_layout(layout), m_document(std::move(document)), m_print(std::move(print)) {
    setObjectName(QStringLiteral("ReportPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(m_document.windowCaption);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    m_view = new ReportPageView(m_document, this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildToolBar());
    column->addWidget(m_view, 1);
    m_view->setFocus();
    placeOn(near);
}

int ReportPreviewDialog::pagesPainted() const { return m_view->pagesPainted(); }

QToolBar* ReportPreviewDialog::buildToolBar() {
    auto* bar = new QToolBar(this);
    // Each action with its icon's name in the platform's theme and in Qt's own preview.
    const auto add = [this, bar](const char* name, const QString& text, const char* themed, const char* qtName,
                                 auto onTriggered) {
        QAction* action = bar->addAction(previewIcon(QLatin1String(themed), QLatin1String(qtName)), text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, onTriggered);
        return action;
    };
    add("actPrint", QStringLiteral("Print"), "document-print", "printer", [this] { m_print(this, m_document); });
    bar->addSeparator();
    auto* fits = new QActionGroup(this);
    fits->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* fit : {add("actFitWidth", QStringLiteral("Fit width"), "zoom-fit-width", "zoom-fit-width",
                             [this] { m_view->setFit(ReportPageView::Fit::Width); }),
                         add("actFitPage", QStringLiteral("Fit page"), "zoom-fit-best", "zoom-fit-page",
                             [this] { m_view->setFit(ReportPageView::Fit::Page); })}) {
        fit->setCheckable(true);
        fits->addAction(fit);
    }
    fits->actions().constLast()->setChecked(true);
    const auto unfit = [fits] {
        if (QAction* checked = fits->checkedAction()) checked->setChecked(false);
    };
    add("actZoomOut", QStringLiteral("Zoom out"), "zoom-out", "zoom-out", [this, unfit] {
        unfit();
        m_view->zoomBy(1 / kZoomStep);
    })->setShortcut(QKeySequence::ZoomOut);
    add("actZoomIn", QStringLiteral("Zoom in"), "zoom-in", "zoom-in", [this, unfit] {
        unfit();
        m_view->zoomBy(kZoomStep);
    })->setShortcut(QKeySequence::ZoomIn);
    bar->addSeparator();
    add("actFirstPage", QStringLiteral("First page"), "go-first", "go-first", [this] { m_view->goToPage(0); });
    add("actPreviousPage", QStringLiteral("Previous page"), "go-previous", "go-previous",
        [this] { m_view->goToPage(m_view->currentPage() - 1); });
    m_page = new QSpinBox(bar);
    m_page->setObjectName(QStringLiteral("spnPage"));
    m_page->setAccessibleName(QStringLiteral("Page"));
    m_page->setRange(1, std::max(1, m_view->pageCount()));
    m_page->setKeyboardTracking(false);
    bar->addWidget(m_page);
    bar->addWidget(new QLabel(QStringLiteral(" of %1 ").arg(m_view->pageCount()), bar));
    add("actNextPage", QStringLiteral("Next page"), "go-next", "go-next",
        [this] { m_view->goToPage(m_view->currentPage() + 1); });
    add("actLastPage", QStringLiteral("Last page"), "go-last", "go-last",
        [this] { m_view->goToPage(m_view->pageCount() - 1); });
    connect(m_page, &QSpinBox::valueChanged, this, [this](int page) { m_view->goToPage(page - 1); });
    connect(m_view, &ReportPageView::currentPageChanged, this, [this](int page) {
        const QSignalBlocker quiet(m_page);
        m_page->setValue(page + 1);
    });
    return bar;
}

void ReportPreviewDialog::placeOn(const QWidget* near) {
    QScreen* screen = near && near->screen() ? near->screen() : QGuiApplication::primaryScreen();
    if (!screen) return resize(kWanted);
    setScreen(screen);
    // The window manager's frame is not known before the window is shown:
    // leave room for a title bar and thin borders.
    const int border = 4;
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QRect room = screen->availableGeometry();
    const QSize size = kWanted.boundedTo(room.size() - QSize(2 * border, title + 2 * border));
    resize(size);
    move(room.left() + (room.width() - size.width() - 2 * border) / 2,
         room.top() + (room.height() - size.height() - title - 2 * border) / 2);
}

}  // namespace tervalo::reports
