#include "storage/options.h"
