#include "core/KeyFilter.h"

namespace tervalo::core {

int numericKeyFilter(int keyAscii) {
    const bool passes =
        keyAscii == 8 || keyAscii == '.' || keyAscii == 10 || keyAscii == 13 || (keyAscii >= '0' && keyAscii <= '9');
    return passes ? keyAscii : 0;
}

}  // namespace tervalo::core
