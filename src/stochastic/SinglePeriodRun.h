#pragma once
// The continuous single-period and (s,S) calculation as the window's typed
// runs make it, without a window, for the batch analysis: the options and box
// texts of each run, what a result shows (S and s, the cost table and pie, the
// cost note), the s_S row it saves, and one whole run that checks, computes
// and saves, and hands back S and s with the message boxes a typed
// calculation would have shown. The window uses the same pieces, so a run
// with and without it gives the same texts and the same row.
#include <QDate>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "core/CheckMessage.h"
#include "core/RuntimeError.h"
#include "core/stochastic/ContinuousSinglePeriod.h"
#include "data/SsRepository.h"
#include "widgets/windows/SinglePeriodWindowEntry.h"

namespace tervalo::data {
class Connection;
}

namespace tervalo::stochastic {

// One run: the options it selects and the boxes it fills, in the order it fills them.
struct SinglePeriodCase {
    core::stochastic::Problem problem = core::stochastic::Problem::SsPolicy;
    core::stochastic::ContinuousDemand demand = core::stochastic::ContinuousDemand::Uniform;
    std::vector<std::pair<core::stochastic::ContinuousField, QString>> boxes;

    // The filled boxes as the core's field texts; the others empty.
    core::stochastic::ContinuousTexts texts() const;
};

SinglePeriodCase singlePeriodCase(const jobs::SinglePeriodUniformTexts& texts);  // runSingleP_unif
SinglePeriodCase singlePeriodCase(const jobs::SinglePeriodNormalTexts& texts);   // runSingleP_Norm
SinglePeriodCase singlePeriodCase(const jobs::SsUniformTexts& texts);            // runSS_unif

// What one result shows: S (txtS2) and s (txtS1), the cost table with its pie
// (Purchase, Shortage, Holding, Total), and lblCost's note for the (s,S) policy.
struct SinglePeriodDisplay {
    QString orderUpTo;
    QString reorderPoint;
    core::CostSplit costs;
    std::optional<QString> costNote;  // nullopt: lblCost stays as it is
};

// The cost table's parts, in row order.
QStringList singlePeriodCostParts();

// Raises RuntimeError when the shares cannot be made (a Total of 0).
SinglePeriodDisplay singlePeriodDisplay(const core::stochastic::ContinuousResult& result);

// The s_S row of a result: the boxes' texts as typed (S and s with their
// leading blanks), the four amounts, the codes of the options.
data::SsRow ssRow(core::stochastic::Problem problem, core::stochastic::ContinuousDemand demand,
                  const core::stochastic::ContinuousTexts& texts, const core::stochastic::ContinuousResult& result,
                  const QDate& day);

struct SinglePeriodRunOutput {
    jobs::SinglePeriodRunResult result;        // empty S: no result
    std::vector<core::CheckMessage> messages;  // the boxes a typed calculation shows, in order
};

// Checks and computes one run as the window's Calculate does, showing nothing
// and saving nothing: S and s (no LogID), the boxes a typed calculation shows
// (a failed check, a message of the calculation or a run-time fault gives its
// one message and no row; the pie's own message does not stop it) and the
// s_S row the window would save. Of the cost table only what its pie's
// message needs is worked out.
jobs::SinglePeriodCalculation computeSinglePeriodRow(const SinglePeriodCase& run, const QDate& day);

// Checks, computes and saves one run as the window's Calculate does, showing
// nothing. A failed check, a message of the calculation or a run-time fault
// gives its one message and no result, and saves nothing; a failed save keeps
// S and s, gives the save's message and no LogID.
SinglePeriodRunOutput runSinglePeriod(const SinglePeriodCase& run, data::Connection& cnn, const QDate& day);

}  // namespace tervalo::stochastic
