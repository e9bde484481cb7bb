#include "jobs/JobControl.h"

namespace tervalo::jobs {

JobControl::~JobControl() = default;

}  // namespace tervalo::jobs
