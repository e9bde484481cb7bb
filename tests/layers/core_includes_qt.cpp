// Must not compile: the calculation core has no Qt.
#include <QString>
