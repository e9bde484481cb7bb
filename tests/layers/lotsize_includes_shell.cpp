// Must not compile: one subsystem never includes another.
#include "shell/MainWindow.h"
