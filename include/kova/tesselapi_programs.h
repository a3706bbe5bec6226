/* programs exports. */
#ifndef KOVA_TESSELAPI_PROGRAMS_H
#define KOVA_TESSELAPI_PROGRAMS_H

#include "kova/tesselapi_types.h"

#endif
