/* parameters exports. */
#ifndef KOVA_TESSELAPI_PARAMETERS_H
#define KOVA_TESSELAPI_PARAMETERS_H

#include "kova/tesselapi_types.h"

#endif
