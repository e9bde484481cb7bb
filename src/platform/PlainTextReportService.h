#pragma once
// Opens a new plain-text report window for each report; the windows belong to
// the user and delete themselves when closed.
#include <QList>
#include <QPointer>

#include "platform/TextReport.h"
#include "platform/TextReportWindow.h"

namespace tervalo::platform {

class Notifier;

class PlainTextReportService : public TextReportService {
public:
    explicit PlainTextReportService(Notifier* notifier = nullptr) : m_notifier(notifier) {}

    // `title` becomes the window title followed by " - Tervalo" ("Report - Tervalo" when empty).
    TextReportSink* start(const QString& title) override;
    // Closes the open windows in the order they were opened.
    bool closeAll() override;

private:
    Notifier* m_notifier = nullptr;
    QList<QPointer<TextReportWindow>> m_windows;  // null once a window is gone
};

}  // namespace tervalo::platform
