#include "reports/ReportLayout.h"

namespace tervalo::reports {

ReportBand* ReportLayout::bandNamed(const QString& bandName) {
    for (ReportBand& b : bands)
        if (b.name == bandName) return &b;
    return nullptr;
}

const ReportBand* ReportLayout::bandNamed(const QString& bandName) const {
    for (const ReportBand& b : bands)
        if (b.name == bandName) return &b;
    return nullptr;
}

}  // namespace tervalo::reports
