// Must not compile: one subsystem never includes another.
#include "lotsize/EoqWindow.h"
