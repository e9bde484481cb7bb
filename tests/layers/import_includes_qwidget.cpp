// Must not compile: the import has no widget; only the window libraries link Qt Widgets.
#include <QWidget>
