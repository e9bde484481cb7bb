#pragma once
// "Manufacturing Model: Shortages Allowed" (frmManufSA): the production quantity
// of an item made in-house when shortages are back-ordered. The wizard drives
// it through run().
#include "lotsize/EoqWindow.h"
#include "widgets/windows/EoqWindowEntry.h"

namespace tervalo::lotsize {

class ManufSaWindow : public EoqWindow, public widgets::ManufSaWindowEntry {
    Q_OBJECT
public:
    explicit ManufSaWindow(widgets::AppContext& ctx, QWidget* parent = nullptr);

    // Fills the seven boxes with the texts as given, selects the time unit,
    // then calculates as the button does, checks and messages included.
    widgets::EoqRunResult run(const widgets::ManufSaTexts& texts) override;

    static EoqWindowDescription describe();
};

}  // namespace tervalo::lotsize
