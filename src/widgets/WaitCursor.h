#pragma once
// The hourglass for the length of a scope: shown when made, restored when the
// scope ends, also when it ends by an exception.
#include <QApplication>

namespace tervalo::widgets {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace tervalo::widgets
