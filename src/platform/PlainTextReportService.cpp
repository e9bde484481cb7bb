#include "platform/PlainTextReportService.h"

#include "platform/Notifier.h"
#include "platform/TextReportWindow.h"

namespace tervalo::platform {

TextReportSink* PlainTextReportService::start(const QString& title) {
    const QString caption =
        (title.isEmpty() ? QStringLiteral("Report") : title) + QStringLiteral(" - ") + kProgramTitle;
    auto* window = new TextReportWindow(caption, m_notifier);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    m_windows.removeIf([](const QPointer<TextReportWindow>& w) { return w.isNull(); });
    m_windows.append(window);
    return window;
}

bool PlainTextReportService::closeAll() {
    // A copy: a report may be started while a question is open.
    const QList<QPointer<TextReportWindow>> windows = m_windows;
    for (const QPointer<TextReportWindow>& window : windows) {
        // A closed window is hidden at once but deleted only later: it must not
        // ask again.
        if (window && window->isVisible() && !window->close()) return false;
    }
    return true;
}

}  // namespace tervalo::platform
