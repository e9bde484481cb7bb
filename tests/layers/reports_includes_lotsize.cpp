// Must not compile: the reports subsystem never includes another subsystem.
#include "lotsize/EoqWindow.h"
