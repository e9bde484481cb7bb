// Must not compile: the RTF reader and writer never includes the windows' shared code.
#include "widgets/WindowRegistry.h"
