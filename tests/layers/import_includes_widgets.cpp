// Must not compile: the import never includes the windows' shared code.
#include "widgets/WindowRegistry.h"
