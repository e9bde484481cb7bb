// Must not compile: the warehouse subsystem never includes another subsystem.
#include "stochastic/SinglePeriodCWindow.h"
