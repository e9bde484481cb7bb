#pragma once
// The model windows' Print: each request reads its rows afresh with bound
// values (the item as typed, the day, the model or the saved LogID) and hands
// them to the report output in the layout of the rows' own model.
#include <optional>

#include "platform/ReportService.h"
#include "reports/ReportOutput.h"

namespace tervalo::data {
class Connection;
}

namespace tervalo::reports {

class ReportPrintService : public platform::ReportService {
public:
    ReportPrintService(data::Connection& cnn, ReportOutput& output);

    void previewEoq(QWidget* parent, int modelId, const QString& itemName, const QDate& day) override;
    void previewSinglePeriod(QWidget* parent, int logId, const QString& itemName, const QDate& day) override;

    // The layout of a model's rows: 1 to 4 the lot-size layouts, 7, 8 and 10 the
    // single-period and (s,S) layouts; nullopt for any other model.
    static std::optional<LayoutId> layoutOfModel(int modelId);

private:
    data::Connection& m_cnn;
    ReportOutput& m_output;
};

}  // namespace tervalo::reports
