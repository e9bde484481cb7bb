#include "platform/EoqReportPreviewService.h"

#include "core/RuntimeError.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/NumberText.h"
#include "data/Eoq1Repository.h"
#include "platform/Clock.h"

namespace tervalo::platform {

namespace {

QString money(double value) { return QString::fromStdString(core::formatNumber(value, "#.00")); }

QString field(const QString& label, const QString& value) {
    return QStringLiteral("    %1\t%2").arg(label + QLatin1Char(':'), value);
}

QString dayText(const QDate& day) { return day.toString(QStringLiteral("yyyy-MM-dd")); }

}  // namespace

EoqReportPreviewService::EoqReportPreviewService(data::Connection& cnn, const Clock* clock)
    : m_cnn(cnn), m_clock(clock) {}

void EoqReportPreviewService::previewEoq(QWidget* parent, int modelId, const QString& itemName, const QDate& day) {
    const QList<data::Eoq1Row> rows = data::Eoq1Repository(m_cnn).rowsFor(itemName, day, modelId);
    const QDate preparedOn = m_clock ? m_clock->today() : QDate::currentDate();
    const QStringList lines = reportLines(rows, preparedOn);

    auto* preview = new QPrintPreviewDialog(parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral("Report - ") + itemName);
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [lines](QPrinter* printer) { paintLines(printer, lines); });
    preview->setModal(false);
    preview->resize(900, 1000);  // a page readable at a glance
    preview->show();
}

QStringList EoqReportPreviewService::reportLines(const QList<data::Eoq1Row>& rows, const QDate& preparedOn) {
    QStringList lines{QStringLiteral("Prepared on ") + dayText(preparedOn)};
    if (rows.isEmpty()) return lines << QString() << QStringLiteral("No saved results.");
    lines << rows.first().modelName << QString();
    for (const data::Eoq1Row& row : rows) {
        lines << QStringLiteral("%1  %2  (per %3)").arg(dayText(row.date), row.itemName, row.timeUnit);
        lines << field(QStringLiteral("Demand"), row.demand) << field(QStringLiteral("Item cost"), row.itemCost)
              << field(QStringLiteral("Holding cost"), row.holdingCost);
        if (row.shortageCost) lines << field(QStringLiteral("Shortage cost"), *row.shortageCost);
        lines << field(QStringLiteral("Setup cost"), row.setupCost)
              << field(QStringLiteral("Order quantity"), row.orderQty)
              << field(QStringLiteral("Order interval"), row.orderInterval);
        if (row.shortageAllowed) lines << field(QStringLiteral("Shortage allowed"), *row.shortageAllowed);
        lines << field(QStringLiteral("Purchase/production"), money(row.tItemCost))
              << field(QStringLiteral("Ordering/setup"), money(row.tSetupCost))
              << field(QStringLiteral("Holding"), money(row.tHoldingCost));
        if (row.tShortageCost) lines << field(QStringLiteral("Shortage"), money(*row.tShortageCost));
        lines << field(QStringLiteral("Total cost"), money(row.totalCost)) << QString();
    }
    return lines;
}

void EoqReportPreviewService::paintLines(QPagedPaintDevice* device, const QStringList& lines) {
    QPainter painter(device);
    if (!painter.isActive()) return;
    QFont font(QStringLiteral("Sans Serif"), 10);
    painter.setFont(font);
    const QFontMetrics metrics(font, device);
    const int lineHeight = metrics.lineSpacing();
    const QRect page = painter.viewport();
    const int valueColumn = metrics.horizontalAdvance(QLatin1Char('x')) * 28;
    int y = lineHeight;
    for (const QString& line : lines) {
        if (y + lineHeight > page.height()) {
            device->newPage();
            y = lineHeight;
        }
        // A tab starts the value column.
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        painter.drawText(0, y, line.left(tab));
        if (tab >= 0) painter.drawText(valueColumn, y, line.mid(tab + 1));
        y += lineHeight;
    }
}

void EoqReportPreviewService::previewSinglePeriod(QWidget*, int, const QString&, const QDate&) {
    throw core::RuntimeError(core::ErrorCode::Other, "Single-period reports are not available in this version.");
}

}  // namespace tervalo::platform
