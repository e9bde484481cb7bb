#include "demand/ModelHandOver.h"

#include <QWidget>

#include "core/NumberText.h"
#include "core/RuntimeError.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::demand {

template <class Entry>
Entry& RegistryModelHandOver::shown(widgets::WindowId form) {
    auto* entry = m_registry.instanceAs<Entry>(form);
    if (!entry) throw core::RuntimeError(core::ErrorCode::Other, "Object doesn't support this property or method");
    m_registry.show(form);
    return *entry;
}

void RegistryModelHandOver::runPurchaseSa(const widgets::PurchaseSaTexts& texts) {
    shown<widgets::PurchaseSaWindowEntry>(widgets::WindowId::PurchaseSA).run(texts);
}

void RegistryModelHandOver::runManufSa(const widgets::ManufSaTexts& texts) {
    shown<widgets::ManufSaWindowEntry>(widgets::WindowId::ManufSA).run(texts);
}

void RegistryModelHandOver::runSingleP_unif(const jobs::SinglePeriodUniformTexts& texts) {
    shown<widgets::SinglePeriodWindowEntry>(widgets::WindowId::SinglePeriodC).runSingleP_unif(texts);
}

void RegistryModelHandOver::runSingleP_Norm(const jobs::SinglePeriodNormalTexts& texts) {
    shown<widgets::SinglePeriodWindowEntry>(widgets::WindowId::SinglePeriodC).runSingleP_Norm(texts);
}

void RegistryModelHandOver::runSS_unif(const jobs::SsUniformTexts& texts) {
    shown<widgets::SinglePeriodWindowEntry>(widgets::WindowId::SinglePeriodC).runSS_unif(texts);
}

namespace {

QString figure(double value) { return QString::fromStdString(core::plainDecimalText(value)); }

core::CheckMessage noModel(const char* text) { return {text, "No Model", core::MessageIcon::Exclamation}; }

}  // namespace

std::optional<core::CheckMessage> handOverToModel(const WizardInterview& a, const WizardCosts& c, ModelHandOver& to) {
    const DemandFigures& d = a.demand;
    if (a.demandType == DemandType::SinglePeriod) {
        switch (a.demandKnowledge) {
            case DemandKnowledge::Uniform:
                to.runSingleP_unif({figure(d.lower), figure(d.upper), a.itemName, c.item, c.holding, c.shortage});
                return std::nullopt;
            case DemandKnowledge::Normal:
                to.runSingleP_Norm({figure(d.mean), figure(d.variance), a.itemName, c.item, c.holding, c.shortage});
                return std::nullopt;
            case DemandKnowledge::Certain:
                return noModel(
                    "A single-period model needs to know how the demand varies. Please go back and give the demand "
                    "as a range or as its mean and variance.");
            case DemandKnowledge::None:
                break;
        }
    } else {
        switch (a.demandKnowledge) {
            case DemandKnowledge::Certain:
                if (a.purchasing)
                    to.runPurchaseSa(
                        {a.itemName, figure(d.constant), c.item, c.holding, c.ordering, c.shortage, a.timeUnit});
                else
                    to.runManufSa({a.itemName, figure(d.constant), c.item, c.holding, c.ordering, a.manufRate,
                                   c.shortage, a.timeUnit});
                return std::nullopt;
            case DemandKnowledge::Uniform:
                to.runSS_unif(
                    {figure(d.lower), figure(d.upper), a.itemName, c.ordering, c.item, c.holding, c.shortage});
                return std::nullopt;
            case DemandKnowledge::Normal:
                return noModel(
                    "There is no model for a steady demand known only by its mean and variance. Please go back and "
                    "give the demand as certain or as a range.");
            case DemandKnowledge::None:
                break;
        }
    }
    return noModel("Please go back and tell how well you know the demand.");
}

}  // namespace tervalo::demand
