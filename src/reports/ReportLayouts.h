#pragma once
// The seven report layouts of saved results, built once for the program's run.
#include "reports/ReportLayout.h"

namespace tervalo::reports {

const ReportLayout& reportLayout(LayoutId id);

}  // namespace tervalo::reports
