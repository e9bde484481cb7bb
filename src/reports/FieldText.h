#pragma once
// The text a report field prints for a stored value.
#include <QString>
#include <QVariant>

#include "reports/ReportLayout.h"

namespace tervalo::reports {

// NULL prints blank. Money ("$#,##0.00") applies to numbers and to texts that
// are numbers as a whole ("5." -> "$5.00"); any other text prints as stored.
// Dates print M/d/yyyy (stored ISO "YYYY-MM-DD" text or a date value); a text
// that is no ISO date prints as stored. A stored number kept as text prints
// without the blanks around it (" 42" -> "42").
QString fieldText(const QVariant& value, FieldFormat format);

}  // namespace tervalo::reports
