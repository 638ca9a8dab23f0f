// Older name of DibPixel.h; include that instead.
#pragma once

#include "skin/data/DibPixel.h"
