#pragma once
// How the wizard's Finish reaches a model window: through one interface with
// the five run methods it may call. The program's own hand-over runs the
// windows' default instances from the window registry; a test puts a recorder
// in its place.
#include <optional>

#include "core/CheckMessage.h"
#include "demand/WizardInterview.h"
#include "widgets/WindowId.h"
#include "widgets/windows/EoqWindowEntry.h"
#include "widgets/windows/SinglePeriodWindowEntry.h"

namespace tervalo::widgets {
class WindowRegistry;
}

namespace tervalo::demand {

class ModelHandOver {
public:
    virtual ~ModelHandOver() = default;
    virtual void runPurchaseSa(const widgets::PurchaseSaTexts& texts) = 0;
    virtual void runManufSa(const widgets::ManufSaTexts& texts) = 0;
    virtual void runSingleP_unif(const jobs::SinglePeriodUniformTexts& texts) = 0;
    virtual void runSingleP_Norm(const jobs::SinglePeriodNormalTexts& texts) = 0;
    virtual void runSS_unif(const jobs::SsUniformTexts& texts) = 0;
};

// Shows the model window's default instance (opening it when none is open; an
// open one is filled and computed again), then runs it. A window the registry
// cannot make raises a run-time error.
class RegistryModelHandOver : public ModelHandOver {
public:
    explicit RegistryModelHandOver(widgets::WindowRegistry& registry) : m_registry(registry) {}
    void runPurchaseSa(const widgets::PurchaseSaTexts& texts) override;
    void runManufSa(const widgets::ManufSaTexts& texts) override;
    void runSingleP_unif(const jobs::SinglePeriodUniformTexts& texts) override;
    void runSingleP_Norm(const jobs::SinglePeriodNormalTexts& texts) override;
    void runSS_unif(const jobs::SsUniformTexts& texts) override;

private:
    template <class Entry>
    Entry& shown(widgets::WindowId form);

    widgets::WindowRegistry& m_registry;
};

// Chooses the model window that fits the interview and hands it the item's
// name, demand and costs. Demand figures go as plain decimal text ("0.5"), the
// rest as typed; the purchasing and manufacturing windows get step 3's unit.
// Returns why no model fits (a steady demand known by mean and variance, a
// single-period demand given as certain) without calling any window.
std::optional<core::CheckMessage> handOverToModel(const WizardInterview& interview, const WizardCosts& costs,
                                                  ModelHandOver& handOver);

}  // namespace tervalo::demand
