#include "reports/ReportPrintService.h"

#include "core/RuntimeError.h"
#include "data/ReportRowsRepository.h"

namespace tervalo::reports {

ReportPrintService::ReportPrintService(data::Connection& cnn, ReportOutput& output) : m_cnn(cnn), m_output(output) {}

std::optional<LayoutId> ReportPrintService::layoutOfModel(int modelId) {
    switch (modelId) {
        case 1:
            return LayoutId::Eoq1;
        case 2:
            return LayoutId::Eoq2;
        case 3:
            return LayoutId::Eoq3;
        case 4:
            return LayoutId::Eoq4;
        case 7:
            return LayoutId::SingleP;
        case 8:
            return LayoutId::SinglePN;
        case 10:
            return LayoutId::SS;
        default:
            return std::nullopt;
    }
}

void ReportPrintService::previewEoq(QWidget* parent, int modelId, const QString& itemName, const QDate& day) {
    const std::optional<LayoutId> layout = modelId >= 1 && modelId <= 4 ? layoutOfModel(modelId) : std::nullopt;
    if (!layout) throw core::RuntimeError(core::ErrorCode::InvalidCall);
    m_output.preview(parent, *layout, data::ReportRowsRepository(m_cnn).eoqRows(itemName, day, modelId));
}

void ReportPrintService::previewSinglePeriod(QWidget* parent, int logId, const QString& itemName, const QDate& day) {
    const QList<QSqlRecord> rows = data::ReportRowsRepository(m_cnn).singlePeriodRows(logId, day, itemName);
    if (rows.isEmpty())
        throw core::RuntimeError(core::ErrorCode::Database,
                                 "The result saved by this calculation was not found for today's date, "
                                 "so there is nothing to print. Calculate again to print it.");
    // The row's own model picks the layout, whatever the window shows now.
    const int modelId = rows.first().value(QStringLiteral("ModelID")).toInt();
    const std::optional<LayoutId> layout = modelId >= 7 ? layoutOfModel(modelId) : std::nullopt;
    if (!layout) throw core::RuntimeError(core::ErrorCode::InvalidCall);
    m_output.preview(parent, *layout, rows);
}

}  // namespace tervalo::reports
