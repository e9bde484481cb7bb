// Must not compile: the program reaches the web browser only through the
// library it loads at run time, so nothing it links brings Qt WebEngine.
#include "browser/BrowserWindow.h"
