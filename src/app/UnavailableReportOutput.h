#pragma once
// The report output the program uses until the report layouts are part of it:
// Print and Preview of the report browser say that printed reports are not
// available in this version, and nothing else happens.
#include "reports/ReportOutput.h"

namespace tervalo::platform {
class Notifier;
}

namespace tervalo::app {

class UnavailableReportOutput : public reports::ReportOutput {
public:
    explicit UnavailableReportOutput(platform::Notifier& notifier) : m_notifier(notifier) {}

    void preview(QWidget* parent, reports::LayoutId layout, const QList<QSqlRecord>& rows) override;
    void print(QWidget* parent, reports::LayoutId layout, const QList<QSqlRecord>& rows) override;

private:
    void tell(QWidget* parent);

    platform::Notifier& m_notifier;
};

}  // namespace tervalo::app
