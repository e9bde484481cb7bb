#pragma once
// "Manufacturing Model: Shortages Allowed" (frmManufSA): the production quantity
// of an item made in-house when shortages are back-ordered. The wizard drives
// it through run().
#include <QString>

#include "lotsize/EoqWindow.h"

namespace tervalo::lotsize {

class ManufSaWindow : public EoqWindow {
    Q_OBJECT
public:
    explicit ManufSaWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    // Fills the seven boxes with the texts as given, selects the time unit
    // ("year", "month", "week", matched exactly; any other text gives Year),
    // then calculates as the button does, checks and messages included.
    void run(const QString& itemName, const QString& demand, const QString& unitCost, const QString& holdingCost,
             const QString& setupCost, const QString& manufRate, const QString& shortageCost, const QString& timeUnit);

    static EoqWindowDescription describe();
};

}  // namespace tervalo::lotsize
