#include "jobs/JobControl.h"

namespace tervalo::warehouse {

JobControl::~JobControl() = default;

}  // namespace tervalo::warehouse
