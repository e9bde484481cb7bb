#pragma once
// Opens a new plain-text report window for each report; the windows belong to
// the user and delete themselves when closed.
#include "platform/TextReport.h"

namespace tervalo::platform {

class Notifier;

class PlainTextReportService : public TextReportService {
public:
    explicit PlainTextReportService(Notifier* notifier = nullptr) : m_notifier(notifier) {}

    // `title` becomes the window title followed by " - Tervalo" ("Report - Tervalo" when empty).
    TextReportSink* start(const QString& title) override;

private:
    Notifier* m_notifier = nullptr;
};

}  // namespace tervalo::platform
