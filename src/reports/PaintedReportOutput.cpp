#include "reports/PaintedReportOutput.h"

#include <QPrintDialog>
#include <QPrinter>

#include "core/RuntimeError.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "reports/ReportLayouts.h"
#include "reports/ReportPaginator.h"
#include "reports/ReportPainter.h"
#include "reports/ReportPreviewDialog.h"

namespace tervalo::reports {

PaintedReportOutput::PaintedReportOutput(platform::Notifier& notifier, const platform::Clock& clock)
    : m_notifier(notifier), m_clock(clock) {}

PaintedReportOutput::~PaintedReportOutput() {
    // The previews are windows of their own that print through this output.
    for (const QPointer<ReportPreviewDialog>& open : m_previews)
        delete open.data();
}

ReportDocument PaintedReportOutput::document(LayoutId layout, const QList<QSqlRecord>& rows) const {
    // The binding convention: every label named lblCaption in the page header
    // shows the day the report is bound, not the saved row's day.
    ReportLayout bound = reportLayout(layout);
    if (ReportBand* header = bound.bandNamed(QStringLiteral("PageHeader"))) {
        for (ReportControl& c : header->controls) {
            if (c.kind == ControlKind::Label && c.name == QLatin1String("lblCaption"))
                c.caption = QStringLiteral("Prepared on ") + m_clock.today().toString(QStringLiteral("M/d/yyyy"));
        }
    }
    return layOutReport(bound, rows);
}

ReportPreviewDialog* PaintedReportOutput::openPreview(LayoutId layout) const {
    return m_previews.at(std::size_t(layout)).data();
}

void PaintedReportOutput::preview(QWidget* parent, LayoutId layout, const QList<QSqlRecord>& rows) {
    std::optional<ReportDocument> doc = build(parent, layout, rows);
    if (!doc) return;
    auto* dialog = new ReportPreviewDialog(
        layout, std::move(*doc), [this](QWidget* preview, const ReportDocument& d) { printDocument(preview, d); },
        parent);
    QPointer<ReportPreviewDialog>& current = m_previews.at(std::size_t(layout));
    if (current) {
        dialog->setGeometry(current->geometry());
        current->close();
    }
    current = dialog;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void PaintedReportOutput::print(QWidget* parent, LayoutId layout, const QList<QSqlRecord>& rows) {
    if (const std::optional<ReportDocument> doc = build(parent, layout, rows)) printDocument(parent, *doc);
}

void PaintedReportOutput::printDocument(QWidget* parent, const ReportDocument& doc) {
    QPrinter printer(QPrinter::HighResolution);
    ReportPainter::preparePrinter(printer, doc);
    if (!choosePrinter(parent, printer)) return;
    try {
        ReportPainter(doc).print(printer);
    } catch (const core::RuntimeError& error) {
        reportFailure(parent, error);
    }
}

bool PaintedReportOutput::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<ReportDocument> PaintedReportOutput::build(QWidget* parent, LayoutId layout,
                                                         const QList<QSqlRecord>& rows) {
    try {
        return document(layout, rows);
    } catch (const core::RuntimeError& error) {
        reportFailure(parent, error);
        return std::nullopt;
    }
}

void PaintedReportOutput::reportFailure(QWidget* parent, const core::RuntimeError& error) {
    // The layouts' own error box: no icon, the program's title.
    m_notifier.show(parent, QString::fromStdString(error.description()), QString(), platform::MsgIcon::None,
                    platform::MsgButtons::Ok);
}

}  // namespace tervalo::reports
