#include "ScreenshotTour.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::screenshot {

namespace {

constexpr int kStepLimitMs = 30'000;
constexpr int kTourLimitMs = 240'000;
const QString kMain = widgets::formName(widgets::WindowId::Main);
// Long enough for a scene's run to end, its boxes answered on the way.
constexpr int kSceneMs = 4000;

void say(const QString& text) { std::fprintf(stderr, "screenshot: %s\n", qPrintable(text)); }

// Closes a window without the question a modified text would raise.
void closeQuietly(QWidget* w) {
    for (QTextEdit* edit : w->findChildren<QTextEdit*>())
        edit->document()->setModified(false);
    for (QPlainTextEdit* edit : w->findChildren<QPlainTextEdit*>())
        edit->document()->setModified(false);
    w->close();
}

}  // namespace

ScreenshotTour::ScreenshotTour(widgets::AppContext& ctx, const QString& outDir, const QStringList& steps,
                               QObject* parent)
    : QObject(parent), m_ctx(ctx), m_outDir(outDir) {
    for (const QString& step : steps) {
        if (step == QStringLiteral("--keep"))
            m_keep = true;
        else
            m_steps << step;
    }
    m_watchdog = new QTimer(this);
    m_watchdog->setInterval(250);
    connect(m_watchdog, &QTimer::timeout, this, &ScreenshotTour::onWatchdogTimeout);
}

void ScreenshotTour::addScene(const QString& name, std::function<QWidget*()> start) {
    m_scenes.insert(name, std::move(start));
}

// The tour's one use of the window registry: a fresh instance of a registered
// window, shown; nullptr for a name the registry does not know.
QWidget* ScreenshotTour::openWindow(const QString& form) {
    const std::optional<widgets::WindowId> window = widgets::windowIdOf(form);
    if (!window || !m_ctx.registry.isRegistered(*window)) return nullptr;
    return m_ctx.registry.openFresh(*window);
}

void ScreenshotTour::settle(int ms) {
    if (m_ended) return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void ScreenshotTour::grab(QWidget* w, const QString& suffix) {
    if (!w || m_ended) return;
    const QString file = QDir(m_outDir).filePath(m_name + suffix + QStringLiteral(".png"));
    if (!w->grab().save(file)) say(QStringLiteral("cannot write %1").arg(file));
}

// Runs inside whatever event loop is waiting: a modal box's, a dialog's, or the
// tour's own pauses.
void ScreenshotTour::onWatchdogTimeout() {
    if (m_ended || m_answering) return;
    if (m_tourClock.elapsed() > kTourLimitMs)
        return end(1, QStringLiteral("the tour took longer than %1 s").arg(kTourLimitMs / 1000));
    if (m_stepClock.elapsed() > kStepLimitMs)
        return end(1, QStringLiteral("step %1 took longer than %2 s").arg(m_name).arg(kStepLimitMs / 1000));
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
}

void ScreenshotTour::answer(QWidget* modal) {
    m_answering = true;
    // A box that stays open after its answer is answered again, not grabbed again.
    if (modal != m_lastModal) grab(modal, QStringLiteral("_box%1").arg(++m_boxes));
    m_lastModal = modal;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        // No where the box asks, else its cancel, else its only button (OK).
        QAbstractButton* reply = box->button(QMessageBox::No);
        if (!reply) reply = box->escapeButton();
        if (!reply) reply = box->button(QMessageBox::Cancel);
        if (!reply && box->buttons().size() == 1) reply = box->buttons().first();
        say(QStringLiteral("answered \"%1\" with %2")
                .arg(box->text(), reply ? reply->text().remove(QLatin1Char('&')) : QStringLiteral("close")));
        if (reply)
            reply->click();
        else
            box->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        say(QStringLiteral("cancelled the dialog \"%1\"").arg(dialog->windowTitle()));
        dialog->reject();
    } else {
        modal->close();
    }
    m_answering = false;
}

void ScreenshotTour::fillGrid(QAbstractItemView* grid, const QString& values) {
    // Row by row, as a user types them; the grid's model adds a row when the
    // one after its last is typed into.
    QAbstractItemModel* model = grid->model();
    const int columns = model->columnCount();
    const QStringList cells = values.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < cells.size() && columns > 0; ++i) {
        const QModelIndex cell = model->index(i / columns, i % columns);
        if (!cell.isValid() || !model->setData(cell, cells.at(i), Qt::EditRole))
            return say(QStringLiteral("%1 takes no value at row %2").arg(grid->objectName()).arg(i / columns + 1));
    }
}

void ScreenshotTour::act(QWidget* window, const QString& action) {
    QWidget* main = m_ctx.mainWindow;
    if (const qsizetype eq = action.indexOf('='); eq > 0) {
        const QString name = action.left(eq);
        QLineEdit* box = window ? window->findChild<QLineEdit*>(name) : nullptr;
        if (!box && main) box = main->findChild<QLineEdit*>(name);
        auto* grid = !box && window ? window->findChild<QAbstractItemView*>(name) : nullptr;
        if (box)
            box->setText(action.mid(eq + 1));
        else if (grid)
            fillGrid(grid, action.mid(eq + 1));
        else
            say(QStringLiteral("no box %1").arg(name));
        settle(100);
        return;
    }
    if (auto* button = window ? window->findChild<QAbstractButton*>(action) : nullptr) {
        if (!button->isEnabled()) say(QStringLiteral("%1 is disabled").arg(action));
        button->click();
    } else if (auto* menuItem = main ? main->findChild<QAction*>(action) : nullptr) {
        menuItem->trigger();
    } else {
        say(QStringLiteral("no control %1").arg(action));
        return;
    }
    settle(600);
}

