#pragma once
// A report output that records what it is asked to print or preview, or
// raises the run-time error a test plants.
#include <QList>
#include <QSqlRecord>
#include <QString>

#include "core/RuntimeError.h"
#include "reports/ReportOutput.h"

namespace tervalo::test {

struct ReportRequest {
    bool print = false;  // else a preview
    reports::LayoutId layout = reports::LayoutId::Eoq1;
    QList<QSqlRecord> rows;
};

class RecordingReportOutput : public reports::ReportOutput {
public:
    void preview(QWidget*, reports::LayoutId layout, const QList<QSqlRecord>& rows) override {
        record(false, layout, rows);
    }
    void print(QWidget*, reports::LayoutId layout, const QList<QSqlRecord>& rows) override {
        record(true, layout, rows);
    }
    QList<ReportRequest> requests;
    QString failure;  // not empty: every request raises it

private:
    void record(bool print, reports::LayoutId layout, const QList<QSqlRecord>& rows) {
        if (!failure.isEmpty()) throw core::RuntimeError(core::ErrorCode::Other, failure.toStdString());
        requests.append({print, layout, rows});
    }
};

}  // namespace tervalo::test
