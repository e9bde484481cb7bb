#pragma once
// The program's report output: binds a layout to the rows ("Prepared on" and
// today in its page header), lays it out into pages, and paints them in a
// modeless preview or on the printer chosen in the print dialog. Each layout
// has one preview window: binding it again replaces the open one in place. A
// preview outlives the window that asked for it, not this output.
// A report that cannot be made shows one box with the description and the
// program's title, and nothing else.
#include <QList>
#include <QPointer>
#include <QSqlRecord>
#include <array>
#include <optional>

#include "reports/ReportDocument.h"
#include "reports/ReportOutput.h"

class QPrinter;

namespace tervalo::core {
class RuntimeError;
}
namespace tervalo::platform {
class Clock;
class Notifier;
}  // namespace tervalo::platform

namespace tervalo::reports {

class ReportPreviewDialog;

class PaintedReportOutput : public ReportOutput {
public:
    PaintedReportOutput(platform::Notifier& notifier, const platform::Clock& clock);
    ~PaintedReportOutput() override;

    void preview(QWidget* parent, LayoutId layout, const QList<QSqlRecord>& rows) override;
    void print(QWidget* parent, LayoutId layout, const QList<QSqlRecord>& rows) override;

    // The layout bound to the rows and laid out, as preview and print paint it.
    // Throws core::RuntimeError when a row lacks a column the layout shows.
    ReportDocument document(LayoutId layout, const QList<QSqlRecord>& rows) const;
    // The layout's open preview window, or null.
    ReportPreviewDialog* openPreview(LayoutId layout) const;

protected:
    // The print dialog (no page range) for the printer; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer);

private:
    std::optional<ReportDocument> build(QWidget* parent, LayoutId layout, const QList<QSqlRecord>& rows);
    void printDocument(QWidget* parent, const ReportDocument& doc);
    void reportFailure(QWidget* parent, const core::RuntimeError& error);

    platform::Notifier& m_notifier;
    const platform::Clock& m_clock;
    std::array<QPointer<ReportPreviewDialog>, 7> m_previews;
};

}  // namespace tervalo::reports
