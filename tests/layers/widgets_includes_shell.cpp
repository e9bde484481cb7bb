// Must not compile: the shared widgets know no subsystem.
#include "shell/MainWindow.h"
