#include "shell/MdiArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRect>

namespace tervalo::shell::MdiArrangement {

namespace {

QList<QMdiSubWindow*> normalWindows(QMdiArea* area, const QMdiSubWindow* keep) {
    QList<QMdiSubWindow*> out;
    for (QMdiSubWindow* w : area->subWindowList(QMdiArea::CreationOrder)) {
        if (w != keep && w->isVisible() && !w->isMinimized()) out << w;
    }
    return out;
}

// Splits the area into equal bands along one direction.
void tile(QMdiArea* area, const QMdiSubWindow* keep, bool bands) {
    const QList<QMdiSubWindow*> windows = normalWindows(area, keep);
    if (windows.isEmpty()) return;
    const QRect r = area->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized()) w->showNormal();
        if (bands) {
            const int top = r.height() * i / n;
            w->setGeometry(0, top, r.width(), r.height() * (i + 1) / n - top);
        } else {
            const int left = r.width() * i / n;
            w->setGeometry(left, 0, r.width() * (i + 1) / n - left, r.height());
        }
    }
}

}  // namespace

void cascade(QMdiArea* area, QMdiSubWindow* keep) {
    // The area's own cascade leaves hidden windows where they are.
    const bool shown = keep && keep->isVisible();
    const QRect place = shown ? keep->geometry() : QRect();
    if (shown) keep->hide();
    area->cascadeSubWindows();
    if (!shown) return;
    keep->show();
    keep->setGeometry(place);
    keep->lower();
}

void tileHorizontally(QMdiArea* area, const QMdiSubWindow* keep) { tile(area, keep, true); }

void tileVertically(QMdiArea* area, const QMdiSubWindow* keep) { tile(area, keep, false); }

void arrangeIcons(QMdiArea* area) {
    const QRect r = area->viewport()->rect();
    int x = 0;
    int y = r.height();
    for (QMdiSubWindow* w : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized()) continue;
        const QSize s = w->size();
        if (x > 0 && x + s.width() > r.width()) {
            x = 0;
            y -= s.height();
        }
        w->move(x, y - s.height());
        x += s.width();
    }
}

}  // namespace tervalo::shell::MdiArrangement
