#pragma once
// What a run of frmSinglePeriodC is given and gives back, and its calculation
// without the window. The model windows, the wizard and the batch analysis
// all use these; they include no widget, so that the batch job, which runs
// without a window, can use them too.
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "core/CheckMessage.h"
#include "data/SsRepository.h"

namespace tervalo::jobs {

// The texts frmSinglePeriodC is run with, in the order the wizard and the
// batch analysis pass them; each goes unchanged into its box.
struct SinglePeriodUniformTexts {  // runSingleP_unif
    QString lowerD;
    QString upperD;
    QString itemName;
    QString itemCost;
    QString holdingCost;
    QString shortageCost;
};

struct SinglePeriodNormalTexts {  // runSingleP_Norm
    QString meanD;
    QString varianceD;
    QString itemName;
    QString itemCost;
    QString holdingCost;
    QString shortageCost;
};

struct SsUniformTexts {  // runSS_unif
    QString lowerD;
    QString upperD;
    QString itemName;
    QString orderingCost;
    QString itemCost;
    QString holdingCost;
    QString shortageCost;
};

// What a run of frmSinglePeriodC produced: S (txtS2) and, when the (s,S)
// policy was computed, s (txtS1). An empty S means no result (a check, a
// message of the calculation or a fault stopped it).
struct SinglePeriodRunResult {
    QString orderUpTo;     // S with its leading blank: " 841"
    QString reorderPoint;  // s with its leading blank; empty for the single-period problem
    QString logId;         // the saved s_S row; empty when the save failed

    bool calculated() const { return !orderUpTo.isEmpty(); }
};

// A run of the single-period calculation without its window (the batch
// analysis over all items): what the window would have shown in S and s (no
// LogID: nothing is saved yet), the boxes it would have shown, in order, and
// the s_S row it would have saved, for the caller to save; none when a check,
// a message or a fault stopped the calculation.
struct SinglePeriodCalculation {
    SinglePeriodRunResult result;
    std::vector<core::CheckMessage> messages;
    std::optional<data::SsRow> row;
};

// The calculation of frmSinglePeriodC as its runs make it, checks included,
// showing nothing and touching no database, so that runs of many items may go
// on several threads at once; only what S, s and the row need is computed
// (none of the texts of the cost table).
class SinglePeriodCalculator {
public:
    virtual ~SinglePeriodCalculator() = default;
    virtual SinglePeriodCalculation runSingleP_unif(const SinglePeriodUniformTexts& texts, const QDate& day) const = 0;
    virtual SinglePeriodCalculation runSS_unif(const SsUniformTexts& texts, const QDate& day) const = 0;
};

}  // namespace tervalo::jobs
