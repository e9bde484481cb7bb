// Must not compile: the RTF reader and writer has no widget; only the window libraries link Qt Widgets.
#include <QWidget>
