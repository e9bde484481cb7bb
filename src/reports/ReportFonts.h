#pragma once
// Arial (Liberation Sans on Linux, metric-compatible) as the reports draw it:
// unhinted and unshaped, so that widths scale with the resolution and a text
// measured once fits its box on the screen, in the preview and on paper alike.
#include <QFont>

#include "reports/ReportLayout.h"

namespace tervalo::reports {

QFont reportFont(const ReportFont& font);

}  // namespace tervalo::reports
