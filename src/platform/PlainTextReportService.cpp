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
    return window;
}

}  // namespace tervalo::platform
