#include "demand/DemandWindows.h"

#include "widgets/AppContext.h"
#include "widgets/WindowRegistry.h"

namespace tervalo::demand {

void registerDemandWindows(widgets::AppContext& ctx) {
    // ---- demand estimation ----------------------------------------------------------

    // ---- model wizard ---------------------------------------------------------------
    (void)ctx;
}

}  // namespace tervalo::demand
