// Must not compile: the demand subsystem never includes another subsystem.
#include "stochastic/SinglePeriodCWindow.h"
