/* motion exports. */
#ifndef KOVA_TESSELAPI_MOTION_H
#define KOVA_TESSELAPI_MOTION_H

#include "kova/tesselapi_types.h"

#endif
