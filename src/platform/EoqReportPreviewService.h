#pragma once
// A plain preview of the saved lot-size results of one item, day and model: a
// header line, the model's name and one block per saved row, laid out as text
// lines and painted page by page in a modeless print preview.
#include <QList>
#include <QStringList>

#include "platform/ReportService.h"

class QPagedPaintDevice;

namespace tervalo::data {
class Connection;
struct Eoq1Row;
}  // namespace tervalo::data

namespace tervalo::platform {

class Clock;

class EoqReportPreviewService : public ReportService {
public:
    // `clock` gives the "Prepared on" date; the system clock when null.
    explicit EoqReportPreviewService(data::Connection& cnn, const Clock* clock = nullptr);

    void previewEoq(QWidget* parent, int modelId, const QString& itemName, const QDate& day) override;
    // Not in this stand-in: raises a run-time error saying so.
    void previewSinglePeriod(QWidget* parent, int logId, const QString& itemName, const QDate& day) override;

    // The report's lines, as the preview paints them.
    static QStringList reportLines(const QList<data::Eoq1Row>& rows, const QDate& preparedOn);
    // Paints the lines top to bottom, starting a new page when one is full.
    static void paintLines(QPagedPaintDevice* device, const QStringList& lines);

private:
    data::Connection& m_cnn;
    const Clock* m_clock = nullptr;
};

}  // namespace tervalo::platform
