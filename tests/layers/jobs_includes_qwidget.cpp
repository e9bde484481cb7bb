// Must not compile: a job has no widget; only the window libraries link Qt Widgets.
#include <QWidget>
