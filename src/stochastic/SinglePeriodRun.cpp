#include "stochastic/SinglePeriodRun.h"

#include "data/Connection.h"

namespace tervalo::stochastic {

namespace cs = core::stochastic;
using F = cs::ContinuousField;
using P = cs::Problem;
using D = cs::ContinuousDemand;

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

cs::ContinuousTexts SinglePeriodCase::texts() const {
    cs::ContinuousTexts fields;
    for (const auto& [field, text] : boxes)
        fields[field] = text.toStdString();
    return fields;
}

// Each run fills its boxes in the order of its arguments.
SinglePeriodCase singlePeriodCase(const jobs::SinglePeriodUniformTexts& t) {
    return {P::SinglePeriod,
            D::Uniform,
            {{F::LowDemand, t.lowerD},
             {F::HighDemand, t.upperD},
             {F::Item, t.itemName},
             {F::Price, t.itemCost},
             {F::HoldingCost, t.holdingCost},
             {F::ShortageCost, t.shortageCost}}};
}

SinglePeriodCase singlePeriodCase(const jobs::SinglePeriodNormalTexts& t) {
    return {P::SinglePeriod,
            D::Normal,
            {{F::Mean, t.meanD},
             {F::Variance, t.varianceD},
             {F::Item, t.itemName},
             {F::Price, t.itemCost},
             {F::HoldingCost, t.holdingCost},
             {F::ShortageCost, t.shortageCost}}};
}

SinglePeriodCase singlePeriodCase(const jobs::SsUniformTexts& t) {
    return {P::SsPolicy,
            D::Uniform,
            {{F::LowDemand, t.lowerD},
             {F::HighDemand, t.upperD},
             {F::Item, t.itemName},
             {F::OrderingCost, t.orderingCost},
             {F::Price, t.itemCost},
             {F::HoldingCost, t.holdingCost},
             {F::ShortageCost, t.shortageCost}}};
}

QStringList singlePeriodCostParts() {
    return {QStringLiteral("Purchase"), QStringLiteral("Shortage"), QStringLiteral("Holding")};
}

SinglePeriodDisplay singlePeriodDisplay(const cs::ContinuousResult& result) {
    SinglePeriodDisplay shown;
    shown.orderUpTo = qt(result.orderUpToText);
    shown.reorderPoint = qt(result.reorderPointText);
    shown.costs = result.costs;
    if (result.costNote) shown.costNote = qt(*result.costNote);
    return shown;
}

data::SsRow ssRow(P problem, D demand, const cs::ContinuousTexts& texts, const cs::ContinuousResult& result,
                  const QDate& day) {
    const bool policy = problem == P::SsPolicy;
    const bool uniform = demand == D::Uniform;
    auto text = [&texts](F field) { return qt(texts[field]); };
    auto only = [&](bool written, F field) { return written ? std::optional<QString>(text(field)) : std::nullopt; };
    data::SsRow row;
    row.date = day;
    row.itemName = text(F::Item);
    row.problemId = result.codes.problemId;
    row.demandId = result.codes.demandId;
    row.lDemand = only(uniform, F::LowDemand);
    row.uDemand = only(uniform, F::HighDemand);
    row.meanDemand = only(!uniform, F::Mean);
    row.vDemand = only(!uniform, F::Variance);
    row.itemCost = text(F::Price);
    row.holdingCost = text(F::HoldingCost);
    row.shortageCost = text(F::ShortageCost);
    row.setupCost = only(policy, F::OrderingCost);
    row.orderQty = qt(result.orderUpToText);
    if (policy) row.reorderPoint = qt(result.reorderPointText);
    // Purchase (the order/setup cost included), Shortage, Holding, Total.
    const std::vector<double>& amounts = result.costs.amounts;
    row.tItemCost = amounts.at(0);
    row.tShortageCost = amounts.at(1);
    row.tHoldingCost = amounts.at(2);
    row.tSetupCost = only(policy, F::OrderingCost);
    row.totalCost = amounts.at(3);
    row.modelId = result.codes.modelId;
    return row;
}

jobs::SinglePeriodCalculation computeSinglePeriodRow(const SinglePeriodCase& run, const QDate& day) {
    jobs::SinglePeriodCalculation out;
    const cs::ContinuousTexts texts = run.texts();
    cs::ContinuousRun calculated = cs::calculateContinuous(run.problem, run.demand, texts);
    out.messages = std::move(calculated.messages);
    if (!calculated.result) return out;
    const cs::ContinuousResult& result = *calculated.result;
    out.result.orderUpTo = qt(result.orderUpToText);
    if (run.problem == P::SsPolicy) out.result.reorderPoint = qt(result.reorderPointText);
    out.row = ssRow(run.problem, run.demand, texts, result, day);
    return out;
}

SinglePeriodRunOutput runSinglePeriod(const SinglePeriodCase& run, data::Connection& cnn, const QDate& day) {
    jobs::SinglePeriodCalculation computed = computeSinglePeriodRow(run, day);
    SinglePeriodRunOutput out{std::move(computed.result), std::move(computed.messages)};
    if (!computed.row) return out;
    try {
        out.result.logId = data::SsRepository(cnn).insert(*computed.row);
    } catch (const core::RuntimeError& fault) {
        out.messages.push_back(cs::calculateErrorMessage(fault));
    }
    return out;
}

}  // namespace tervalo::stochastic
