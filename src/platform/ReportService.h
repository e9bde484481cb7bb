#pragma once
// Printed reports of saved results. The model windows' Print buttons ask for the
// report of one item, day and model; the layouts themselves are drawn elsewhere.
#include <QDate>
#include <QString>

class QWidget;

namespace tervalo::platform {

class ReportService {
public:
    virtual ~ReportService() = default;
    // Runs the print query of the lot-size model (1 to 4) for the item and day,
    // and previews the report. Throws core::RuntimeError on a database failure.
    virtual void previewEoq(QWidget* parent, int modelId, const QString& itemName, const QDate& day) = 0;
};

}  // namespace tervalo::platform