void ScreenshotTour::grabAndCloseOtherWindows(const QWidget* grabbed) {
    const auto windows = QApplication::topLevelWidgets();
    for (const QPointer<QWidget> w : windows) {
        if (m_ended) return;
        if (!w || w.data() == m_ctx.mainWindow || !w->isVisible()) continue;
        if (w.data() != grabbed) grab(w, QStringLiteral("_win%1").arg(++m_windows));
        if (w) closeQuietly(w);
    }
    settle(200);
}

// The top-level windows other than the main window that are on screen.
QList<QWidget*> ScreenshotTour::shownWindows() const {
    QList<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != m_ctx.mainWindow && w->isVisible() && !w->isModal()) shown << w;
    return shown;
}

void ScreenshotTour::closeModelWindows() {
    auto* area = m_ctx.mainWindow ? m_ctx.mainWindow->findChild<QMdiArea*>() : nullptr;
    if (!area) return;
    for (const QPointer<QMdiSubWindow> sub : area->subWindowList()) {
        // The guidance board stays, behind the next step's window, as a user sees it.
        if (sub && sub->widget() && sub->widget()->objectName() == widgets::formName(widgets::WindowId::Starting))
            continue;
        if (sub && !m_ended) closeQuietly(sub);
    }
    settle(200);
}

void ScreenshotTour::runStep(const QString& step) {
    QStringList actions = step.split('+', Qt::SkipEmptyParts);
    if (actions.isEmpty()) return;
    const QString form = actions.takeFirst();
    const int use = ++m_uses[form];
    m_name = use == 1 ? form : QStringLiteral("%1_%2").arg(form).arg(use);
    m_boxes = 0;
    m_windows = 0;
    m_stepClock.restart();

    QPointer<QWidget> window = m_ctx.mainWindow;
    // A window of its own (the wizard's steps) is grabbed itself while it is up,
    // else the main window.
    auto shot = [this, &window] {
        return window && window->isWindow() && window->isVisible() ? window.data() : m_ctx.mainWindow;
    };
    if (const auto scene = m_scenes.constFind(form); scene != m_scenes.constEnd()) {
        window = (*scene)();
        grab(m_ctx.mainWindow, QStringLiteral("_during"));
        settle(kSceneMs);
        grab(m_ctx.mainWindow, QString());
    } else if (form != kMain) {
        window = openWindow(form);
        if (!window) return say(QStringLiteral("%1 is not a registered window").arg(form));
        settle(400);
        if (auto* example = window->findChild<QAbstractButton*>(QStringLiteral("cmdExample"))) {
            example->click();
            settle(600);
        }
        grab(shot(), QString());
    }
    if (!actions.isEmpty()) {
        for (const QString& action : std::as_const(actions)) {
            if (m_ended) return;
            const QList<QWidget*> before = shownWindows();
            act(window, action);
            // A window that hid itself for another (Next, Back) hands the next actions to that one.
            if (window && window != m_ctx.mainWindow && !window->isVisible()) {
                for (QWidget* w : shownWindows())
                    if (!before.contains(w)) window = w;
            }
        }
        grab(shot(), QStringLiteral("_pressed"));
    }
    grabAndCloseOtherWindows(shot());
    if (!m_keep) closeModelWindows();
}

void ScreenshotTour::end(int status, const QString& reason) {
    if (m_ended) return;
    if (!reason.isEmpty()) say(reason + QStringLiteral("; ending the tour"));
    m_ended = true;
    m_watchdog->stop();
    // Leaves every event loop, a modal box's too, without closing the main
    // window (its size is the tour's, not to be stored).
    QCoreApplication::exit(status);
}

void ScreenshotTour::start() {
    QDir().mkpath(m_outDir);
    m_tourClock.start();
    m_stepClock.start();
    m_watchdog->start();
    if (QWidget* main = m_ctx.mainWindow) {
        main->raise();
        main->activateWindow();
    }
    settle(600);
    grab(m_ctx.mainWindow, QString());
    for (const QString& step : std::as_const(m_steps)) {
        if (m_ended) return;
        runStep(step);
    }
    if (m_ended) return;
    // Whatever is still open closes without a question, while the watchdog
    // still answers any box that would wait.
    m_name = kMain + QStringLiteral("_end");
    m_stepClock.restart();
    closeModelWindows();
    for (const QPointer<QWidget> w : QApplication::topLevelWidgets()) {
        if (w && w.data() != m_ctx.mainWindow && w->isVisible() && !m_ended) closeQuietly(w);
    }
    settle(200);
    end(0);
}

}  // namespace tervalo::screenshot
