#pragma once
// What sets the incremental and the all-units discount windows apart: their
// names, the captions of their own, the report's three lines of their own and
// how Calculate reports a run-time error. Everything else they share.
#include <QString>

#include "core/lotsize/QuantityDiscount.h"
#include "platform/Notifier.h"
#include "widgets/WindowId.h"

namespace tervalo::lotsize {

struct DiscountWindowDescription {
    core::lotsize::DiscountKind kind = core::lotsize::DiscountKind::Incremental;
    widgets::WindowId window = widgets::WindowId::IncrementalDiscount;
    QString caption;
    QString discountPriceCaption;  // beside txtPrice1
    QString exampleText;           // the worked example, in "An example"
    QString assumptionsText;       // in "Assumptions"
    // The report's lines that differ between the two windows.
    QString reportObjective;       // second line under "Objective"
    QString reportPurchaseMethod;  // start of the third assumption under "Method"
    QString reportDiscountLead;    // the line before "Discount Price:"
    platform::MsgIcon calculateErrorIcon = platform::MsgIcon::None;

    static DiscountWindowDescription incremental();
    static DiscountWindowDescription allUnits();
};

}  // namespace tervalo::lotsize
