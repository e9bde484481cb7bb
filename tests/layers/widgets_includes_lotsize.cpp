// Must not compile: the shared widgets know no subsystem.
#include "lotsize/EoqWindow.h"
