#pragma once
// The answers of the model wizard's interview as step 4 holds them when Finish
// chooses the model window, and the costs typed on step 4. The texts travel to
// the model windows as typed.
#include <QString>

namespace tervalo::demand {

// Whether the item is sold in one period only or its demand is stationary.
// A step that has not been told counts as steady.
enum class DemandType { SinglePeriod, Steady };

// How well the demand is known; None until step 2 has handed a model on.
enum class DemandKnowledge { None, Certain, Uniform, Normal };

// The five demand figures of step 3; an empty box gives 0.
struct DemandFigures {
    double lower = 0;
    double upper = 0;
    double mean = 0;
    double variance = 0;
    double constant = 0;
};

struct WizardInterview {
    bool purchasing = false;
    DemandType demandType = DemandType::Steady;
    DemandKnowledge demandKnowledge = DemandKnowledge::None;
    DemandFigures demand;
    QString itemName;
    QString timeUnit;   // "week", "month" or "year", as step 3 wrote it
    QString manufRate;  // as typed on step 3; empty for a purchased item
};

struct WizardCosts {
    QString ordering;  // ordering or setup cost
    QString item;
    QString holding;
    QString shortage;
};

}  // namespace tervalo::demand
