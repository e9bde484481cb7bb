#include "platform/Beeper.h"

#include <QApplication>

namespace tervalo::platform {

void Beeper::beep() { QApplication::beep(); }

}  // namespace tervalo::platform
