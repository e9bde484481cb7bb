#include "reports/ReportOutput.h"
