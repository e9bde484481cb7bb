// Must not compile: the calculation core is below the data layer.
#include "data/Connection.h"
