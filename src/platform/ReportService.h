#pragma once
// Printed reports of saved results. The model windows' Print buttons ask for the
// report of the rows they saved; each request runs its own query with its values
// bound, so a report always shows the rows asked for now.
#include <QDate>
#include <QString>

class QWidget;

namespace tervalo::platform {

class ReportService {
public:
    virtual ~ReportService() = default;
    // Runs the print query of the lot-size model (1 to 4) for the item and day,
    // and previews the rows in that model's layout. Throws core::RuntimeError on
    // a database failure.
    virtual void previewEoq(QWidget* parent, int modelId, const QString& itemName, const QDate& day) = 0;
    // Reads the single-period or (s,S) row saved under the LogID, provided its
    // day and item still match, and previews it in the layout of the row's own
    // model (7 single period with uniform demand, 8 with normal demand, 10 the
    // (s,S) policy). Throws core::RuntimeError on a database failure or when no
    // such row exists.
    virtual void previewSinglePeriod(QWidget* parent, int logId, const QString& itemName, const QDate& day) = 0;
};

}  // namespace tervalo::platform
