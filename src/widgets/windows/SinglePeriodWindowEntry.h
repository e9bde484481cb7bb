#pragma once
// How one part of the program drives a window of another: the window implements
// the interface below, and callers reach it through the registry as that
// interface (WindowRegistry::instanceAs), never by the name of a method or a
// property.
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "core/CheckMessage.h"
#include "core/stochastic/Problem.h"
#include "data/SsRepository.h"

namespace tervalo::widgets {

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

// frmSinglePeriodC as the left panel, the wizard and the batch analysis drive
// it. Each run selects the options of its case first (a change runs the
// option's handler, which empties the boxes, and may bring up the refusal of
// normal demand with the (s,S) policy), then fills the boxes and calculates as
// the button does, checks and messages included.
class SinglePeriodWindowEntry {
public:
    virtual ~SinglePeriodWindowEntry() = default;
    // Selects an option as a click does: its handler runs only when it changes the selection.
    virtual void select(core::stochastic::Problem problem) = 0;          // optType
    virtual void select(core::stochastic::ContinuousDemand demand) = 0;  // optModel
    virtual SinglePeriodRunResult runSingleP_unif(const SinglePeriodUniformTexts& texts) = 0;
    virtual SinglePeriodRunResult runSingleP_Norm(const SinglePeriodNormalTexts& texts) = 0;
    virtual SinglePeriodRunResult runSS_unif(const SsUniformTexts& texts) = 0;
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

}  // namespace tervalo::widgets
