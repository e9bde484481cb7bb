// Must not compile: a job never includes the windows' shared code.
#include "widgets/WindowRegistry.h"
